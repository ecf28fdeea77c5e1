#include "compare_window_design.h"

#include "compare_model.h"
#include "ui_state.h"

namespace zyt {

namespace {

using C = CompareModel;

constexpr int Margin = 8;
constexpr int OptionHeight = 22;
constexpr int OptionPitch = 24;
constexpr int OptionTop = 28; // below the frame's caption

// The choices across the top, the commands at the right.
constexpr int ChoicesHeight = 184;
constexpr int TestFrameWidth = 112;
constexpr int TypeColumnWidth = 176;
constexpr int TypeRows = 6;
constexpr int TypeFrameWidth = 3 * TypeColumnWidth + 12;
constexpr int AxisFrameWidth = 160;
constexpr int Frame4Left = Margin;
constexpr int Frame5Left = Frame4Left + TestFrameWidth + 6;
constexpr int Frame6Left = Frame5Left + TestFrameWidth + 6;
constexpr int Frame7Left = Frame6Left + TypeFrameWidth + 6;
constexpr int ButtonLeft = Frame7Left + AxisFrameWidth + 6;
constexpr int ButtonWidth = 140;
constexpr int ButtonHeight = 28;
constexpr int ButtonPitch = 31;
constexpr int WindowWidth = ButtonLeft + ButtonWidth + Margin;
constexpr int InnerWidth = WindowWidth - 2 * Margin;

// The graph options, the entry cells and the caption lines.
constexpr int OptionsTop = Margin + ChoicesHeight + 8;
constexpr int CheckWidth = 450;
constexpr int EntryLeft = Margin + CheckWidth + 12;
constexpr int EntryLabelWidth = 84;
constexpr int EntryWidth = 76;
constexpr int EntryPairWidth = EntryLabelWidth + EntryWidth + 10;
constexpr int CaptionTop = OptionsTop + 2 * OptionPitch + 2;

// The table, the help line below it.
constexpr int RuleTop = OptionsTop + 4 * OptionPitch + 8;
constexpr int TableTop = RuleTop + 8;
constexpr int RowHeight = 20;
constexpr int ColumnWidth = InnerWidth / 10;
constexpr int TableRows = C::LastTableRow - C::FirstTableRow + 1;
constexpr int HelpTop = TableTop + TableRows * RowHeight + 6;
constexpr int HelpHeight = 46;
constexpr int WindowHeight = HelpTop + HelpHeight + Margin;

constexpr QRect frameAt(int left, int width) { return QRect(left, Margin, width, ChoicesHeight); }
// Row `row` of the options inside a frame, `width` wide.
constexpr QRect optionAt(int row, int width)
{
    return QRect(10, OptionTop + row * OptionPitch, width, OptionHeight);
}
// The types stand in three columns of six.
constexpr QRect typeAt(int type)
{
    return optionAt(type % TypeRows, TypeColumnWidth - 4)
        .translated((type / TypeRows) * TypeColumnWidth, 0);
}
// The commands top to bottom in the order they are used.
constexpr QRect buttonAt(int k)
{
    return QRect(ButtonLeft, Margin + k * ButtonPitch, ButtonWidth, ButtonHeight);
}
// The Y axis entries in the first pair of columns, the valve lifts in the
// second; each label at the left of its cell.
constexpr QRect entryLabelAt(int k)
{
    return QRect(EntryLeft + (k / 2) * EntryPairWidth, OptionsTop + (k % 2) * OptionPitch,
                 EntryLabelWidth, OptionHeight);
}
constexpr QRect entryAt(int k)
{
    return QRect(entryLabelAt(k).right() + 1, entryLabelAt(k).top(), EntryWidth, OptionHeight);
}

struct Captioned {
    const char *caption;
    const char *help; // nullptr: the help line stays as it is
};

const Captioned types[CompareTypeCount] = {
    {"CFM @ 28\"", "CFM Air Flow @ 28 Inches of Water."},
    {"CFM Per Sq/Inch", "Flow per Square Inch / mm of Valve Area."},
    {"Mean Port Velocity", nullptr},
    {"Port Energy", nullptr},
    {"Port Energy Density", nullptr},
    {"Effective Velocity",
     "This will show the \"Effective Velocity\" which will use the User supplied valve seat "
     "angle and width as part of this calculation."},
    {"Swirl", nullptr},
    {"SAE CD", "This will produce the same curve as the CFM per SQ Inch / mm. Only it is "
               "unitless and will look the same in Standard mode as it will in Metric."},
    {"Effective SAE CD", "This will show the \"Effective SAE CD\" using the User supplied valve "
                         "seat angle and width as part of this calculation."},
    {"% Flow", "This will show the \"% Change in Flow\""},
    {"% CFM Per Sq/Inch", "This will show the \"% Change in CFM Per Sq/Inch\""},
    {"% SAE CD", "This will show the \"% Change in SAE CD\""},
    {"% Mean Port Velocity", "This will show the \"% Change in Mean Port Velocity\""},
    {"% Effective SAE CD", "This will show the \"% Change in Effective SAE CD\""},
    {"% Effective Velocity", "This will show the \"% Change in Effective Velocity\""},
    {"% Swirl", "This will show the \"% Change in Swirl\""},
    {"% Port Engery", "This will show the \"% Change in Port Energy\""},
    {"% Port Engery Density", "This will show the \"% Change in Port Energy Density\""},
};

const Captioned axes[] = {
    {"Valve Lift", "Graph Intake and Exhaust Using Valve Lift as the X_Axis."},
    {"Intake L/D Ratio", "Graph Intake Using Intake L/D Ratio as the X_Axis."},
    {"Exhaust L/D Ratio", "Graph Exhaust Using Exhaust L/D Ratio as the X_Axis."},
};

const Captioned entries[] = {
    {"Y Axis Low", "for the Y_Axis Low Value for all % Change Graphs."},
    {"Y Axis High", "for the Y_Axis High Value for all Graphs."},
    {"Valve Lift 1", "to Draw a Horizontal line on the Graph @ that Valve Lift Point."},
    {"Valve Lift 2", "to Draw a Horizontal line on the Graph @ that Valve Lift Point."},
};

QString crlf() { return QString::fromLatin1(Crlf); }

QString typeHelp(int type)
{
    QString help = QString::fromLatin1(types[type].help);
    if (isPercentType(type))
        help += QStringLiteral(" from a lift point in the FROM Test to a lift point in the TO "
                               "Test.") +
                crlf() + crlf() +
                QStringLiteral("NOTE: This will not work if both the FROM and TO tests are the "
                               "same.");
    return help;
}

// A control whose hover text is its own, kept in Help_Texts under
// "Form50_" and the control's name (and element); a cell goes by its
// array's name.
void addWithHelp(WindowDesign &d, ControlDesign control, const QString &help,
                 const QString &cellName = {})
{
    QString name = QStringLiteral("Form50_") + (cellName.isEmpty() ? control.name : cellName);
    if (control.index >= 0)
        name += u'_' + QString::number(control.index);
    d.hoverTexts.push_back(HoverText{name, help});
    d.controls.push_back(std::move(control.shows(name)));
}

CellGridDesign tableGrid()
{
    CellGridDesign grid;
    for (int k = 0; k < 10; ++k)
        grid.columns.push_back(GridColumn{C::Text101 + k, Margin + k * ColumnWidth, ColumnWidth});
    grid.firstRow = C::FirstTableRow;
    grid.rowTops = evenRows(C::FirstTableRow, C::LastTableRow,
                            TableTop - C::FirstTableRow * RowHeight, RowHeight);
    grid.rowHeight = RowHeight;
    return grid;
}

WindowDesign makeDesign()
{
    WindowDesign d;
    d.name = QStringLiteral("Form50");
    d.size = QSize(WindowWidth, WindowHeight);
    d.fontSize = 8.0;
    // Drawn until they get the focus or a click, as a sheet's are: the
    // table's 200 cells would cost the first show as line editors.
    d.paintedCells = PaintedCells::All;
    d.grids = {tableGrid()};

    // The From and To tests.
    auto tests = [&d](const char *frameName, const char *caption, int left, const char *options,
                      C::Array group) {
        d.controls.push_back(
            frame(frameName, caption, frameAt(left, TestFrameWidth)).boxed().bold());
        for (int k = 0; k < 5; ++k)
            d.controls.push_back(optionButton(options, k, QStringLiteral("Test %1").arg(k + 1),
                                              optionAt(k, TestFrameWidth - 16))
                                     .in(frameName)
                                     .bound(CellRef{group, C::Single}));
    };
    tests("Frame4", "Compare Flow", Frame4Left, "Option1", C::Option1);
    tests("Frame5", "To Flow", Frame5Left, "Option2", C::Option2);

    // Moving over the type frame hides the help of the option left last.
    d.controls.push_back(
        frame("Frame6", "Type of Comparison / Graph", frameAt(Frame6Left, TypeFrameWidth))
            .boxed()
            .bold()
            .hidesHelp());
    for (int type = 0; type < CompareTypeCount; ++type) {
        ControlDesign option = optionButton("Option3", type, types[type].caption, typeAt(type))
                                   .in("Frame6")
                                   .bound(CellRef{C::Option3, C::Single});
        if (types[type].help)
            addWithHelp(d, std::move(option), typeHelp(type));
        else
            d.controls.push_back(std::move(option));
    }

    d.controls.push_back(
        frame("Frame7", "Valve Lift or L/D Ratio", frameAt(Frame7Left, AxisFrameWidth))
            .boxed()
            .bold());
    for (int k = 0; k < 3; ++k)
        addWithHelp(d,
                    optionButton("Option4", k, axes[k].caption, optionAt(k, AxisFrameWidth - 16))
                        .in("Frame7")
                        .bound(CellRef{C::Option4, C::Single}),
                    QString::fromLatin1(axes[k].help));

    const QString populate =
        QStringLiteral("Populate Cells from the Indicated \"From\" and \"To\" Flow Tests and User "
                       "indicated \"Type\"");
    addWithHelp(d, button("Command1", "&Calculate", buttonAt(0)),
                populate + QStringLiteral(" of Comparison."));
    addWithHelp(d, button("Command2", "&Graph", buttonAt(1)),
                populate + QStringLiteral(" and then Graph them."));
    addWithHelp(d, button("Graph_Plus", "Graph &Plus", buttonAt(2)),
                populate + QStringLiteral(" and then Graph them on the PRESENT GRAPH.") + crlf() +
                    crlf() +
                    QStringLiteral("NOTE: This can be used a MAX of 3 times on any Graph."));
    addWithHelp(d, button("Command3", "Print Calcs", buttonAt(3)),
                QStringLiteral("Print Report Showing Calculations"));
    // The program-wide text of every capture button.
    d.controls.push_back(button("Command5", "PrtSc as &JPG", buttonAt(4)).shows("Help_PrtSc"));
    addWithHelp(d, button("subend", "&Quit", buttonAt(5)),
                QStringLiteral("Quit / Close the Flow Test compare Screen"));

    const QString autoLines =
        QStringLiteral("The Program Default is to have 10 Horizontal Lines on the X-Axis. When "
                       "Checked this will cause the Program Calculate how many Horizontal Lines "
                       "to use on the X-Axis. Depending on Max lift this could be every 0.025\", "
                       "every 0.050\" or every 0.100\".") +
        crlf() + crlf() + QStringLiteral("Notes: This also working in Metric mode.") + crlf() +
        QStringLiteral("This only work for Valve Lift and not for L/D Ratio Graphs.");
    const struct {
        const char *name;
        const char *caption;
        QString help;
    } boxes[] = {
        {"Check1", "Show a Line on the Graph @ .25 Valve Diameter",
         QStringLiteral("When Checked a Line will be drawn @ .25 Valve Diameter for both the "
                        "Intake and Exhasut for both Flow Tests.")},
        {"Check2", "Have the Program Automatically Adjust the # of lines for the X-Axis.",
         autoLines},
        {"Check3", "Show Data Points on Graph.",
         QStringLiteral("When Checked this will cause the Program to Mark Each Data Point on the "
                        "Graph.")},
        {"Check4", "Show Big",
         QStringLiteral("When Checked this will cause the Program to Calculate the Low Y_Axis on "
                        "the Graph instead of Using Zero for Effective Velocity, and Swirl.")},
    };
    for (int k = 0; k < 4; ++k)
        addWithHelp(d,
                    checkBox(boxes[k].name, boxes[k].caption,
                             QRect(Margin, OptionsTop + k * OptionPitch, CheckWidth, OptionHeight))
                        .bound(CellRef{C::Check1 + k, C::Single}),
                    boxes[k].help);

    const QString usedFor =
        QStringLiteral("If This Field has anything other than a \"-\" that Value will be Used ");
    const char *labelNames[] = {"Label1", "Label2", "Label3", "Label4"};
    for (int k = 0; k < 4; ++k) {
        d.controls.push_back(label(labelNames[k], entries[k].caption, entryLabelAt(k)));
        addWithHelp(d, cell(C::Text1 + k, C::Single, entryAt(k)),
                    usedFor + QString::fromLatin1(entries[k].help),
                    QStringLiteral("Text%1").arg(k + 1));
    }

    for (int k = 0; k < 2; ++k)
        d.controls.push_back(cell(C::Text71 + k, C::Single,
                                  QRect(EntryLeft, CaptionTop + k * OptionPitch,
                                        WindowWidth - Margin - EntryLeft, OptionHeight)));

    // The ten columns of the table are one grid.
    d.controls.push_back(cellGrid(0));
    d.controls.push_back(helpLine(QRect(Margin, HelpTop, InnerWidth, HelpHeight)));
    d.controls.push_back(frame("Line1", {}, QRect(Margin, RuleTop, InnerWidth, 2)).boxed());
    return d;
}

} // namespace

const WindowDesign &compareWindowDesign()
{
    static const WindowDesign design = makeDesign();
    return design;
}

void fillCompareHelpTexts(UiState &ui) { addHoverTexts(ui, compareWindowDesign()); }

} // namespace zyt
