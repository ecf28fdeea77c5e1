#pragma once

#include "window_design.h"

#include <array>

namespace zyt {

struct UiState;

// The main window `Main`: its menus, the buttons that open the other
// windows, the estimator and the port calculators, the panels of the
// preloads, the company information and the printer choice, the help line
// and the comments.
const WindowDesign &mainWindowDesign();

// Puts the main window's hover-help texts into Help_Texts.
void fillMainHelpTexts(UiState &ui);

// The estimator's three notes, `Label1`(0 to 2), set at start-up.
const std::array<QString, 3> &estimatorNotes();

} // namespace zyt
