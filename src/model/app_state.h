#pragma once

#include "calc_state.h"
#include "file_state.h"
#include "graph_settings.h"
#include "look_state.h"
#include "number_style.h"
#include "platform/platform.h"
#include "print_state.h"
#include "ui_state.h"

#include <functional>

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
    // The state of the graph being drawn joins these as a part of its own.

    // The main window's cells; its "Metric" box says which units every
    // sheet is in. Without a main window the units are standard.
    const MainModel *Main = nullptr;
    bool Metric() const;

    // Handlers of the main window that the main data file runs by name; the
    // main window puts its own in. Unset, they do nothing.
    std::function<void()> Check2_Click;    // convert Main and the sheets to Check2's units
    std::function<void()> Command51_Click; // the estimator's calculation
    // Loads the logo picture into the graph window; false when the file
    // holds no picture. Unset, a file that exists counts as a picture.
    std::function<bool(const QString &path)> Load_Logo_Picture;
};

} // namespace zyt
