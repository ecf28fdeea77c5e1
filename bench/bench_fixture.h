#pragma once

#include "calc/calculate_sheet.h"
#include "model/app_state.h"
#include "model/flow_test_sheet.h"
#include "model/main_model.h"
#include "model/models.h"
#include "scripted_platform.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <array>
#include <memory>

namespace zyt::bench {

// Program state with every box answered at once, and the main window's
// cells, whose "Metric" box gives the units.
struct BenchState {
    BenchState()
    {
        platform.answerAllWith(AnswerOk);
        st.platform = platform.platform();
        st.Main = &main;
    }
    test::ScriptedPlatform platform;
    AppState st;
    MainModel main;
};

// The five sample sheets `Form1` to `Form5`, and their list as the windows
// and commands take it.
struct FiveSheets {
    FiveSheets()
    {
        for (size_t k = 0; k < sheets.size(); ++k) {
            sheets[k] = std::make_unique<Flow_Test_Sheet>(QStringLiteral("Form%1").arg(k + 1));
            list[k] = sheets[k].get();
        }
    }
    // Each calculated, as a user would have them before the measured
    // command.
    void calculate(AppState &st)
    {
        for (Flow_Test_Sheet *sheet : list)
            Calculate_Sheet(*sheet, st.Metric(), st.calc, st.numbers, st.platform);
    }
    Flow_Test_Sheet &operator[](size_t k) { return *sheets[k]; }

    std::array<std::unique_ptr<Flow_Test_Sheet>, 5> sheets;
    SheetList list{};
};

// Times the first show of windows `make` returns, each torn down untimed.
template <typename Make> void timeFirstShows(benchmark::State &state, Make make)
{
    for (auto _ : state) {
        auto window = make();
        window->show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

} // namespace zyt::bench
