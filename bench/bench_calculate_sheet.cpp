#include "calc/calculate_sheet.h"
#include "calc/unit_conversion.h"
#include "model/app_state.h"
#include "model/flow_test_sheet.h"
#include "model/main_model.h"
#include "scripted_platform.h"

#include <benchmark/benchmark.h>

namespace {

using S = zyt::Flow_Test_Sheet;

// Program state with message boxes answered at once and the main window's
// cells, whose "Metric" box gives the units.
struct Bench {
    Bench()
    {
        platform.answerAllWith(zyt::AnswerOk);
        st.platform = platform.platform();
        st.Main = &main;
    }
    zyt::test::ScriptedPlatform platform;
    zyt::AppState st;
    zyt::MainModel main;
};

void calculateStandard(benchmark::State &state)
{
    Bench b;
    S sheet;
    for (auto _ : state)
        zyt::Calculate_Sheet(sheet, b.st.Metric(), b.st.calc, b.st.numbers, b.st.platform);
}

void calculateMetric(benchmark::State &state)
{
    Bench b;
    S sheet;
    zyt::Convert_Sheet_To_Metric(sheet, b.st.numbers);
    b.main.setCell(zyt::MainModel::Check2, QStringLiteral("1"));
    for (auto _ : state)
        zyt::Calculate_Sheet(sheet, b.st.Metric(), b.st.calc, b.st.numbers, b.st.platform);
}

void convertBothWays(benchmark::State &state)
{
    Bench b;
    S sheet;
    zyt::Calculate_Sheet(sheet, b.st.Metric(), b.st.calc, b.st.numbers, b.st.platform);
    for (auto _ : state) {
        zyt::Convert_Sheet_To_Metric(sheet, b.st.numbers);
        zyt::Convert_Sheet_To_Standard(sheet, b.st.numbers);
    }
}

} // namespace

BENCHMARK(calculateStandard)->Unit(benchmark::kMicrosecond);
BENCHMARK(calculateMetric)->Unit(benchmark::kMicrosecond);
BENCHMARK(convertBothWays)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
