#include "graph_window_design.h"

#include "cell_model.h"

namespace zyt {

namespace {

constexpr int Margin = 8;
constexpr int PictureSize = 600; // the plot before fitting
constexpr int ToolsLeft = Margin + PictureSize + 12;
constexpr int ToolsWidth = 236;
constexpr int InnerWidth = ToolsWidth - 20;
constexpr int WindowWidth = ToolsLeft + ToolsWidth + Margin;
constexpr int WindowHeight = Margin + PictureSize + GraphCaptionRoom + Margin;
constexpr int ButtonHeight = 30;

constexpr QRect toolAt(int top, int height) { return QRect(ToolsLeft, top, ToolsWidth, height); }
constexpr QRect commandAt(int k) { return toolAt(334 + k * (ButtonHeight + 6), ButtonHeight); }

constexpr char16_t Frame1[] = u"Frame1";
constexpr char16_t Frame2[] = u"Frame2";

std::vector<ControlDesign> controls()
{
    return {
        // The drawing tools.
        frame(Frame2, {}, toolAt(56, 116)).boxed(),
        button("Command4", "Select Draw Line Color", QRect(10, 40, InnerWidth, 28)).in(Frame2),
        button("Command5", "PrtSc as &JPG", commandAt(2)),
        button("Command3", "&Save Graph in BMP Format", commandAt(0)),
        button("Command1", "&Quit", commandAt(3)),
        comboBox("Combo1", QRect(140, 78, InnerWidth - 130, 26)).in(Frame2),
        checkBox("Check1", "Draw On Graph Using Mouse", QRect(10, 10, InnerWidth, 24)).in(Frame2),
        label("Label10", "Draw Line Width", QRect(10, 80, 126, 22)).in(Frame2),
        // The Y axis caption with its arrow, beside the top of the plot.
        label("Label4", "<--- ", toolAt(Margin, 44)).wrapped(),
        button("Command2", "Print Graph", commandAt(1)),

        // The graph and the logo inside it.
        picture("Picture1", QRect(Margin, Margin, PictureSize, PictureSize + GraphCaptionRoom)),
        picture("Picture2", QRect(0, 0, 15, 15)).in(u"Picture1").hidden(),

        // The logo button and the pointer's place in graph units.
        frame(Frame1, {}, toolAt(184, 134)).boxed(),
        button("Logo", "Logo -- Is OFF", QRect(10, 10, InnerWidth, 28)).in(Frame1),
        label("Label2", "Mouse Position on Graph", QRect(10, 46, InnerWidth, 22)).in(Frame1),
        label({}, "Y", QRect(10, 74, 22, 24)).in(Frame1),
        label({}, "X", QRect(10, 102, 22, 24)).in(Frame1),
        // The X axis caption with its arrow, beside the foot of the plot.
        label("Label3", "<---", toolAt(Margin + PictureSize - 44, 44)).wrapped(),
        // The plain captions the graph prints on the picture.
        label("Label9", {}, toolAt(Margin + PictureSize, 22)).hidden(),
        label("Label18", {}, QRect(34, 74, InnerWidth - 24, 24)).in(Frame1).boxed(),
        label("Label19", {}, QRect(34, 102, InnerWidth - 24, 24)).in(Frame1).boxed(),
        label("Label8", {}, toolAt(Margin + PictureSize + 22, 22)).hidden(),
    };
}

WindowDesign makeDesign()
{
    WindowDesign d;
    d.name = QStringLiteral("Form60");
    d.size = QSize(WindowWidth, WindowHeight);
    d.controls = controls();
    return d;
}

} // namespace

const WindowDesign &graphWindowDesign()
{
    static const WindowDesign design = makeDesign();
    return design;
}

const CellLayout &graphWindowLayout()
{
    static const CellLayout none;
    return none;
}

} // namespace zyt
