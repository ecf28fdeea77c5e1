#pragma once

#include <array>

namespace zyt {

class CellModel;
class Flow_Test_Sheet;
class Main_Model;
struct Graph_Window_State;

// The windows the user's settings reach: fonts and alignment go to the cells
// of the main window, the five sheets and the compare window; the graph
// options to the graph window. The graph window and the report window never
// take fonts or alignment.
struct Settings_Windows {
    Main_Model &Main;
    std::array<Flow_Test_Sheet *, 5> Forms; // Form1 to Form5
    CellModel &Form50;                      // the compare window's cells
    Graph_Window_State &Form60;
};

} // namespace zyt
