#include "sheet_design.h"

#include "colours.h"
#include "flow_test_sheet.h"

#include <iterator>

namespace zyt {

namespace {

using S = Flow_Test_Sheet;
using namespace colours;

// The cell grid in pixels.
constexpr int CellWidth = 88;
constexpr int RowHeight = 20;
constexpr int Margin = 6;
constexpr int Columns = 15;
constexpr int LastRow = 30;
constexpr int PageTwoColumn = 3; // page 2 covers from the Text104 column on
constexpr int BandTop = Margin + (LastRow + 1) * RowHeight + 4;
constexpr int BandHeight = 3 * RowHeight;
constexpr int PathTop = BandTop + BandHeight + 4;
constexpr int WindowWidth = 2 * Margin + Columns * CellWidth;
constexpr int WindowHeight = PathTop + RowHeight + Margin;
constexpr int ButtonWidth = 120;
constexpr int MarkWidth = 9; // the red marks beside labels that carry help

constexpr int columnX(int column) { return Margin + column * CellWidth; }
constexpr int rowY(int row) { return Margin + row * RowHeight; }
// Page 2's columns, from its own left edge.
constexpr int pageTwoX(int column) { return column * CellWidth; }

// The labels with more help under the mouse, each with a red mark at its
// right end.
struct HelpMark {
    S::Array array;
    int index;
    const char *help;
};

constexpr HelpMark helpMarks[] = {
    {S::Text105, 0, "Help_Radius_Top_In"},    {S::Text105, 1, "Help_Radius_Bot_In"},
    {S::Text105, 4, "Help_Area_Ratio_In"},    {S::Text105, 5, "Help_Area_Ratio_Ex"},
    {S::Text107, 0, "Help_Radius_Top_Ex"},    {S::Text107, 1, "Help_Radius_Bot_Ex"},
    {S::Text109, 2, "Help_Manifold_Area_In"}, {S::Text109, 3, "Help_Manifold_Area_Ex"},
};

// The page-2 columns, left to right.
constexpr S::Array pageTwoColumns[] = {S::Text201, S::Text202, S::Text203, S::Text204,
                                       S::text205, S::Text206, S::Text208, S::Text209,
                                       S::Text207, S::Text210, S::Text211};

CellGridDesign pageOne()
{
    CellGridDesign grid;
    for (int array = S::Text101; array <= S::Text115; ++array)
        grid.columns.push_back(GridColumn{array, columnX(array - S::Text101), CellWidth});
    grid.rowTops = evenRows(0, LastRow, Margin, RowHeight);
    grid.rowHeight = RowHeight;
    // Row 9 shows the exhaust 0.25D lift where the other rows show Text104.
    grid.moved.push_back({CellRef{S::Text103, 9}, S::Text104 - S::Text101});
    return grid;
}

CellGridDesign pageTwo()
{
    CellGridDesign grid;
    grid.parent = "Frame1";
    for (size_t column = 0; column < std::size(pageTwoColumns); ++column)
        grid.columns.push_back(
            GridColumn{pageTwoColumns[column], pageTwoX(int(column)), CellWidth});
    grid.firstRow = 3;
    grid.rowTops = evenRows(grid.firstRow, LastRow, Margin, RowHeight);
    grid.rowHeight = RowHeight;
    return grid;
}

WindowDesign makeDesign()
{
    WindowDesign d;
    d.size = QSize(WindowWidth, WindowHeight);
    d.fontSize = 8.0;
    d.fillBackground = true;
    d.paintedCells = PaintedCells::All;

    d.menuBar = {
        menu("File", "&File",
             {
                 command("Load_Data", "&Load Previous Save Data"),
                 command("Save_Data", "&Save Data to File"),
                 menu("Import_Data", "Import Flow Data",
                      {
                          command("Import_PTPFA", "Import Flow Data From a PTPFA File"),
                          command("Import_Flow_Data_Files",
                                  "Import Flow Data From a 'FLW' or 'DFW' or DeskTop Dyno, or "
                                  "Dynomation File"),
                      }),
                 menu("Clear_Data", "Clear Data Fields",
                      {
                          command("Clear_All_Input_Flow_Number_Fields", "Clear Flow Number Fields"),
                          command("Clear_All_Lift_Number_Fields", "Clear Lift Number Fields"),
                          command("Clear_All_Swirl_Number_Fields", "Clear Swirl Number Fields"),
                      }),
                 command("Export", "Export Flow Data in 'DFW' Format"),
                 command("subend", "Quit / Close"),
             }),
        command("PrtSc", "&Print Screen to JPG / Image"),
        command("Print_Sheet", "Print Flow Sheet for Customer"),
    };

    d.grids = {pageOne(), pageTwo()};
    d.controls.push_back(cellGrid(0));
    for (const HelpMark &m : helpMarks) {
        const int x = columnX(m.array - S::Text101) + CellWidth - MarkWidth;
        d.controls.push_back(
            label("Label2", int(&m - helpMarks), {}, QRect(x, rowY(m.index), MarkWidth, RowHeight))
                .colored(Red)
                .marking());
    }
    const int pageTwoLeft = columnX(PageTwoColumn);
    const ControlDesign controls[] = {
        wrappedButton("NextPage",
                      "For Valve Seat Dimensions, Swirl, and Floating Depression Entry Next Page "
                      "(2)",
                      QRect(columnX(12) + 4, rowY(0) + 2, 3 * CellWidth - 8, 6 * RowHeight - 4)),
        helpLine(
            QRect(Margin, BandTop, WindowWidth - 2 * Margin - 2 * ButtonWidth - 16, BandHeight)),
        button("Command1", "&Calculate",
               QRect(WindowWidth - Margin - 2 * ButtonWidth - 8, BandTop + 10, ButtonWidth,
                     2 * RowHeight))
            .shows("Help_Calculate"),
        button("Sort", "Sort Data",
               QRect(WindowWidth - Margin - ButtonWidth, BandTop + 10, ButtonWidth, 2 * RowHeight))
            .shows("Help_Sort"),
        cell(S::Text39, S::Single, QRect(Margin, PathTop, WindowWidth - 2 * Margin, RowHeight)),
        // Page 2.
        frame("Frame1", {}, QRect(pageTwoLeft, 0, WindowWidth - pageTwoLeft, BandTop - 2))
            .colored(White)
            .hidesHelp()
            .hidden(),
        cellGrid(1),
        label("Label38", "Comments:", QRect(pageTwoX(4), rowY(0), 2 * CellWidth, RowHeight))
            .in("Frame1"),
        cell(S::Text38, S::Single, QRect(pageTwoX(4), rowY(1), 7 * CellWidth, 11 * RowHeight))
            .in("Frame1"),
        button("Exit", "E&xit Page 2",
               QRect(pageTwoX(0) + 4, rowY(8), 3 * CellWidth - 8, 2 * RowHeight))
            .in("Frame1"),
    };
    d.controls.insert(d.controls.end(), std::begin(controls), std::end(controls));

    // The marked labels show their help; the other cells of the panel's
    // middle columns hide the line.
    for (const HelpMark &m : helpMarks)
        d.cellHover.push_back(
            {CellRef{m.array, m.index}, Hover::Show, QString::fromLatin1(m.help)});
    for (int array = S::Text104; array <= S::Text110; ++array)
        d.cellHover.push_back({CellRef{array, CellHoverRule::AnyIndex}, Hover::Hide, QString()});

    const QString manifold =
        "Area at manifold face or enter height and width at percieved choke point.";
    d.hoverTexts = {
        {QStringLiteral("Help_Calculate"),
         QStringLiteral("Clicking this button causes the program to Calculate your results using "
                        "your flow data.")},
        {QStringLiteral("Help_Sort"),
         QStringLiteral("Clicking this button causes the program to Sort the Flow Data using the "
                        "Lift Field. Placing a Zero in the Lift Data Field will cause that field "
                        "to be moved to the bottom and shifting the lines below it up. Placing "
                        "450 in the bottom line will cause it to be moved up after 400 and moving "
                        "all the other lines down.")},
        {QStringLiteral("Help_Area_Ratio_In"),
         QStringLiteral("This is the ratio of the valve area versus the port area.\r\nFor a "
                        "typical V8 pushrod engines heads best results are usually seen when this "
                        "number is between 0.8 to 0.9")},
        {QStringLiteral("Help_Area_Ratio_Ex"),
         QStringLiteral("This is the ratio of the valve area versus the port area. ------- For "
                        "typical short exhaust ports (less than 3 inches long) an optimum area "
                        "ratio of between 1.0 for higher torque at lower rpm for real street use "
                        "to 1.2 -1.25 for drag racing. For longer ports (4 inches or more) for "
                        "all out race engines this number needs to fall into the 1.25 to 1.35 "
                        "range.")},
        {QStringLiteral("Help_Manifold_Area_In"), manifold},
        {QStringLiteral("Help_Manifold_Area_Ex"), manifold},
        {QStringLiteral("Help_Radius_Top_In"),
         QStringLiteral("This is the Top Corner Radius of the Intake Port")},
        {QStringLiteral("Help_Radius_Bot_In"),
         QStringLiteral("This is the Bottom Corner Radius of the Intake Port")},
        {QStringLiteral("Help_Radius_Top_Ex"),
         QStringLiteral("This is the Top Corner Radius of the Exhaust Port")},
        {QStringLiteral("Help_Radius_Bot_Ex"),
         QStringLiteral("This is the Bottom Corner Radius of the Exhaust Port")},
    };
    return d;
}

} // namespace

const WindowDesign &sheetDesign()
{
    static const WindowDesign design = makeDesign();
    return design;
}

void fillSheetHelpTexts(UiState &ui) { addHoverTexts(ui, sheetDesign()); }

} // namespace zyt
