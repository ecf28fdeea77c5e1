#include "calc/calculate_sheet.h"
#include "compare/compare_calculate.h"
#include "model/app_state.h"
#include "model/compare_model.h"
#include "model/flow_test_sheet.h"
#include "model/main_model.h"
#include "scripted_platform.h"

#include <benchmark/benchmark.h>

#include <array>
#include <memory>

namespace {

using S = zyt::Flow_Test_Sheet;
using C = zyt::CompareModel;

// The compare window over five calculated sample sheets, the second with
// other flows so every difference and change is computed.
struct Bench {
    Bench()
    {
        platform.answerAllWith(zyt::AnswerOk);
        st.platform = platform.platform();
        st.Main = &main;
        for (size_t k = 0; k < 5; ++k) {
            sheets[k] = std::make_unique<S>(QStringLiteral("Form%1").arg(k + 1));
            forms[k] = sheets[k].get();
        }
        for (int row = S::FirstLiftRow + 1; row <= S::LastLiftRow; ++row) {
            S &second = *sheets[1];
            second.setCell(S::Text106, row, second.cell(S::Text106, row) + QStringLiteral("5"));
            second.setCell(S::Text207, row, QStringLiteral("-") + second.cell(S::Text207, row));
        }
        for (auto &sheet : sheets)
            zyt::Calculate_Sheet(*sheet, false, st.calc, st.numbers, st.platform);
    }

    zyt::test::ScriptedPlatform platform;
    zyt::AppState st;
    zyt::MainModel main;
    std::array<std::unique_ptr<S>, 5> sheets;
    zyt::SheetList forms{};
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
        benchmark::DoNotOptimize(zyt::Command1_Click(b.form50, b.forms, b.st));
    }
}

} // namespace

BENCHMARK(calculateType)->DenseRange(0, zyt::CompareTypeCount - 1)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
