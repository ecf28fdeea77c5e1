#include "compare_window_design.h"

#include "compare_model.h"

namespace zyt {

namespace {

using C = CompareModel;
using K = CompareControlKind;

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

QRect optionIn(int row, int width)
{
    return QRect(10, OptionTop + row * OptionPitch, width, OptionHeight);
}

QRect placeOf(const CompareControl &c)
{
    const auto is = [&c](const char *name) { return c.name == QLatin1StringView(name); };
    switch (c.kind) {
    case K::Frame:
        if (is("Frame4"))
            return QRect(Frame4Left, Margin, TestFrameWidth, ChoicesHeight);
        if (is("Frame5"))
            return QRect(Frame5Left, Margin, TestFrameWidth, ChoicesHeight);
        if (is("Frame6"))
            return QRect(Frame6Left, Margin, TypeFrameWidth, ChoicesHeight);
        return QRect(Frame7Left, Margin, AxisFrameWidth, ChoicesHeight);
    case K::Option:
        if (c.cell == C::Option3) {
            const QRect r = optionIn(c.index % TypeRows, TypeColumnWidth - 4);
            return r.translated((c.index / TypeRows) * TypeColumnWidth, 0);
        }
        return optionIn(c.index, (c.cell == C::Option4 ? AxisFrameWidth : TestFrameWidth) - 16);
    case K::Button: {
        // Top to bottom in the order the commands are used.
        static const char *const order[] = {"Command1", "Command2", "Graph_Plus",
                                            "Command3", "Command5", "subend"};
        int k = 0;
        while (k < 5 && !is(order[k]))
            ++k;
        return QRect(ButtonLeft, Margin + k * ButtonPitch, ButtonWidth, ButtonHeight);
    }
    case K::Check:
        return QRect(Margin, OptionsTop + (c.cell - C::Check1) * OptionPitch, CheckWidth,
                     OptionHeight);
    case K::Label:
    case K::Entry: {
        // Text1/Text2 (the Y axis) in the first pair of columns, Text3/Text4
        // (the valve lifts) in the second.
        const int k = c.kind == K::Entry ? c.cell - C::Text1 : c.name.back().digitValue() - 1;
        const int left = EntryLeft + (k / 2) * EntryPairWidth;
        const int top = OptionsTop + (k % 2) * OptionPitch;
        if (c.kind == K::Label)
            return QRect(left, top, EntryLabelWidth, OptionHeight);
        return QRect(left + EntryLabelWidth, top, EntryWidth, OptionHeight);
    }
    case K::Caption:
        return QRect(EntryLeft, CaptionTop + (c.cell - C::Text71) * OptionPitch,
                     WindowWidth - Margin - EntryLeft, OptionHeight);
    case K::HelpLine:
        return QRect(Margin, HelpTop, InnerWidth, HelpHeight);
    case K::Separator:
        return QRect(Margin, RuleTop, InnerWidth, 2);
    case K::Table:
    case K::Window:
        break;
    }
    return QRect();
}

// The name a control's hover text goes by in Help_Texts; the capture
// button shares the program-wide text of every capture button.
QString helpName(const CompareControl &c)
{
    if (c.help == u"Help_PrtSc")
        return c.help;
    QString name = QStringLiteral("Form50_") + c.name;
    if (c.index >= 0)
        name += u'_' + QString::number(c.index);
    return name;
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
    d.grids = {tableGrid()};

    bool tablePlaced = false;
    for (const CompareControl &c : compareControls()) {
        const QRect at = placeOf(c);
        ControlDesign control;
        switch (c.kind) {
        case K::Frame:
            control = frame(c.name, c.caption, at).boxed().bold();
            if (c.hover == CompareHover::Hide)
                control.hidesHelp();
            break;
        case K::Option:
            control = optionButton(c.name, c.index, c.caption, at)
                          .in(c.frame)
                          .bound(CellRef{c.cell, C::Single});
            break;
        case K::Button:
            control = button(c.name, c.caption, at);
            break;
        case K::Check:
            control = checkBox(c.name, c.caption, at).bound(CellRef{c.cell, C::Single});
            break;
        case K::Label:
            control = label(c.name, c.caption, at);
            break;
        case K::Entry:
        case K::Caption:
            control = cell(c.cell, C::Single, at);
            break;
        case K::Table:
            // The ten columns are one grid.
            if (tablePlaced)
                continue;
            tablePlaced = true;
            control = cellGrid(0);
            break;
        case K::HelpLine:
            control = helpLine(at);
            break;
        case K::Separator:
            control = frame(c.name, {}, at).boxed();
            break;
        case K::Window:
            // The builder hides the line over the window's background.
            continue;
        }
        if (c.hover == CompareHover::Show) {
            control.shows(helpName(c));
            if (helpName(c) != c.help)
                d.hoverTexts.push_back(HoverText{helpName(c), c.help});
        }
        d.controls.push_back(std::move(control));
    }
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
