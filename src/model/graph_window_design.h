#pragma once

#include "window_design.h"

namespace zyt {

class CellLayout;

// Room below the plot, in picture units before fitting, for the two caption
// lines the graph prints there.
inline constexpr int GraphCaptionRoom = 45;

// The graph window `Form60`: the graph picture with the logo inside it, the
// axis captions beside it, the drawing tools, the logo button and the
// pointer's read-out, and the save, print, capture and quit buttons.
const WindowDesign &graphWindowDesign();

// The graph window holds no cells of its own.
const CellLayout &graphWindowLayout();

} // namespace zyt
