#pragma once

#include "window_design.h"

namespace zyt {

struct UiState;

// The report window `Form70`: the buttons of the configuration file and of
// the report, the frames of the choices (the main window's block, the tests,
// the fields and the two alignments), the help line, and the display box
// that lies over all of them while a report shows.
const WindowDesign &reportDesign();

// Puts the report window's hover-help texts into Help_Texts.
void fillReportHelpTexts(UiState &ui);

} // namespace zyt
