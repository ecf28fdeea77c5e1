#include "main_window_design.h"

#include "main_model.h"

#include <algorithm>
#include <iterator>

namespace zyt {

namespace {

using M = MainModel;

constexpr int Margin = 8;
constexpr int ButtonHeight = 28;
constexpr int WindowWidth = 1200;
constexpr int EstimatorTop = 2 * ButtonHeight + 3 * Margin + 26;
constexpr int CellHeight = 24;

// The estimator's columns and rows, from its layout in twips (15 to a pixel).
constexpr int columnLeft[] = {0, 1848, 3664, 5297, 6880, 8712, 10543, 12375, 13950, 15210, 16470};
constexpr int rowTop[] = {58, 409, 780, 1111, 1462, 1800, 2164, 2567, 2970, 7430};
constexpr int Twips = 15;

constexpr int columnX(int column) { return Margin + columnLeft[column] / Twips; }
constexpr int columnWidth(int column)
{
    if (column + 1 < int(std::size(columnLeft)))
        return std::min(124, (columnLeft[column + 1] - columnLeft[column]) / Twips - 4);
    return 1100 / Twips;
}
constexpr int rowY(int row) { return EstimatorTop + rowTop[row] / Twips; }
constexpr int columnOf(M::Array array) { return array - M::Text101; }

constexpr int PanelTop = EstimatorTop + 2970 / Twips + CellHeight + 50;
constexpr int CalculatorTop = EstimatorTop + 7875 / Twips;
constexpr int HelpTop = CalculatorTop + ButtonHeight + Margin;
constexpr int CommentsTop = HelpTop + 48;
constexpr int WindowHeight = CommentsTop + 64 + Margin;
constexpr int LegendTop = EstimatorTop + 7430 / Twips - 3 * CellHeight;

// The two rows of buttons across the top, nine to a row.
constexpr int ButtonWidth = (WindowWidth - 2 * Margin - 8 * 6) / 9;
constexpr QRect buttonAt(int column, int row)
{
    return QRect(Margin + column * (ButtonWidth + 6), Margin + row * (ButtonHeight + Margin),
                 ButtonWidth, ButtonHeight);
}
constexpr QRect layoutOptionAt(int k)
{
    return QRect(Margin + 3 * (ButtonWidth + 6) + k * 80, Margin + ButtonHeight + Margin, 78,
                 ButtonHeight);
}

// A colour marker beside a value cell of the estimator; the red one stands
// just inside the cell beside the blue one.
constexpr QRect markerBeside(int marker, M::Array array, int row)
{
    const int column = columnOf(array);
    const int x = columnX(column) + columnWidth(column) - (marker == 11 ? 5 : 0);
    return QRect(x, rowY(row) + 4, 4, CellHeight - 8);
}

// A row of a panel: its label, cell and button.
constexpr int preloadY(int k) { return 32 + k * 32; }
constexpr int companyY(int k) { return 32 + k * 34; }

constexpr char16_t Frame4[] = u"Frame4";
constexpr char16_t Frame96[] = u"Frame96";
constexpr char16_t Frame99[] = u"Frame99";

std::vector<MenuDesign> menus()
{
    return {
        menu("File", "&File",
             {
                 command("MouseP", "Set Mouse Pointer to Standard Arrow"),
                 menu("User_GUI", "User Selectable Entry GUI Options",
                      {
                          command("AllFont", "Select Font for All Text Main Screen"),
                          command("EntryFont", "Select Font for Just Entry Text Main Screen"),
                          command("AllFont_Flow", "Select Font for All Text Flow Screen"),
                          command("EntryFont_Flow", "Select Font for Just Entry Text Flow Screen"),
                          menu("EntryAlig", "Select Alignment for All Text",
                               {
                                   command("AligLeft", "Set Alignment for Flush Left"),
                                   command("AligCenter", "Set Alignment for Center"),
                                   command("AligRight", "Set Alignment for Flush Right"),
                               }),
                      }),
                 separator("SepBar2"),
                 command("Read_GUI", "Read (Open) GUI File"),
                 command("Write_GUI", "Write (Save) GUI File"),
                 command("Exit", "E&xit"),
             }),
        menu("View", "View",
             {
                 command("ScrRes", "Sh&ow Screen Resolution"),
                 command("FullScrRes", "Use Full Screen Resolution"),
                 command("AspectRatio", "Can Use Nonstandard Aspect Ratio for Graph"),
             }),
        command("Preload", "Setup Flow Data File Preloads"),
        menu("Comp_Info", "Company Info",
             {
                 command("Co_Name", "Enter Your Company Name, Address, etc"),
                 command("Load_Co_Name", "Load Company Name, Address, etc, Data"),
             }),
        menu("Print", "Print", {command("Load_Printer_Info", "Select Which Printer to Use")}),
        menu("Graph_Options", "Graph Options",
             {
                 command("FontColor", "Select Font Color for Use on Graphs"),
                 command("Grid_Color", "Select Grid Line Color for Use on Graphs"),
                 menu("GridLineStyle", "Select Graph Grid Line Style",
                      {
                          command("Grid_Long", "Set Grid Lines as Long"),
                          command("Grid_Dash", "Set Grid Lines as Dash"),
                          command("Grid_Dot", "Set Grid Lines as Dot"),
                          command("Grid_None", "Set NO Grid Lines"),
                      }),
             }),
        menu("Help", "Help (EMAIL Customer Support)",
             {
                 command("Report_Problem", "EMAIL - Customer Support - Report Problem"),
                 command("Information_Request", "EMAIL - Customer Support - Information Request"),
             }),
        command("About", "&About"),
    };
}

CellGridDesign estimatorGrid()
{
    CellGridDesign grid;
    for (int array = M::Text101; array <= M::Text111; ++array) {
        const int column = array - M::Text101;
        grid.columns.push_back(GridColumn{array, columnX(column), columnWidth(column)});
    }
    for (int row = 0; row < int(std::size(rowTop)); ++row)
        grid.rowTops.push_back(rowY(row));
    grid.rowHeight = CellHeight;
    return grid;
}

std::vector<ControlDesign> controls()
{
    auto box = [](M::Array array) { return CellRef{array, M::Single}; };
    return {
        helpLine(QRect(Margin, HelpTop, WindowWidth - 2 * Margin, 40)),

        // The windows, the main data file, the units, the print layout and sound.
        button("Command1", "Flow Test 1", buttonAt(0, 0)),
        button("Command2", "Flow Test 2", buttonAt(1, 0)),
        button("Command3", "Flow Test 3", buttonAt(2, 0)),
        button("Command4", "Flow Test 4", buttonAt(3, 0)),
        button("Command5", "Flow Test 5", buttonAt(4, 0)),
        button("Command50", "Compare 2 Flow Tests", buttonAt(5, 0)).shows("Main_Command50"),
        button("Command33", "Text Report", buttonAt(6, 0)).shows("Main_Command33"),
        button("Command11", "Exhaust Calculator", buttonAt(7, 0)).shows("Main_Command11"),
        button("Command6", "PrtSc as &JPG", buttonAt(8, 0)).shows("Help_PrtSc"),
        button("Load_Data", "&Load Data", buttonAt(0, 1)).shows("Help_Load"),
        button("Save_Data", "&Save Data", buttonAt(1, 1)).shows("Help_Save"),
        checkBox("Check2", "Metric", buttonAt(6, 1)).bound(box(M::Check2)).shows("Main_Check2"),
        button("Command49", "Play \"WAV\" Sound File", buttonAt(8, 1)).shows("Help_Play_Wav"),
        optionButton("Option4", 0, "Left", layoutOptionAt(0))
            .bound(box(M::Option4))
            .shows("Help_Layout_Left"),
        optionButton("Option4", 1, "Center", layoutOptionAt(1))
            .bound(box(M::Option4))
            .shows("Help_Layout_Center"),
        optionButton("Option4", 2, "Right", layoutOptionAt(2))
            .bound(box(M::Option4))
            .shows("Help_Layout_Right"),

        // The estimator and the port calculators.
        cell(M::Text33, M::Single,
             QRect(columnX(3), EstimatorTop - 26, columnX(10) + columnWidth(10) - columnX(3),
                   CellHeight)),
        cellGrid(0),
        cell(M::Label2, 0, markerBeside(0, M::Text101, 3)),
        cell(M::Label2, 1, markerBeside(1, M::Text101, 8)),
        cell(M::Label2, 2, markerBeside(2, M::Text103, 3)),
        cell(M::Label2, 3, markerBeside(3, M::Text103, 8)),
        cell(M::Label2, 4, markerBeside(4, M::Text104, 3)),
        cell(M::Label2, 5, markerBeside(5, M::Text105, 3)),
        cell(M::Label2, 6, markerBeside(6, M::Text111, 3)),
        cell(M::Label2, 7, markerBeside(7, M::Text109, 3)),
        cell(M::Label2, 11, markerBeside(11, M::Text103, 3)),
        cell(M::Label2, 8, QRect(columnX(6), LegendTop, 10, 14)),
        cell(M::Label2, 9, QRect(columnX(6) + 12, LegendTop, 10, 14)),
        label({}, "= Input Field", QRect(columnX(6) + 28, LegendTop - 3, 300, 20)),
        cell(M::Label2, 12, QRect(columnX(6), LegendTop + 22, 10, 14)),
        cell(M::Label2, 13, QRect(columnX(6) + 12, LegendTop + 22, 10, 14)),
        label({}, "= Placing the Mouse on this field will show additional Information",
              QRect(columnX(6) + 28, LegendTop + 19, 480, 20)),
        checkBox("Check1", "User", QRect(columnX(0), rowY(0), columnWidth(0), CellHeight))
            .bound(box(M::Check1))
            .shows("Main_Check1"),
        checkBox("Check3", "User", QRect(columnX(8), rowY(0), columnWidth(8), CellHeight))
            .bound(box(M::Check3))
            .shows("Main_Check3"),
        button("Command51", "Calculate",
               QRect(Margin + 90 / Twips, EstimatorTop + 3465 / Twips, 110, ButtonHeight))
            .shows("Main_Command51"),
        button("Command7", "Calculate cc's",
               QRect(Margin + 900 / Twips, CalculatorTop, 130, ButtonHeight))
            .shows("Main_Command7"),
        button("Command8", "Calculate Length",
               QRect(Margin + 4095 / Twips, CalculatorTop, 130, ButtonHeight))
            .shows("Main_Command8"),
        button("Command9", "Calculate Area",
               QRect(Margin + 7650 / Twips, CalculatorTop, 130, ButtonHeight))
            .shows("Main_Command9"),
        label("Label1", 0, {}, QRect(columnX(0), PanelTop, columnX(4) - columnX(0) - 8, 40))
            .wrapped()
            .aligned(Qt::AlignLeft | Qt::AlignTop),
        label("Label1", 1, {}, QRect(columnX(4), PanelTop, columnX(6) - columnX(4) - 8, 80))
            .wrapped()
            .aligned(Qt::AlignLeft | Qt::AlignTop),
        label("Label1", 2, {}, QRect(columnX(6), PanelTop, columnX(10) - columnX(6), 70))
            .wrapped()
            .aligned(Qt::AlignLeft | Qt::AlignTop),
        button("Command10", "Peltrix Cams", QRect(columnX(0), PanelTop + 44, 130, ButtonHeight)),

        // The preload names, shown over the estimator.
        frame(Frame4, "Flow Test Preload Files", QRect(columnX(2), EstimatorTop + 20, 620, 260))
            .boxed()
            .filled()
            .bold()
            .hidden(),
        label("Label4", 0, "Flow Test #1", QRect(10, preloadY(0), 90, 24)).in(Frame4),
        cell(M::Text1, 0, QRect(100, preloadY(0), 360, 24)).in(Frame4),
        button("Command45", 0, "Get File Name", QRect(470, preloadY(0), 130, 24))
            .in(Frame4)
            .shows("Main_Command45"),
        label("Label4", 1, "Flow Test #2", QRect(10, preloadY(1), 90, 24)).in(Frame4),
        cell(M::Text1, 1, QRect(100, preloadY(1), 360, 24)).in(Frame4),
        button("Command45", 1, "Get File Name", QRect(470, preloadY(1), 130, 24))
            .in(Frame4)
            .shows("Main_Command45"),
        label("Label4", 2, "Flow Test #3", QRect(10, preloadY(2), 90, 24)).in(Frame4),
        cell(M::Text1, 2, QRect(100, preloadY(2), 360, 24)).in(Frame4),
        button("Command45", 2, "Get File Name", QRect(470, preloadY(2), 130, 24))
            .in(Frame4)
            .shows("Main_Command45"),
        label("Label4", 3, "Flow Test #4", QRect(10, preloadY(3), 90, 24)).in(Frame4),
        cell(M::Text1, 3, QRect(100, preloadY(3), 360, 24)).in(Frame4),
        button("Command45", 3, "Get File Name", QRect(470, preloadY(3), 130, 24))
            .in(Frame4)
            .shows("Main_Command45"),
        label("Label4", 4, "Flow Test #5", QRect(10, preloadY(4), 90, 24)).in(Frame4),
        cell(M::Text1, 4, QRect(100, preloadY(4), 360, 24)).in(Frame4),
        button("Command45", 4, "Get File Name", QRect(470, preloadY(4), 130, 24))
            .in(Frame4)
            .shows("Main_Command45"),
        label({},
              "NOTE: Whatever File Name you enter MUST be in the Same Folder as the ZYT Program",
              QRect(10, 194, 600, 20))
            .in(Frame4),
        button("Command46", "&Load / Done", QRect(100, 222, 160, 28))
            .in(Frame4)
            .shows("Main_Command46"),
        button("Command44", "&Done", QRect(300, 222, 160, 28)).in(Frame4).shows("Main_Command44"),

        // The company information.
        frame(Frame96, "Company Information", QRect(columnX(3), EstimatorTop + 20, 560, 250))
            .boxed()
            .filled()
            .bold()
            .hidden(),
        label("Label96", 0, "Company Name", QRect(10, companyY(0), 120, 24)).in(Frame96),
        cell(M::Text94, M::Single, QRect(130, companyY(0), 410, 24)).in(Frame96),
        label("Label96", 1, "Street Address", QRect(10, companyY(1), 120, 24)).in(Frame96),
        cell(M::Text95, M::Single, QRect(130, companyY(1), 410, 24)).in(Frame96),
        label("Label96", 2, "City, State, Zip", QRect(10, companyY(2), 120, 24)).in(Frame96),
        cell(M::Text96, M::Single, QRect(130, companyY(2), 410, 24)).in(Frame96),
        label("Label96", 3, "Phone, Fax, Email", QRect(10, companyY(3), 120, 24)).in(Frame96),
        cell(M::Text97, M::Single, QRect(130, companyY(3), 410, 24)).in(Frame96),
        label("Label96", 4, "WebSite", QRect(10, companyY(4), 120, 24)).in(Frame96),
        cell(M::Text98, M::Single, QRect(130, companyY(4), 410, 24)).in(Frame96),
        button("Save_Co_Name", "Save", QRect(130, 206, 120, 28)).in(Frame96),
        button("Command95", "Exit", QRect(280, 206, 120, 28)).in(Frame96),

        // The printer choice.
        frame(Frame99, "Select Which Printer / Device Driver to Use - Then Click OK",
              QRect(columnX(3), EstimatorTop + 20, 560, 120))
            .boxed()
            .filled()
            .hidden(),
        comboBox("Combo1", QRect(10, 36, 540, 26)).in(Frame99),
        button("Got_Printer", "&O K", QRect(220, 76, 120, 28)).in(Frame99),

        cell(M::Text38, M::Single, QRect(Margin, CommentsTop, WindowWidth - 2 * Margin, 64)),
    };
}

std::vector<CellHoverRule> cellHoverRules()
{
    constexpr int Any = CellHoverRule::AnyIndex;
    return {
        {CellRef{M::Text101, 0}, Hover::Keep, QString()},
        {CellRef{M::Text101, Any}, Hover::Hide, QString()},
        {CellRef{M::Text102, 8}, Hover::Show, QStringLiteral("Help_Mean_Port_Speed")},
        {CellRef{M::Text102, Any}, Hover::Hide, QString()},
        {CellRef{M::Text103, 3}, Hover::Show, QStringLiteral("Help_Mean_Port_Area")},
        {CellRef{M::Text103, Any}, Hover::Hide, QString()},
        {CellRef{M::Text104, Any}, Hover::Hide, QString()},
    };
}

std::vector<HoverText> hoverTexts()
{
    auto t = [](const char *name, const char *text) {
        return HoverText{QString::fromLatin1(name), QString::fromLatin1(text)};
    };
    return {
        t("Help_PrtSc", "Clicking this button causes the program to Do a Print Screen of This "
                        "Form to a file as a JPG."),
        t("Help_Load", "Clicking this button causes the program to let you Load a previously "
                       "Saved Test."),
        t("Help_Save", "Clicking this button causes the program to let you Save this Flow Test to "
                       "a File."),
        t("Main_Command50", "Lets you Select and Compare any 2 of the Flow Tests."),
        t("Main_Command33", "Lets you Select which Flow Tests and  what items from these Flow "
                            "Tests to show on a Text Report."),
        t("Main_Command11", "Opens the Exhaust Tube Inner Diameter and Area Calculator."),
        t("Main_Command7", "Calculate Port cc's / Volume from it's Port's Average CSA and Port "
                           "CenterLine Length."),
        t("Main_Command8",
          "Calculate Port CenterLine Length from it's Port's Average CSA and Volume."),
        t("Main_Command9",
          "Calculate Port's Average CSA from it's Volume and Port CenterLine Length."),
        t("Main_Command51", "Lets you Calculate the above Data."),
        t("Main_Check1", "If this box is Checked then the User Entered Mach # is used. If this "
                         "box is not the program will calculate the Mach#."),
        t("Main_Check3", "If this box is Checked then the User cam Enter 'Peak HP RPM' and the "
                         "Program will use it to Calculate 'Mean Port Area'. If this box is not "
                         "Checked the program will calculate the 'Peak HP RPM' from User Entered "
                         "'Mean Port Area'."),
        t("Main_Check2", "Checking This box will convert all data to Metric and all Calculations "
                         "on all Forms will be in Metric. UnChecking this box will cause all data "
                         "to converted to US units and all Calculation will be in US Units."),
        t("Main_Command45", "Opens Window and lets USER Select Flow Data File Name."),
        t("Main_Command46", "When done Selecting Flow Data File Names, Clicking this will Load "
                            "These Files before Closing This Window."),
        t("Main_Command44", "When done Selecting Flow Data File Names, Clicking this will Close "
                            "This Window."),
        t("Help_Play_Wav", "Select and Play a \"WAV\" sound file."),
        t("Help_Layout_Left", "When Printing a Flow Sheet this Prints Your Company Information "
                              "Flush Left and Your Company Logo Flush Right."),
        t("Help_Layout_Center",
          "When Printing a Flow Sheet this Prints Your Company Information Centered and Your "
          "Company Logo at the bottom of the page. This lets you use a Larger Logo. Before "
          "Version 4.0.0 this was the default / only setting."),
        t("Help_Layout_Right", "When Printing a Flow Sheet this Prints Your Company Information "
                               "Flush Right and Your Company Logo Flush Left."),
        t("Help_Mean_Port_Speed", "The \"Mean Port Speed\" is Calculated for 'Peak HP RPM'."),
        t("Help_Mean_Port_Area", "The \"Mean Port Area\" should be obtained from the Flow Test "
                                 "screen where it is Calculated from your input."),
    };
}

WindowDesign makeDesign()
{
    WindowDesign d;
    d.name = QStringLiteral("Main");
    d.size = QSize(WindowWidth, WindowHeight);
    d.fontSize = 8.0;
    d.paintedCells = PaintedCells::All;
    d.menuBar = menus();
    d.grids = {estimatorGrid()};
    d.controls = controls();
    d.cellHover = cellHoverRules();
    d.hoverTexts = hoverTexts();
    return d;
}

} // namespace

const WindowDesign &mainWindowDesign()
{
    static const WindowDesign design = makeDesign();
    return design;
}

void fillMainHelpTexts(UiState &ui) { addHoverTexts(ui, mainWindowDesign()); }

const std::array<QString, 3> &estimatorNotes()
{
    static const std::array<QString, 3> notes = {
        QStringLiteral("This does assume you will install the appropriate cam. For details on the "
                       "\"Peltrix\" Cam program Click Below."),
        QStringLiteral("This is the port area limited power as set by the limiting port speed "
                       "stated as the Mach Number where 1.0 is the speed of sound in air at 70 F."),
        QStringLiteral("This is the HP capability of the engine assuming a Brake Specific Air "
                       "Consumption of 5.5 lbs/hour/HP. This is corrected for the CR Used.\nFor "
                       "best results this number should be about 5% more than the port "
                       "area/speed limitation in the adjacent column to the left."),
    };
    return notes;
}

} // namespace zyt
