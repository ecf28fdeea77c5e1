#include "bench_fixture.h"
#include "fresh_process.h"
#include "model/sheet_design.h"
#include "sheet/sheet_window.h"

#include <QElapsedTimer>

namespace {

// The first show of a sheet window builds the cells of its first page.
void firstShow(benchmark::State &state)
{
    zyt::bench::BenchState b;
    zyt::fillSheetHelpTexts(b.st.ui);
    zyt::Flow_Test_Sheet sheet;
    zyt::bench::timeFirstShows(state,
                               [&] { return std::make_unique<zyt::SheetWindow>(sheet, b.st); });
}

// The same first show as the first of a fresh process.
double firstShowOfTheProcess()
{
    zyt::bench::BenchState b;
    zyt::fillSheetHelpTexts(b.st.ui);
    zyt::Flow_Test_Sheet sheet;
    QElapsedTimer clock;
    clock.start();
    zyt::SheetWindow window(sheet, b.st);
    zyt::bench::showPainted(window);
    return double(clock.nsecsElapsed()) / 1e6;
}

// Page 2 shown for the first time builds its cells.
void pageTwoFirstShow(benchmark::State &state)
{
    zyt::bench::BenchState b;
    zyt::fillSheetHelpTexts(b.st.ui);
    zyt::Flow_Test_Sheet sheet;
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<zyt::SheetWindow>(sheet, b.st);
        window->show();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        window->NextPage_Click();
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

ZYT_FIRST_SHOW("firstShowInAFreshProcess", firstShowOfTheProcess);
BENCHMARK(firstShow)->Unit(benchmark::kMillisecond);
BENCHMARK(pageTwoFirstShow)->Unit(benchmark::kMillisecond);
BENCHMARK(showAgain)->Unit(benchmark::kMillisecond);
