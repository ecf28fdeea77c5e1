#pragma once

#include "window_design.h"

namespace zyt {

struct UiState;

// The flow test sheet window (Form1 to Form5): the menu, page 1 with every
// column of cells, the bottom band with the help line and the commands, the
// path line, and page 2 over the right-hand columns.
const WindowDesign &sheetDesign();

// Puts the sheets' hover-help texts into Help_Texts.
void fillSheetHelpTexts(UiState &ui);

} // namespace zyt
