#include "calc/app_state.h"
#include "calc/calculate_sheet.h"
#include "calc/flow_test_sheet.h"
#include "calc/unit_conversion.h"
#include "scripted_platform.h"

#include <benchmark/benchmark.h>

namespace {

using S = zyt::Flow_Test_Sheet;

// Program state with message boxes answered at once and a main window that
// has only its "Metric" box.
struct Bench {
    Bench()
    {
        platform.answerAllWith(zyt::AnswerOk);
        st.platform = platform.platform();
        mainLayout.addSingle(QStringLiteral("Check2"));
        zyt::CellInfo check;
        check.kind = zyt::CellKind::Check;
        check.defaultText = QStringLiteral("0");
        mainLayout.addCell(0, zyt::CellLayout::Single, check);
        main = std::make_unique<zyt::CellModel>(mainLayout, QStringLiteral("Main"));
        st.Main = main.get();
    }
    zyt::test::ScriptedPlatform platform;
    zyt::AppState st;
    zyt::CellLayout mainLayout;
    std::unique_ptr<zyt::CellModel> main;
};

void calculateStandard(benchmark::State &state)
{
    Bench b;
    S sheet;
    for (auto _ : state)
        zyt::Calculate_Sheet(sheet, b.st);
}

void calculateMetric(benchmark::State &state)
{
    Bench b;
    S sheet;
    zyt::Convert_Sheet_To_Metric(sheet, b.st);
    b.main->setText(u"Check2", zyt::CellLayout::Single, QStringLiteral("1"));
    for (auto _ : state)
        zyt::Calculate_Sheet(sheet, b.st);
}

void convertBothWays(benchmark::State &state)
{
    Bench b;
    S sheet;
    zyt::Calculate_Sheet(sheet, b.st);
    for (auto _ : state) {
        zyt::Convert_Sheet_To_Metric(sheet, b.st);
        zyt::Convert_Sheet_To_Standard(sheet, b.st);
    }
}

} // namespace

BENCHMARK(calculateStandard)->Unit(benchmark::kMicrosecond);
BENCHMARK(calculateMetric)->Unit(benchmark::kMicrosecond);
BENCHMARK(convertBothWays)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
