#pragma once

#include "model/main_model.h"
#include "model/models.h"

namespace zyt {

struct AppState;
struct NumberStyle;

// The "Metric" box changed: brings the estimator's and the port calculators'
// values and unit words into the units the box now shows, then every sheet.
// Nothing is recalculated. A cell that holds no number stays as it is and
// the others convert; nothing is shown and nothing throws.
void Check2_Click(MainModel &main, const SheetList &sheets, const NumberStyle &numbers);

// Puts the main window's handlers where the rest of the program runs them:
// the main data reader's "Metric" change and its estimator run (also the
// writer's), and the looks of the "User" boxes whenever their value changes,
// by the user or by a reader. `main`, the sheets and `st` must outlive the
// hooks. The window then only sets the cells of Check1 and Check3; for
// Check2 it sets the cell and calls st.Check2_Click().
void Install_Main_Hooks(MainModel &main, const SheetList &sheets, AppState &st);

} // namespace zyt
