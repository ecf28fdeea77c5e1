#include "bench_fixture.h"
#include "compare/compare_calculate.h"
#include "model/compare_model.h"

namespace {

using S = zyt::Flow_Test_Sheet;
using C = zyt::CompareModel;

// The compare window over five calculated sample sheets, the second with
// other flows so every difference and change is computed.
struct Bench : zyt::bench::BenchState {
    Bench()
    {
        S &second = sheets[1];
        for (int row = S::FirstLiftRow + 1; row <= S::LastLiftRow; ++row) {
            second.setCell(S::Text106, row, second.cell(S::Text106, row) + QStringLiteral("5"));
            second.setCell(S::Text207, row, QStringLiteral("-") + second.cell(S::Text207, row));
        }
        sheets.calculate(st);
    }

    zyt::bench::FiveSheets sheets;
    C form50;
};

// One "&Calculate" of one type; the From and To tests swap on every run so
// each run rewrites the table.
void calculateType(benchmark::State &state)
{
    Bench b;
    b.form50.setCell(C::Option3, QString::number(state.range(0)));
    bool swap = false;
    for (auto _ : state) {
        b.form50.setCell(C::Option1, swap ? QStringLiteral("1") : QStringLiteral("0"));
        b.form50.setCell(C::Option2, swap ? QStringLiteral("0") : QStringLiteral("1"));
        swap = !swap;
        benchmark::DoNotOptimize(zyt::Command1_Click(b.form50, b.sheets.list, b.st));
    }
}

} // namespace

BENCHMARK(calculateType)->DenseRange(0, zyt::CompareTypeCount - 1)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
