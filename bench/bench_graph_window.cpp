#include "bench_fixture.h"
#include "compare/graph_window.h"
#include "model/graph_window_state.h"

#include <QCheckBox>
#include <QTemporaryDir>

namespace {

struct GraphWindowRun : zyt::bench::BenchState {
    GraphWindowRun()
    {
        for (int w = 1; w <= 19; ++w)
            Form60.Combo1 << QString::number(w);
    }

    zyt::GraphWindowState Form60;
};

// The first show builds the window's controls.
void firstShow(benchmark::State &state)
{
    GraphWindowRun run;
    zyt::bench::timeFirstShows(
        state, [&run] { return std::make_unique<zyt::GraphWindow>(run.Form60, run.st); });
}

// One step of a line drawn by hand, shown on the screen.
void handLineStep(benchmark::State &state)
{
    GraphWindowRun run;
    run.st.graph.Draw_Line_Width = 10;
    zyt::GraphWindow window(run.Form60, run.st);
    window.show();
    QCoreApplication::processEvents();
    window.drawCheck()->setChecked(true);
    window.Form60_Picture1_MouseDown(QPointF(10, 10));
    int k = 0;
    for (auto _ : state) {
        ++k;
        window.Form60_Picture1_MouseMove(QPointF(10 + k % 580, 10 + (k * 7) % 600));
        window.canvas()->repaint();
    }
}

// "&Save Graph in BMP Format" of the whole picture.
void saveBitmap(benchmark::State &state)
{
    GraphWindowRun run;
    QTemporaryDir folder;
    run.platform.chooseAlways(folder.filePath(QStringLiteral("graph.bmp")));
    zyt::GraphWindow window(run.Form60, run.st);
    window.show();
    for (auto _ : state)
        window.Form60_Command3_Click();
}

} // namespace

BENCHMARK(firstShow)->Unit(benchmark::kMillisecond);
BENCHMARK(handLineStep)->Unit(benchmark::kMillisecond);
BENCHMARK(saveBitmap)->Unit(benchmark::kMillisecond);
