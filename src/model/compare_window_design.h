#pragma once

#include "window_design.h"

namespace zyt {

struct UiState;

// The compare window `Form50`: the From, To, type and X-axis choices across
// the top with the commands beside them, the graph option boxes, the entry
// cells and the two caption lines, then the comparison table and the help
// line.
const WindowDesign &compareWindowDesign();

// Puts the compare window's hover-help texts into Help_Texts.
void fillCompareHelpTexts(UiState &ui);

} // namespace zyt
