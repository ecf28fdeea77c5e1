#include "bench_fixture.h"
#include "calc/unit_conversion.h"

namespace {

using S = zyt::Flow_Test_Sheet;
using Bench = zyt::bench::BenchState;

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
