#pragma once

#include "five_sheets.h"
#include "model/app_state.h"
#include "model/main_model.h"
#include "scripted_platform.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

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

using test::FiveSheets;

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
