#include "compare_window.h"

#include "calc/guarded.h"
#include "compare/compare_calculate.h"
#include "compare/graph_display.h"
#include "model/app_state.h"
#include "model/compare_window_design.h"
#include "output/print_calcs.h"
#include "output/print_job.h"
#include "output/save_form_as_jpg.h"
#include "platform/capture.h"
#include "widgets/window_builder.h"
#include "widgets/window_placement.h"

#include <QCloseEvent>

namespace zyt {

namespace {

using C = CompareModel;

// The table's columns as the graph and the printout number them.
constexpr int FirstColumn = 101;
constexpr int LastColumn = 110;

} // namespace

CompareWindow::CompareWindow(CompareModel &model, const SheetList &sheets, AppState &st,
                             GraphWindowState &graph, GraphDisplay &display, QWidget *parent)
    : QMainWindow(parent), model_(model), sheets_(sheets), st_(st), graph_(graph),
      display_(display), widgets_(new WindowBuilder(*this, compareWindowDesign(), model, st))
{
    setObjectName(QStringLiteral("Form50"));
    // No graph has been drawn yet, so "Graph &Plus" has nothing to add to.
    st_.plot.Graph_Plus_Count = 999;

    WindowBuilder &w = *widgets_;
    w.on(QStringLiteral("Command1"), [this] { Command1_Click(); });
    w.on(QStringLiteral("Command2"), [this] { Command2_Click(); });
    w.on(QStringLiteral("Graph_Plus"), [this] { Graph_Plus_Click(); });
    w.on(QStringLiteral("Command3"), [this] { Command3_Click(); });
    w.on(QStringLiteral("Command5"), [this] { Command5_Click(); });
    w.on(QStringLiteral("subend"), [this] { subend_Click(); });
    // The box's cell is set by then.
    for (int box = C::Check1; box <= C::Check4; ++box)
        w.on(model_.layout().arrayName(box),
             [this, box] { graphOptionClick(model_, C::Array(box), st_.graph); });
    w.setCellRules([](int array, int) { return compareCellRules(C::Array(array)); });
}

CompareWindow::~CompareWindow() = default;

bool CompareWindow::isBuilt() const { return widgets_->isBuilt(); }

void CompareWindow::ensureBuilt()
{
    if (widgets_->isBuilt())
        return;
    setUpdatesEnabled(false);
    widgets_->build();
    // Centred on the screen when it is made.
    placeCentred(*this, st_.platform.screen);
    setUpdatesEnabled(true);
}

void CompareWindow::setVisible(bool visible)
{
    if (visible)
        ensureBuilt();
    QMainWindow::setVisible(visible);
}

QWidget *CompareWindow::cellWidget(CompareModel::Array array, int index) const
{
    const int id = model_.layout().id(array, index);
    return id < 0 ? nullptr : widgets_->cellWidget(id);
}

void CompareWindow::closeEvent(QCloseEvent *event)
{
    // While the program runs the window only hides, keeping its cells.
    if (st_.ui.Exiting == 0)
        event->ignore();
    else
        event->accept();
    subend_Click();
}

void CompareWindow::Command1_Click() { calculate(); }

void CompareWindow::Command2_Click()
{
    runGuarded(st_.platform,
               [this] { zyt::Command2_Click(*this, graph_, display_.picture(), st_, *this); });
}

void CompareWindow::Graph_Plus_Click()
{
    runGuarded(st_.platform,
               [this] { zyt::Graph_Plus_Click(*this, graph_, display_.picture(), st_, *this); });
}

void CompareWindow::Command3_Click()
{
    runGuarded(st_.platform, [this] {
        zyt::Command3_Click(*this, *this, st_, currentPrintInputs(st_.graph, st_.platform));
    });
}

void CompareWindow::Command5_Click()
{
    Save_Form_As_JPG(*this, QStringLiteral("Vorn"), 100, true, st_);
}

void CompareWindow::subend_Click() { hide(); }

int CompareWindow::comparisonType() const { return zyt::comparisonType(model_); }

int CompareWindow::xAxis() const { return xColumn(model_); }

bool CompareWindow::isChecked(int box) const
{
    return box >= 1 && box <= 4 && graphOption(model_, C::Array(C::Check1 + box - 1)) == 1;
}

QString CompareWindow::entryText(int cell) const
{
    if (cell >= 1 && cell <= 4)
        return model_.cell(C::Array(C::Text1 + cell - 1));
    if (cell == 71)
        return model_.cell(C::Text71);
    if (cell == 72)
        return model_.cell(C::Text72);
    return QString();
}

QString CompareWindow::cellText(int array, int row) const
{
    if (array < FirstColumn || array > LastColumn || row < C::FirstTableRow ||
        row > C::LastTableRow)
        return QString();
    return model_.cell(C::Array(C::Text101 + array - FirstColumn), row);
}

QString CompareWindow::fromTestLabel() const { return model_.cell(C::From_Test_Label); }

QString CompareWindow::toTestLabel() const { return model_.cell(C::To_Test_Label); }

bool CompareWindow::calculate() { return zyt::Command1_Click(model_, sheets_, st_); }

void CompareWindow::showGraphWindow()
{
    if (prepareGraphWindow_)
        prepareGraphWindow_();
    display_.showGraphWindow();
}

} // namespace zyt
