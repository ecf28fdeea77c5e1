#pragma once

#include "compare/graph_plot.h"
#include "model/compare_table_view.h"

#include <QString>

namespace zyt {

class DrawSurface;
struct AppState;
struct GraphWindowState;

// What the drawing reads of the compare window.
PlotOptions plotOptions(const CompareTableView &table);

// "&Graph": recalculates the table, reads its lift rows into `st.plot`,
// works out both axes and the captions of `Form60`, lets the filters and
// the user's Y axis act, draws the graph on the cleared `picture` and shows
// the graph window.
void Command2_Click(const CompareTableView &Form50, GraphWindowState &Form60, DrawSurface &picture,
                    AppState &st, CompareWindowHooks &hooks);

// "Graph &Plus": up to three more sets of curves over the present graph, on
// its axes.
void Graph_Plus_Click(const CompareTableView &Form50, GraphWindowState &Form60,
                      DrawSurface &picture, AppState &st, CompareWindowHooks &hooks);

} // namespace zyt
