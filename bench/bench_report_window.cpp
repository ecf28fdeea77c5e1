#include "calc/calculate_sheet.h"
#include "model/app_state.h"
#include "model/flow_test_sheet.h"
#include "model/main_model.h"
#include "model/report_design.h"
#include "model/report_model.h"
#include "report/report_window.h"
#include "scripted_platform.h"

#include <QApplication>
#include <QPlainTextEdit>

#include <benchmark/benchmark.h>

namespace {

using S = zyt::Flow_Test_Sheet;

// The five sample sheets and the main window's cells, as the report window
// reads them.
struct Bench {
    Bench()
    {
        platform.answerAllWith(zyt::AnswerOk);
        st.platform = platform.platform();
        st.Main = &main;
        zyt::fillReportHelpTexts(st.ui);
        for (size_t k = 0; k < sheets.size(); ++k) {
            list[k] = &sheets[k];
            zyt::Calculate_Sheet(sheets[k], st.Metric(), st.calc, st.numbers, st.platform);
        }
    }
    zyt::test::ScriptedPlatform platform;
    zyt::AppState st;
    zyt::MainModel main;
    std::array<S, 5> sheets;
    zyt::SheetList list{};
    zyt::ReportModel report;
};

// The first show builds every control.
void firstShow(benchmark::State &state)
{
    Bench b;
    for (auto _ : state) {
        auto window = std::make_unique<zyt::ReportWindow>(b.report, b.main, b.list, b.st);
        window->show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

// "&Create Text Report" with everything chosen: every sheet recalculated,
// the report built and shown in the box.
void createReport(benchmark::State &state)
{
    Bench b;
    zyt::ReportWindow window(b.report, b.main, b.list, b.st);
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

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
