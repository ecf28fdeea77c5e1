#include "report_design.h"

#include "report_model.h"

namespace zyt {

namespace {

using R = ReportModel;

constexpr int Twips = 15; // to a pixel
constexpr int Margin = 8;
constexpr int ButtonHeight = 28;
constexpr int RowHeight = 24;
constexpr int CaptionHeight = 30; // a frame's caption above its first box

// The display box lies over the whole window, 50 twips from its top, 9500
// twips high, in a fixed-pitch font so that the padded columns line up.
constexpr int DisplayTop = 50 / Twips;
constexpr int DisplayHeight = 9500 / Twips;
constexpr const char *DisplayFont = "Courier";
constexpr double DisplayFontSize = 9.75;

constexpr int WindowWidth = 1000;
constexpr int WindowHeight = DisplayTop + DisplayHeight + 4;

// The choices: the main window's block, the tests and the two alignments on
// the left, the fields in three columns on the right.
constexpr int ChoicesTop = Margin + ButtonHeight + Margin;
constexpr int LeftWidth = 330;
constexpr int frameHeight(int rows) { return CaptionHeight + rows * RowHeight + Margin; }
constexpr int Frame3Top = ChoicesTop;
constexpr int Frame1Top = Frame3Top + frameHeight(1) + Margin;
constexpr int Frame5Top = Frame1Top + frameHeight(R::TestCount) + Margin;
constexpr int Frame6Top = Frame5Top + frameHeight(R::OptionCount) + Margin;
constexpr int FieldsLeft = Margin + LeftWidth + Margin;
constexpr int FieldsWidth = WindowWidth - FieldsLeft - Margin;
constexpr int FieldRows = 10;
constexpr int FieldColumnWidth = (FieldsWidth - 20) / 3;
constexpr int CommandsTop = ChoicesTop + frameHeight(FieldRows) + Margin;
constexpr int CommandWidth = 150;
constexpr int HelpTop = CommandsTop + ButtonHeight + 12;

// Row `row` of the boxes inside a frame `width` wide.
constexpr QRect boxAt(int row, int width, int x = 10)
{
    return QRect(x, CaptionHeight + row * RowHeight, width - 20, RowHeight - 2);
}
// The report and configuration buttons across the top, the report's first.
constexpr int TopButtonWidth = 200;
constexpr QRect topButtonAt(int k)
{
    return QRect(Margin + k * (TopButtonWidth + Margin), Margin, TopButtonWidth, ButtonHeight);
}
constexpr QRect commandAt(int k)
{
    return QRect(FieldsLeft + k * (CommandWidth + Margin), CommandsTop, CommandWidth, ButtonHeight);
}

WindowDesign makeDesign()
{
    WindowDesign d;
    d.name = QStringLiteral("Form70");
    d.size = QSize(WindowWidth, WindowHeight);

    // The display box comes first, as the window has it; it is raised over
    // the choices when a report shows.
    d.controls.push_back(
        textBox("Text38", QRect(Margin / 2, DisplayTop, WindowWidth - Margin, DisplayHeight))
            .font(DisplayFont, DisplayFontSize)
            .hidden());

    d.controls.push_back(
        button("Save", "&Save Configuration", topButtonAt(1)).shows("Help_Report_Save"));
    d.controls.push_back(
        button("Load", "&Load Configuration", topButtonAt(2)).shows("Help_Report_Load"));
    d.controls.push_back(
        button("Command2", "&Create Text Report", topButtonAt(0)).shows("Help_Report_Create"));

    // Two blanks after "Show", as users know the caption.
    d.controls.push_back(frame("Frame3", "Show  Information from Main Screen on Report",
                               QRect(Margin, Frame3Top, LeftWidth, frameHeight(1)))
                             .boxed());
    d.controls.push_back(checkBox("Check3", 0, "Yes", boxAt(0, LeftWidth))
                             .in("Frame3")
                             .bound(CellRef{R::Check3, 0}));

    d.controls.push_back(frame("Frame1", "Show These Flow Test on Report",
                               QRect(Margin, Frame1Top, LeftWidth, frameHeight(R::TestCount)))
                             .boxed());
    for (int k = 0; k < R::TestCount; ++k)
        d.controls.push_back(
            checkBox("Check1", k, QStringLiteral("Test %1").arg(k + 1), boxAt(k, LeftWidth))
                .in("Frame1")
                .bound(CellRef{R::Check1, k}));

    d.controls.push_back(frame("Frame2", "Show These Data Fields on the Report",
                               QRect(FieldsLeft, ChoicesTop, FieldsWidth, frameHeight(FieldRows)))
                             .boxed());
    const auto fields = reportFields();
    for (int k = 0; k < R::FieldCount; ++k) {
        const QRect place =
            boxAt(k % FieldRows, FieldColumnWidth + 20, 10 + (k / FieldRows) * FieldColumnWidth);
        d.controls.push_back(checkBox("Check2", k, fields[size_t(k)].caption, place)
                                 .in("Frame2")
                                 .bound(CellRef{R::Check2, k}));
    }

    const char *alignments[R::OptionCount] = {"Flush Left", "Centered", "Flush Right"};
    auto options = [&d, &alignments](const char *frameName, const char *caption, int top,
                                     const char *name, R::Array group) {
        d.controls.push_back(
            frame(frameName, caption, QRect(Margin, top, LeftWidth, frameHeight(R::OptionCount)))
                .boxed());
        for (int k = 0; k < R::OptionCount; ++k)
            d.controls.push_back(optionButton(name, k, alignments[k], boxAt(k, LeftWidth))
                                     .in(frameName)
                                     .bound(CellRef{group, R::Single}));
    };
    options("Frame5", "Set Main Screen Data", Frame5Top, "Option1", R::Option1);
    options("Frame6", "Set Text Data", Frame6Top, "Option2", R::Option2);

    d.controls.push_back(button("Select", "S&elect All", commandAt(0)).shows("Help_Report_Select"));
    d.controls.push_back(button("Clear", "Clear &All", commandAt(1)).shows("Help_Report_Clear"));
    d.controls.push_back(button("Command5", "PrtSc as &JPG", commandAt(2)).shows("Help_PrtSc"));
    d.controls.push_back(button("subend", "&Quit", commandAt(3)).shows("Help_Report_Quit"));
    d.controls.push_back(helpLine(QRect(FieldsLeft, HelpTop, FieldsWidth, 60)));

    d.hoverTexts = {
        {QStringLiteral("Help_Report_Create"),
         QStringLiteral(
             "Create a Text Report using the Selected / Checked Option on this screen.")},
        {QStringLiteral("Help_Report_Load"),
         QStringLiteral("Load a previous Saved Text Report Configuration File.")},
        {QStringLiteral("Help_Report_Save"),
         QStringLiteral("Save this Text Report Configuration to a File.")},
        {QStringLiteral("Help_Report_Clear"), QStringLiteral("Clear All Checked Entries.")},
        {QStringLiteral("Help_Report_Select"), QStringLiteral("Select All UnChecked Entries.")},
        // It names the wrong screen; users know it as it is.
        {QStringLiteral("Help_Report_Quit"),
         QStringLiteral("Quit / Close the Flow Test compare Screen")},
    };
    return d;
}

} // namespace

const WindowDesign &reportDesign()
{
    static const WindowDesign design = makeDesign();
    return design;
}

void fillReportHelpTexts(UiState &ui) { addHoverTexts(ui, reportDesign()); }

} // namespace zyt
