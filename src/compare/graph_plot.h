#pragma once

#include "model/graph_state.h"
#include "platform/draw_surface.h"

#include <QColor>
#include <QPointF>
#include <QString>

#include <array>
#include <vector>

namespace zyt {

struct GraphSettings;
struct GraphWindowState;
struct LookState;
struct NumberStyle;
struct Platform;

// What the graph is drawn with besides its own state: the program's graph
// settings (plot size, grid; the automatic X grid writes its division count
// back), the graph window's grid style, text colour and captions, the
// screen fitting's factors, the units and the number style.
struct GraphSetup {
    GraphSettings &settings;
    const GraphWindowState &window;
    const LookState &looks;
    const NumberStyle &numbers;
    bool metric = false;
};

// What the drawing reads of the compare window, as its controls stand.
struct PlotOptions {
    int Option3 = 0;     // comparison type, -1 none
    int Option4 = 0;     // X axis, -1 none
    bool Check1 = true;  // lines at a quarter of the valve diameter
    bool Check2 = false; // automatic number of X lines
    bool Check3 = false; // circles on the data points
    // The quarter-diameter lifts of From intake, From exhaust, To intake and
    // To exhaust (`Text102` to `Text105`, row 11).
    std::array<QString, 4> quarterD;
    QString Text3 = QStringLiteral("-"); // "Valve Lift 1" marker, "-" unused
    QString Text4 = QStringLiteral("-"); // "Valve Lift 2" marker
    QString Text71;                      // caption lines under the plot
    QString Text72;
    QString fromTestLabel;
    QString toTestLabel;
};

// From graph values to the picture's units: x from the low end rightwards,
// y from the bottom of the plot upwards.
struct GraphMap {
    double xLow = 0.0;
    double xStep = 1.0;
    double yLow = 0.0;
    double yStep = 1.0;
    double height = 600.0;

    static GraphMap of(const Graph_State &graph, const GraphSettings &settings);
    QPointF operator()(double x, double y) const
    {
        return QPointF((x - xLow) / xStep, height - (y - yLow) / yStep);
    }
};

// The grid: automatic X divisions (when `automaticLines`), the grid lines in
// the grid colour and style, and the black frame. Nothing without the grid.
void Draw_X_Axis_Grid(DrawSurface &surface, Graph_State &graph, const GraphSetup &setup,
                      bool automaticLines);

// Scale numbers, the axis captions (`Label8`, `Label9`), the legend and the
// user's two caption lines.
void Draw_Graph_Axes(DrawSurface &surface, Graph_State &graph, const GraphSetup &setup,
                     const PlotOptions &options);

// The colour line of the pass and the tests' lines.
void Draw_Graph_Legend(DrawSurface &surface, const Graph_State &graph, const GraphSetup &setup,
                       const PlotOptions &options);

// Curve primitives in graph values.
void Plot_Line_To(DrawSurface &surface, const GraphMap &map, double x, double y,
                  const QColor &color);
void Plot_Line_To_2(DrawSurface &surface, const GraphMap &map, double x, double y,
                    const QColor &color);
void Draw_Segment(DrawSurface &surface, const GraphMap &map, double x1, double y1, double x2,
                  double y2, const QColor &color);
// Dashes of 1 % of the X range every 3 % at level y.
void Draw_Dashed_Level_Line(DrawSurface &surface, const GraphMap &map, double xHigh, double y,
                            const QColor &color);
void Draw_Point_Circle(DrawSurface &surface, const GraphMap &map, double graphWidth, double x,
                       double y, double size, const QColor &color, double aspect);

// Writes `text` between `left` and `right` as `measure` would fit: mode 1
// flush left, 2 centred, otherwise flush right; too wide, it starts at left.
void Print_Centered_Text(DrawSurface &surface, const QString &text, const QString &measure,
                         int left, int right, int mode);

// The series of a graph row, as the plot chooses them: the first point
// always, later ones only when their value is not 0.
std::vector<QPointF> selectSeriesPoints(const Graph_State::Points &x, const Graph_State::Points &y,
                                        int count);

// Draws the fitted curve through `points` as `steps` lines from the pen,
// which stands at the first point, and circles on the points when asked.
void Draw_Fitted_Curve(DrawSurface &surface, const GraphMap &map,
                       const std::vector<QPointF> &points, double tension, int steps,
                       const QColor &color, bool markPoints, double graphWidth);

// The colour of a series for a pass (0 the graph, 1 to 3 Graph Plus).
enum class Series { FromIntake, FromExhaust, ToIntake, ToExhaust };
QColor seriesColor(Series series, int pass);

// The problem box shown when a series has too few points to draw.
QString graphProblemText();

// Draws one pass of the compare graph: grid, axes and legend for the graph
// itself, the legend alone for a Graph Plus pass; then the four series the X
// axis admits and the two marker lines. A series with fewer than 3 points
// shows the problem box and ends the pass; false then.
bool Plot_Compare_Graph(DrawSurface &surface, Graph_State &graph, const GraphSetup &setup,
                        const PlotOptions &options, const Platform &platform);

} // namespace zyt
