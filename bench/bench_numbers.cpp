#include "platform/numbers.h"

#include <QString>

#include <benchmark/benchmark.h>

namespace {

// A cell's usual text.
void parseCellText(benchmark::State &state)
{
    const QString text = QStringLiteral("1234.567");
    for (auto _ : state)
        benchmark::DoNotOptimize(zyt::scanNumber(text, u'.'));
}

// "1." and zeros up to the given length, as a pasted or loaded text may be:
// the time must grow no faster than the length.
void parseLongText(benchmark::State &state)
{
    const QString text = QStringLiteral("1.") + QString(qsizetype(state.range(0)), u'0');
    for (auto _ : state)
        benchmark::DoNotOptimize(zyt::scanNumber(text, u'.'));
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(parseCellText);
BENCHMARK(parseLongText)->RangeMultiplier(16)->Range(16, 4 << 20)->Complexity(benchmark::oN);

BENCHMARK_MAIN();
