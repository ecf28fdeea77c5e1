#include "calc/calculate_sheet.h"
#include "main/estimator.h"
#include "main/metric_switch.h"
#include "model/app_state.h"
#include "model/flow_test_sheet.h"
#include "scripted_platform.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using M = zyt::MainModel;
using S = zyt::Flow_Test_Sheet;

// The main window over five calculated sheets, boxes answered at once.
struct Bench {
    Bench()
    {
        platform.answerAllWith(zyt::AnswerOk);
        st.platform = platform.platform();
        st.Main = &main;
        for (size_t k = 0; k < sheets.size(); ++k) {
            sheets[k] = std::make_unique<S>(QStringLiteral("Form%1").arg(k + 1));
            zyt::Calculate_Sheet(*sheets[k], st.Metric(), st.calc, st.numbers, st.platform);
            set[k] = sheets[k].get();
        }
    }
    zyt::test::ScriptedPlatform platform;
    zyt::AppState st;
    M main;
    std::array<std::unique_ptr<S>, 5> sheets;
    zyt::SheetList set{};
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
        zyt::Check2_Click(b.main, b.set, b.st.numbers);
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
    zyt::Check2_Click(b.main, b.set, b.st.numbers);
    for (auto _ : state)
        zyt::Command51_Click(b.main, b.st.numbers, b.st.platform);
}

} // namespace

BENCHMARK(switchMetric)->Unit(benchmark::kMicrosecond);
BENCHMARK(calculateEstimator)->Unit(benchmark::kMicrosecond);
BENCHMARK(calculateEstimatorMetric)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
