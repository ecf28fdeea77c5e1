#include "bench_fixture.h"
#include "main/estimator.h"
#include "main/metric_switch.h"

namespace {

using M = zyt::MainModel;
using S = zyt::Flow_Test_Sheet;

// The main window over five calculated sheets, boxes answered at once.
struct Bench : zyt::bench::BenchState {
    Bench() { sheets.calculate(st); }
    zyt::bench::FiveSheets sheets;
};

// One click on "Metric": every iteration switches, alternately to metric
// and back.
void switchMetric(benchmark::State &state)
{
    Bench b;
    bool metric = false;
    for (auto _ : state) {
        metric = !metric;
        b.main.setCell(M::Check2, metric ? QStringLiteral("1") : QStringLiteral("0"));
        zyt::Check2_Click(b.main, b.sheets.list, b.st.numbers);
    }
}

void calculateEstimator(benchmark::State &state)
{
    Bench b;
    for (auto _ : state)
        zyt::Command51_Click(b.main, b.st.numbers, b.st.platform);
}

void calculateEstimatorMetric(benchmark::State &state)
{
    Bench b;
    b.main.setCell(M::Check2, QStringLiteral("1"));
    zyt::Check2_Click(b.main, b.sheets.list, b.st.numbers);
    for (auto _ : state)
        zyt::Command51_Click(b.main, b.st.numbers, b.st.platform);
}

} // namespace

BENCHMARK(switchMetric)->Unit(benchmark::kMicrosecond);
BENCHMARK(calculateEstimator)->Unit(benchmark::kMicrosecond);
BENCHMARK(calculateEstimatorMetric)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
