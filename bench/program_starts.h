#pragma once

#include "main/main_window.h"
#include "main/program.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace zyt::bench {

// Times the program made, started and its main window shown on `platform`,
// each run ended untimed.
inline void timeProgramStarts(benchmark::State &state, const Platform &platform)
{
    for (auto _ : state) {
        Program program(platform);
        program.st.numbers.setLocaleSeparators(u'.', u',');
        program.Form_Load(QString());
        program.mainWindow().show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        program.st.ui.Exiting = 1;
        state.ResumeTiming();
    }
}

} // namespace zyt::bench
