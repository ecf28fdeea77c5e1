#include "calc/formats.h"
#include "model/number_style.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

// A spread of values like those the sheets show: flows, areas, ratios.
std::vector<double> sampleValues()
{
    std::vector<double> v;
    v.reserve(1000000);
    double x = 0.0123;
    for (int i = 0; i < 1000000; ++i) {
        v.push_back(x);
        x = x * 1.37 + 0.71;
        if (x > 5000.0)
            x -= 4999.3;
    }
    return v;
}

template <QString (*Format)(double, const zyt::NumberStyle &)>
void formatMillion(benchmark::State &state)
{
    static const std::vector<double> values = sampleValues();
    zyt::NumberStyle numbers;
    numbers.Box_Alignment = int(state.range(0));
    for (auto _ : state) {
        for (double v : values)
            benchmark::DoNotOptimize(Format(v, numbers));
    }
    state.SetItemsProcessed(state.iterations() * int64_t(values.size()));
}

} // namespace

BENCHMARK(formatMillion<zyt::Format_Int>)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(formatMillion<zyt::Format_1_Dec>)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(formatMillion<zyt::Format_2_Dec>)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(formatMillion<zyt::Format_3_Dec>)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(formatMillion<zyt::Format_4_Dec>)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(formatMillion<zyt::Format_6_Dec>)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(formatMillion<zyt::Format_Thousands>)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(formatMillion<zyt::Format_Short_Decimal>)->Arg(0)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
