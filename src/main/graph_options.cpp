#include "graph_options.h"

#include "model/app_state.h"
#include "model/color_choice.h"
#include "model/compare_model.h"
#include "model/graph_window_state.h"
#include "model/program_hooks.h"

namespace zyt {

namespace {

void setGrid(GraphWindowState &Form60, GraphSettings &graph, ProgramHooks &hooks, int drawStyle,
             int on)
{
    hooks.clearGraphPicture();
    Form60.Picture1_DrawStyle = drawStyle;
    graph.Grid_On = on;
}

} // namespace

void FontColor_Click(GraphWindowState &Form60, AppState &st, ProgramHooks &hooks)
{
    // Cleared only once a colour was chosen: a cancel must not cost the user
    // the graph and its annotations.
    if (const std::optional<std::int32_t> color = Get_Color(st.looks, st.platform)) {
        hooks.clearGraphPicture();
        Form60.Picture1_ForeColor = *color;
    }
}

void Grid_Color_Click(AppState &st, ProgramHooks &hooks)
{
    if (const std::optional<std::int32_t> color = Get_Color(st.looks, st.platform)) {
        st.graph.Grid_Line_Color = *color;
        hooks.clearGraphPicture();
        st.graph.Grid_On = 1;
    }
}

void Grid_Long_Click(GraphWindowState &Form60, GraphSettings &graph, ProgramHooks &hooks)
{
    setGrid(Form60, graph, hooks, 0, 1);
}

void Grid_Dash_Click(GraphWindowState &Form60, GraphSettings &graph, ProgramHooks &hooks)
{
    setGrid(Form60, graph, hooks, 1, 1);
}

void Grid_Dot_Click(GraphWindowState &Form60, GraphSettings &graph, ProgramHooks &hooks)
{
    setGrid(Form60, graph, hooks, 2, 1);
}

void Grid_None_Click(GraphWindowState &Form60, GraphSettings &graph, ProgramHooks &hooks)
{
    setGrid(Form60, graph, hooks, 0, 0);
}

} // namespace zyt
