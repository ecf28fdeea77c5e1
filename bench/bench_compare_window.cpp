#include "bench_fixture.h"
#include "compare/compare_window.h"
#include "compare/graph_display.h"
#include "compare/graph_window.h"
#include "fresh_process.h"
#include "model/compare_window_design.h"
#include "model/graph_window_state.h"
#include "platform/recording_surface.h"
#include "widgets/window_builder.h"

#include <QElapsedTimer>
#include <QPushButton>

namespace {

using S = zyt::Flow_Test_Sheet;

// A graph window that only writes down what is drawn.
class RecordedGraph final : public zyt::GraphDisplay {
public:
    zyt::DrawSurface &picture() override { return picture_; }
    void showGraphWindow() override {}

private:
    zyt::RecordingSurface picture_;
};

// The compare window over five calculated sample sheets, the second with
// other flows so every difference is computed.
struct Bench : zyt::bench::BenchState {
    Bench()
    {
        zyt::fillCompareHelpTexts(st.ui);
        S &second = sheets[1];
        for (int row = S::FirstLiftRow + 1; row <= S::LastLiftRow; ++row)
            second.setCell(S::Text106, row, second.cell(S::Text106, row) + QStringLiteral("5"));
        sheets.calculate(st);
    }
    std::unique_ptr<zyt::CompareWindow> window()
    {
        return std::make_unique<zyt::CompareWindow>(form50, sheets.list, st, graph, display);
    }

    zyt::bench::FiveSheets sheets;
    zyt::CompareModel form50;
    zyt::GraphWindowState graph;
    RecordedGraph display;
};

// The first show of the compare window builds all its controls and cells.
void firstShow(benchmark::State &state)
{
    Bench b;
    zyt::bench::timeFirstShows(state, [&b] { return b.window(); });
}

// The same first show as the first of a fresh process.
double firstShowOfTheProcess()
{
    Bench b;
    QElapsedTimer clock;
    clock.start();
    auto window = b.window();
    zyt::bench::showPainted(*window);
    return double(clock.nsecsElapsed()) / 1e6;
}

// "&Graph" clicked on the compare window shown first: the graph window made,
// drawn and painted, the first graph of a fresh process.
double graphClickedInAFreshProcess()
{
    Bench b;
    b.st.graph.Draw_Line_Width = 2;
    zyt::GraphWindow graphWindow(b.graph, b.st);
    zyt::CompareWindow window(b.form50, b.sheets.list, b.st, b.graph, graphWindow);
    zyt::bench::showPainted(window);
    window.Command1_Click();
    QCoreApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    window.Command2_Click();
    if (!graphWindow.isVisible())
        return 0.0;
    zyt::bench::showPainted(graphWindow);
    return double(clock.nsecsElapsed()) / 1e6;
}

// "&Calculate" clicked on the shown window: the table filled and its cells
// redrawn.
void calculateClicked(benchmark::State &state)
{
    Bench b;
    auto window = b.window();
    window->show();
    QCoreApplication::processEvents();
    auto *calculate = window->widgets().widget<QPushButton>(u"Command1");
    bool swap = false;
    for (auto _ : state) {
        // The tests swap on every run so each run rewrites the table.
        b.form50.setCell(zyt::CompareModel::Option1,
                         swap ? QStringLiteral("1") : QStringLiteral("0"));
        b.form50.setCell(zyt::CompareModel::Option2,
                         swap ? QStringLiteral("0") : QStringLiteral("1"));
        swap = !swap;
        calculate->click();
        QCoreApplication::processEvents();
    }
}

} // namespace

ZYT_FIRST_SHOW("firstShowInAFreshProcess", firstShowOfTheProcess);
ZYT_FIRST_SHOW("graphClickedInAFreshProcess", graphClickedInAFreshProcess);
BENCHMARK(firstShow)->Unit(benchmark::kMillisecond);
BENCHMARK(calculateClicked)->Unit(benchmark::kMillisecond);
