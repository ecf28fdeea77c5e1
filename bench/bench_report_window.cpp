#include "bench_fixture.h"
#include "model/report_design.h"
#include "model/report_model.h"
#include "report/report_window.h"

namespace {

// The five sample sheets and the main window's cells, as the report window
// reads them.
struct Bench : zyt::bench::BenchState {
    Bench()
    {
        zyt::fillReportHelpTexts(st.ui);
        sheets.calculate(st);
    }
    zyt::bench::FiveSheets sheets;
    zyt::ReportModel report;
};

// The first show builds every control.
void firstShow(benchmark::State &state)
{
    Bench b;
    zyt::bench::timeFirstShows(state, [&] {
        return std::make_unique<zyt::ReportWindow>(b.report, b.main, b.sheets.list, b.st);
    });
}

// "&Create Text Report" with everything chosen: every sheet recalculated,
// the report built and shown in the box.
void createReport(benchmark::State &state)
{
    Bench b;
    zyt::ReportWindow window(b.report, b.main, b.sheets.list, b.st);
    window.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        window.Command2_Click();
        QCoreApplication::processEvents();
        state.PauseTiming();
        b.report.closeReport();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(firstShow)->Unit(benchmark::kMillisecond);
BENCHMARK(createReport)->Unit(benchmark::kMillisecond);
