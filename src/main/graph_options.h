#pragma once

#include <cstdint>
#include <optional>

namespace zyt {

struct AppState;
struct GraphSettings;
struct LookState;
struct Platform;
struct GraphWindowState;

// Shows the colour dialog, opened on the colour chosen last. The chosen
// colour, or nothing after "No Color Selected".
std::optional<std::int32_t> Get_Color(LookState &looks, const Platform &platform);

// Menu "Graph Options". Each clears the graph picture when it changes a
// setting; the new settings show when the graph is next drawn. A cancelled
// colour dialog changes nothing, the picture included.
// "Select Font Color for Use on Graphs"
void FontColor_Click(GraphWindowState &Form60, AppState &st);
// "Select Grid Line Color for Use on Graphs"
void Grid_Color_Click(GraphWindowState &Form60, AppState &st);
// Submenu "Select Graph Grid Line Style".
void Grid_Long_Click(GraphWindowState &Form60, GraphSettings &graph); // "Set Grid Lines as Long"
void Grid_Dash_Click(GraphWindowState &Form60, GraphSettings &graph); // "Set Grid Lines as Dash"
void Grid_Dot_Click(GraphWindowState &Form60, GraphSettings &graph);  // "Set Grid Lines as Dot"
void Grid_None_Click(GraphWindowState &Form60, GraphSettings &graph); // "Set NO Grid Lines"

} // namespace zyt
