#pragma once

namespace zyt {

class ProgramHooks;
struct AppState;
struct GraphSettings;
struct GraphWindowState;

// Menu "Graph Options". Each clears the graph picture when it changes a
// setting; the new settings show when the graph is next drawn. A cancelled
// colour dialog changes nothing, the picture included.
// "Select Font Color for Use on Graphs"
void FontColor_Click(GraphWindowState &Form60, AppState &st, ProgramHooks &hooks);
// "Select Grid Line Color for Use on Graphs"
void Grid_Color_Click(AppState &st, ProgramHooks &hooks);
// Submenu "Select Graph Grid Line Style": "Set Grid Lines as Long", "Set
// Grid Lines as Dash", "Set Grid Lines as Dot" and "Set NO Grid Lines".
void Grid_Long_Click(GraphWindowState &Form60, GraphSettings &graph, ProgramHooks &hooks);
void Grid_Dash_Click(GraphWindowState &Form60, GraphSettings &graph, ProgramHooks &hooks);
void Grid_Dot_Click(GraphWindowState &Form60, GraphSettings &graph, ProgramHooks &hooks);
void Grid_None_Click(GraphWindowState &Form60, GraphSettings &graph, ProgramHooks &hooks);

} // namespace zyt
