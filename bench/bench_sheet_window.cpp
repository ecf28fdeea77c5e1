#include "model/app_state.h"
#include "model/flow_test_sheet.h"
#include "model/sheet_design.h"
#include "scripted_platform.h"
#include "sheet/sheet_window.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

// The first show of a sheet window builds all its cells.
void firstShow(benchmark::State &state)
{
    zyt::test::ScriptedPlatform platform;
    platform.answerAllWith(zyt::AnswerOk);
    zyt::AppState st;
    st.platform = platform.platform();
    zyt::fillSheetHelpTexts(st.ui);
    zyt::Flow_Test_Sheet sheet;
    for (auto _ : state) {
        auto window = std::make_unique<zyt::SheetWindow>(sheet, st);
        window->show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

// A window built before: showing it again.
void showAgain(benchmark::State &state)
{
    zyt::AppState st;
    zyt::Flow_Test_Sheet sheet;
    zyt::SheetWindow window(sheet, st);
    window.ensureBuilt();
    for (auto _ : state) {
        window.show();
        QCoreApplication::processEvents();
        window.hide();
        QCoreApplication::processEvents();
    }
}

} // namespace

BENCHMARK(firstShow)->Unit(benchmark::kMillisecond);
BENCHMARK(showAgain)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
