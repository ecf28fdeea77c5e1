#pragma once

#include "calc_state.h"
#include "file_state.h"
#include "graph_settings.h"
#include "graph_state.h"
#include "look_state.h"
#include "number_style.h"
#include "platform/platform.h"
#include "print_state.h"
#include "ui_state.h"

namespace zyt {

class MainModel;

// The program-wide values, one part per subsystem. One instance lives for
// the whole run; tests make their own. A routine takes the part it needs;
// only the commands that reach several subsystems take the whole.
struct AppState {
    Platform platform;
    UiState ui;
    NumberStyle numbers;
    CalcState calc;
    FileState files;
    LookState looks;
    PrintState print;
    GraphSettings graph;
    // The compare graph being drawn.
    Graph_State plot;

    // The main window's cells; its "Metric" box says which units every
    // sheet is in. Without a main window the units are standard.
    const MainModel *Main = nullptr;
    bool Metric() const;
};

} // namespace zyt
