#include "graph_plot.h"

#include "compare/curve_fit.h"
#include "compare/graph_axes.h"
#include "model/graph_settings.h"
#include "model/graph_window_state.h"
#include "model/look_state.h"
#include "model/number_style.h"
#include "platform/color_number.h"
#include "platform/numbers.h"
#include "platform/platform.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace zyt {

namespace {

int roundEven(double value) { return int(std::nearbyint(value)); }

const QString captionLine1Default =
    QStringLiteral("User Supplied Text for Graph Caption Line 1 -- ADD HERE");
const QString captionLine2Default =
    QStringLiteral("User Supplied Text for Graph Caption Line 2 -- ADD HERE");

// The scale numbers of an axis from its high end down: entry k of `count`,
// the last one the high end itself; the low end gets none.
std::vector<QString> axisLabels(double low, double high, int count, const NumberStyle &numbers)
{
    const QChar decimal = numbers.localeDecimal;
    const QChar group = numbers.localeGroup;
    std::vector<QString> labels(size_t(std::max(count, 1)));
    for (int k = 0; k + 1 < count; ++k)
        labels[size_t(k)] =
            Format_Axis_Number(high - (high - low) / count * (count - k - 1), decimal, group);
    labels[labels.size() - 1] = Format_Axis_Number(high, decimal, group);
    return labels;
}

// The largest size from `largest` down to `smallest` at which `text` fits
// the plot's width from `left`; the smallest when none does.
void fitFontSize(DrawSurface &surface, const QString &text, int largest, int smallest, double left,
                 const GraphSetup &setup)
{
    for (int size = largest; size >= smallest; --size) {
        surface.setFontSize(size * setup.looks.Scale_Font);
        surface.setCurrentX(left);
        if (setup.settings.Graph_Width - left - surface.textWidth(text) >= 0.0)
            return;
    }
}

// A lift typed in a cell as a position across the plot, when it lies on it.
std::optional<double> liftPosition(const QString &text, const Graph_State &graph,
                                   const GraphSetup &setup)
{
    const std::optional<double> lift = tryParseNumber(text, setup.numbers.localeDecimal);
    if (!lift)
        return std::nullopt;
    const double x = *lift / graph.Graph_X_Step;
    if (!std::isfinite(x) || x < 0.0 || x > setup.settings.Graph_Width)
        return std::nullopt;
    return x;
}

void verticalLine(DrawSurface &surface, double x, const GraphSettings &settings,
                  const QColor &color)
{
    surface.line(QPointF(x, 0.0), QPointF(x, settings.Graph_Bottom_Edge), color);
}

// The grid's own line style, as the graph options menu stored it.
DrawStyle gridStyle(const GraphWindowState &Form60)
{
    return DrawStyle(std::clamp(Form60.Picture1_DrawStyle, 0, 2));
}

} // namespace

GraphMap GraphMap::of(const Graph_State &graph, const GraphSettings &settings)
{
    return GraphMap{graph.Graph_X_Low, graph.Graph_X_Step, graph.Graph_Y_Low, graph.Graph_Y_Step,
                    settings.Graph_Height};
}

void Draw_X_Axis_Grid(DrawSurface &surface, Graph_State &graph, const GraphSetup &setup,
                      bool automaticLines)
{
    GraphSettings &s = setup.settings;
    if (s.Grid_On != 1)
        return;
    s.Grid_Lines_X = 10;
    if (automaticLines) {
        const XDivisions divisions = autoXDivisions(graph.Graph_X_High, setup.metric);
        s.Grid_Lines_X = divisions.count;
        if (divisions.high != graph.Graph_X_High) {
            graph.Graph_X_High = divisions.high;
            graph.Graph_X_Step = (graph.Graph_X_High - graph.Graph_X_Low) / s.Graph_Width;
        }
    }
    const int savedWidth = surface.drawWidth();
    // The grid style is the grid's own; everything else is drawn solid.
    const DrawStyle style = gridStyle(setup.window);
    surface.setDrawWidth(style == DrawStyle::Solid && s.Grid_Line_Color == DefaultGridColor ? 2
                                                                                            : 1);
    surface.setDrawStyle(style);
    const QColor grid = colorFromNumber(s.Grid_Line_Color);
    const double right = s.Graph_Right_Edge;
    const double bottom = s.Graph_Bottom_Edge;
    surface.line(QPointF(right, 0.0), QPointF(right, bottom), grid);
    surface.lineTo(QPointF(0.0, bottom), grid);
    const double xBand = s.Graph_Width / s.Grid_Lines_X;
    for (int i = 0; i * xBand <= right; ++i)
        surface.line(QPointF(i * xBand, 0.0), QPointF(i * xBand, bottom), grid);
    const int yLines = std::max(1, s.Grid_Lines_Y);
    const double yBand = s.Graph_Height / yLines;
    for (int i = 0; i * yBand <= bottom; ++i)
        surface.line(QPointF(0.0, i * yBand), QPointF(right, i * yBand), grid);
    surface.setDrawStyle(DrawStyle::Solid);

    surface.setDrawWidth(3);
    const QColor black(0, 0, 0);
    surface.line(QPointF(right, 0.0), QPointF(right, bottom), black);
    surface.lineTo(QPointF(0.0, bottom), black);
    surface.line(QPointF(1.0, 0.0), QPointF(1.0, bottom), black);
    surface.line(QPointF(0.0, 1.0), QPointF(right, 1.0), black);
    surface.setDrawWidth(savedWidth);
}

void Draw_Graph_Axes(DrawSurface &surface, Graph_State &graph, const GraphSetup &setup,
                     const PlotOptions &options)
{
    const GraphSettings &s = setup.settings;
    const LookState &looks = setup.looks;
    const GraphWindowState &labels = setup.window;
    const int yLines = std::max(1, s.Grid_Lines_Y);
    const int xLines = std::max(1, s.Grid_Lines_X);
    const std::vector<QString> yLabels =
        axisLabels(graph.Graph_Y_Low, graph.Graph_Y_High, yLines, setup.numbers);
    const std::vector<QString> xLabels =
        axisLabels(graph.Graph_X_Low, graph.Graph_X_High, xLines, setup.numbers);
    const int plotRight = roundEven(s.Graph_Width);

    // Y numbers flush left just under each horizontal grid line, the high
    // end at the top.
    const double yBand = s.Graph_Height / yLines;
    for (int i = yLines - 1; i >= 0; --i) {
        surface.setCurrentY((yLines - 1 - i) * yBand + 2.0);
        Print_Centered_Text(surface, yLabels[size_t(i)], yLabels[size_t(i)] + u' ', 5, plotRight,
                            1);
    }

    // X numbers end one dash left of their grid line, above the bottom edge.
    const double h = surface.textHeight(xLabels[0] + u' ');
    const double dash = surface.textWidth(QStringLiteral("-"));
    const double row = roundEven(s.Graph_Bottom_Edge - (h + 0.05 * h));
    const double xBand = s.Graph_Width / xLines;
    for (int i = 0; i < xLines; ++i) {
        surface.setCurrentY(row);
        surface.setCurrentX(
            std::max(0.0, xBand * (i + 1) - (surface.textWidth(xLabels[size_t(i)]) + dash)));
        surface.print(xLabels[size_t(i)]);
    }

    graph.Legend_Offset = 1.15 * h;
    surface.setFontSize(24 * looks.Scale_Font);

    // Y caption at the top left, as large as fits.
    surface.setCurrentY(1.15 * h);
    fitFontSize(surface, labels.Label8, 24, 18, 62 * looks.Scale_X, setup);
    surface.print(labels.Label8);

    // X caption centred in the lowest band.
    surface.setFontSize(24 * looks.Scale_Font);
    const double halfWidth = surface.textWidth(labels.Label9) / 2.0;
    const double h2 = surface.textHeight(labels.Label8);
    const double lowBand = yBand * (yLines - 1);
    surface.setCurrentY(s.Graph_Height - lowBand - 2.0 * h2 >= 0.0 ? lowBand : lowBand - 1.1 * h2);
    surface.setCurrentX(std::max(0.0, s.Graph_Width / 2.0 - halfWidth));
    surface.print(labels.Label9);

    Draw_Graph_Legend(surface, graph, setup, options);

    // The user's caption lines under the plot, each as large as fits.
    const int start = looks.Scale_X / looks.Scale_Y > 1.1 ? 12 : 13;
    const struct {
        const QString &text;
        const QString &unchanged;
        double y;
    } lines[] = {{options.Text71, captionLine1Default, 601.0},
                 {options.Text72, captionLine2Default, 620.0}};
    for (const auto &line : lines) {
        const QString text = line.text == line.unchanged ? QStringLiteral("-") : line.text;
        fitFontSize(surface, text, start, 8, 20 * looks.Scale_X, setup);
        surface.setCurrentY(line.y * looks.Scale_Y);
        Print_Centered_Text(surface, text, text, 2, plotRight, 2);
    }

    surface.setCurrentY(s.Graph_Bottom_Edge);
    surface.setFontSize(12 * looks.Scale_Font);
}

void Draw_Graph_Legend(DrawSurface &surface, const Graph_State &graph, const GraphSetup &setup,
                       const PlotOptions &options)
{
    const LookState &looks = setup.looks;
    surface.setFontSize(12 * looks.Scale_Font);
    QStringList lines;
    switch (graph.Graph_Plus_Count) {
    case 0:
        lines << QStringLiteral("Intake = Blue / Exhaust = Red");
        break;
    case 1:
        lines << QStringLiteral("Intake = Dark Green / Exhaust = Black");
        break;
    case 2:
        lines << QStringLiteral("Intake = Cyan / Exhaust = Magenta");
        break;
    case 3:
        lines << QStringLiteral("Intake = Green / Exhaust = Brown");
        break;
    default:
        lines << QString();
        break;
    }
    if (options.fromTestLabel == options.toTestLabel) {
        lines << QStringLiteral("Flow Test ") + options.fromTestLabel;
    } else if (isPercentType(options.Option3)) {
        lines << QStringLiteral("Flow Test ") + options.fromTestLabel
              << QStringLiteral("Flow Test ") + options.toTestLabel;
    } else {
        lines << QStringLiteral("Thin Graph Lines Test ") + options.fromTestLabel
              << QStringLiteral("Thick Graph Lines Test ") + options.toTestLabel;
    }
    const double rows[] = {50.0, 69.0, 88.0};
    for (qsizetype i = 0; i < lines.size(); ++i) {
        surface.setCurrentX(62 * looks.Scale_X);
        surface.setCurrentY(rows[i] * looks.Scale_Y + graph.Legend_Offset);
        surface.print(lines[i]);
    }
}

void Plot_Line_To(DrawSurface &surface, const GraphMap &map, double x, double y,
                  const QColor &color)
{
    surface.lineTo(map(x, y), color);
}

void Plot_Line_To_2(DrawSurface &surface, const GraphMap &map, double x, double y,
                    const QColor &color)
{
    surface.dot(map(x, y), color);
}

void Draw_Segment(DrawSurface &surface, const GraphMap &map, double x1, double y1, double x2,
                  double y2, const QColor &color)
{
    surface.line(map(x1, y1), map(x2, y2), color);
}

void Draw_Dashed_Level_Line(DrawSurface &surface, const GraphMap &map, double xHigh, double y,
                            const QColor &color)
{
    for (int k = 0; k <= 100; k += 3)
        Draw_Segment(surface, map, xHigh / 100.0 * k, y, xHigh / 100.0 * (k + 1), y, color);
}

void Draw_Point_Circle(DrawSurface &surface, const GraphMap &map, double graphWidth, double x,
                       double y, double size, const QColor &color, double aspect)
{
    const double radius = std::pow(graphWidth / 600.0, 0.3333) * size;
    surface.circle(map(x, y), radius, color, aspect);
}

void Print_Centered_Text(DrawSurface &surface, const QString &text, const QString &measure,
                         int left, int right, int mode)
{
    const double width = surface.textWidth(measure);
    const double room = right - left;
    if (width >= room || mode == 1)
        surface.setCurrentX(left);
    else if (mode == 2)
        surface.setCurrentX(left + (room - width) / 2.0);
    else
        surface.setCurrentX(left + room - width);
    surface.print(text);
}

std::vector<QPointF> selectSeriesPoints(const Graph_State::Points &x, const Graph_State::Points &y,
                                        int count)
{
    std::vector<QPointF> points;
    const int n = std::clamp(count, 0, Graph_State::MaxPoints);
    for (int i = 0; i < n; ++i)
        if (points.empty() || y[size_t(i)] != 0.0)
            points.emplace_back(x[size_t(i)], y[size_t(i)]);
    return points;
}

void Draw_Fitted_Curve(DrawSurface &surface, const GraphMap &map,
                       const std::vector<QPointF> &points, double tension, int steps,
                       const QColor &color, bool markPoints, double graphWidth)
{
    const std::vector<QPointF> curve = curvePoints(points, tension, steps);
    for (size_t j = 1; j < curve.size(); ++j)
        Plot_Line_To(surface, map, curve[j].x(), curve[j].y(), color);
    if (markPoints)
        for (const QPointF &p : points)
            Draw_Point_Circle(surface, map, graphWidth, p.x(), p.y(), 4.0, color, 1.0);
}

QColor seriesColor(Series series, int pass)
{
    const bool intake = series == Series::FromIntake || series == Series::ToIntake;
    const bool from = series == Series::FromIntake || series == Series::FromExhaust;
    switch (pass) {
    case 0:
        if (intake)
            return from ? QColor(0, 0, 255) : QColor(0, 0, 192);
        return from ? QColor(255, 0, 0) : QColor(192, 0, 0);
    case 1:
        return intake ? QColor(0, 100, 0) : QColor(0, 0, 0);
    case 2:
        return intake ? QColor(0, 255, 255) : QColor(255, 0, 255);
    default:
        if (intake)
            return QColor(0, 255, 0);
        return from ? QColor(139, 0, 0) : QColor(165, 42, 42);
    }
}

QString graphProblemText()
{
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("There is a Problem Generating your Graph") + crlf + crlf +
           QStringLiteral("There is one known Problem which can cause this error and that is not "
                          "having enough data point to Graph.") +
           crlf + crlf +
           QStringLiteral("One cause of this is trying to Graph % Change when the 2 lift curve are "
                          "Identical") +
           crlf + crlf +
           QStringLiteral("If this is not the case then PLEASE SEND a Print Screen of the Compare "
                          "Screen to Customer Support.") +
           crlf;
}

bool Plot_Compare_Graph(DrawSurface &surface, Graph_State &graph, const GraphSetup &setup,
                        const PlotOptions &options, const Platform &platform)
{
    const GraphSettings &s = setup.settings;
    const int pass = graph.Graph_Plus_Count;
    if (pass == 0) {
        Draw_X_Axis_Grid(surface, graph, setup,
                         options.Option4 == GraphXAxis::ValveLift && options.Check2);
        Draw_Graph_Axes(surface, graph, setup, options);
    } else {
        graph.Legend_Offset = setup.looks.Scale_Y > 1.0 && pass == 1 ? 90.0 : 20.0 + 65.0 * pass;
        Draw_Graph_Legend(surface, graph, setup, options);
    }

    const GraphMap map = GraphMap::of(graph, s);
    struct Curve {
        Series series;
        const Graph_State::Points &x;
        const Graph_State::Points &y;
        int count;
        bool shown;
        const QString &quarterD;
        int width;
    };
    const bool intake = axisShowsIntake(options.Option4);
    const bool exhaust = axisShowsExhaust(options.Option4);
    const Curve curves[] = {
        {Series::FromIntake, graph.Graph_X_From, graph.Graph_From_Intake, graph.Graph_From_Count,
         intake, options.quarterD[0], 2},
        {Series::FromExhaust, graph.Graph_X_From, graph.Graph_From_Exhaust, graph.Graph_From_Count,
         exhaust, options.quarterD[1], 2},
        {Series::ToIntake, graph.Graph_X_To, graph.Graph_To_Intake, graph.Graph_To_Count, intake,
         options.quarterD[2], 4},
        {Series::ToExhaust, graph.Graph_X_To, graph.Graph_To_Exhaust, graph.Graph_To_Count, exhaust,
         options.quarterD[3], 4},
    };
    for (const Curve &curve : curves) {
        if (!curve.shown)
            continue;
        const std::vector<QPointF> points = selectSeriesPoints(curve.x, curve.y, curve.count);
        if (points.size() < 3) {
            platform.message(graphProblemText(), MsgButtons::Ok, MsgIcon::Exclamation);
            return false;
        }
        const QColor color = seriesColor(curve.series, pass);
        surface.setDrawWidth(curve.width);
        if (options.Check1)
            if (const std::optional<double> x = liftPosition(curve.quarterD, graph, setup))
                verticalLine(surface, *x, s, color);
        // Curves keep to the plot, however far a value lies off the axis.
        surface.setClipRect(QRectF(0.0, 0.0, s.Graph_Width, s.Graph_Height));
        Plot_Line_To_2(surface, map, points[0].x(), points[0].y(), color);
        Draw_Fitted_Curve(surface, map, points, graph.Curve_Tension, curve.count * 100 - 1, color,
                          options.Check3, s.Graph_Width);
        surface.clearClipRect();
    }

    const QColor black(0, 0, 0);
    surface.setDrawWidth(3);
    if (options.Text3 != u"-")
        if (const std::optional<double> x = liftPosition(options.Text3, graph, setup))
            verticalLine(surface, *x, s, black);
    surface.setDrawWidth(4);
    if (options.Text4 != u"-")
        if (const std::optional<double> x = liftPosition(options.Text4, graph, setup))
            verticalLine(surface, *x, s, black);
    return true;
}

} // namespace zyt
