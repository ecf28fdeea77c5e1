#pragma once

#include <array>

namespace zyt {

class CompareModel;
class Flow_Test_Sheet;
class MainModel;
struct GraphWindowState;

// The five flow test sheets, Form1 to Form5; a missing one is skipped.
using SheetList = std::array<Flow_Test_Sheet *, 5>;

// The models of the program's windows, for the routines that reach more than
// one window: the main data file, the settings and the metric switch. The
// program keeps the models themselves for the whole run.
struct Models {
    MainModel &main;         // `Main`
    SheetList sheets;        // `Form1` to `Form5`
    CompareModel &compare;   // `Form50`
    GraphWindowState &graph; // `Form60`
};

} // namespace zyt
