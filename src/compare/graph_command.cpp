#include "graph_command.h"

#include "calc/formats.h"
#include "compare/graph_axes.h"
#include "model/app_state.h"
#include "model/graph_window_state.h"
#include "platform/color_number.h"
#include "platform/draw_surface.h"
#include "platform/numbers.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace zyt {

namespace {

const QString crlf = QStringLiteral("\r\n");

// The table columns one test's points come from.
struct SideColumns {
    int x;
    int intakeValue; // the copied values (group A)
    int exhaustValue;
    int intakeResult; // energies and percentage changes (groups B and C)
    int exhaustResult;
};
constexpr SideColumns fromColumns{101, 102, 103, 107, 108};
constexpr SideColumns toColumns{106, 104, 105, 109, 110};

struct SideArrays {
    std::int32_t &count;
    Graph_State::Points &x;
    Graph_State::Points &intake;
    Graph_State::Points &exhaust;
};

// One value cell of a lift row: empty, a number, or neither.
struct CellValue {
    bool empty = true;
    std::optional<double> value;
};

CellValue readCell(const QString &text, QChar decimal)
{
    CellValue cell;
    cell.empty = text.isEmpty();
    cell.value = cell.empty ? std::optional<double>(0.0) : tryParseNumber(text, decimal);
    return cell;
}

// Reads one test's lift rows 16 to 30 into its arrays and takes part in the
// search for the Y axis. A row whose X is the text "0" (row 16 excepted)
// gives no point; nor does a row whose cells hold no number where a number
// is needed.
void readSide(const CompareTableView &table, const SideColumns &columns, const SideArrays &out,
              int type, int xAxis, bool showBig, QChar decimal, double &xHigh, YSearch &found)
{
    const TypeGroup group = typeGroup(type);
    const bool intakeCounts = axisShowsIntake(xAxis);
    const bool exhaustCounts = axisShowsExhaust(xAxis);
    const bool lowFromIntake =
        type == GraphType::Swirl || (type == GraphType::EffectiveVelocity && showBig);
    int k = 0;
    for (int row = 16; row <= 30; ++row) {
        const QString xText = table.cellText(columns.x, row);
        const bool zeroText = xText == u"0";
        if (zeroText && row != 16)
            continue;
        const std::optional<double> x = tryParseNumber(xText, decimal);
        if (!x)
            continue;
        CellValue intake{true, 0.0};
        CellValue exhaust{true, 0.0};
        if (group == TypeGroup::A) {
            intake = readCell(table.cellText(columns.intakeValue, row), decimal);
            exhaust = readCell(table.cellText(columns.exhaustValue, row), decimal);
            if (intake.empty || exhaust.empty)
                continue;
        } else if (group != TypeGroup::None) {
            intake = readCell(table.cellText(columns.intakeResult, row), decimal);
            exhaust = readCell(table.cellText(columns.exhaustResult, row), decimal);
        }
        if (!intake.value || !exhaust.value)
            continue;

        out.x[size_t(k)] = *x;
        out.intake[size_t(k)] = *intake.value;
        out.exhaust[size_t(k)] = *exhaust.value;
        xHigh = std::max(xHigh, *x);
        if (!zeroText) {
            const bool intakeCandidate = !intake.empty && intakeCounts;
            const bool exhaustCandidate = !exhaust.empty && exhaustCounts;
            auto lower = [&found](double v) {
                found.lowFound = true;
                found.low = std::min(found.low, v);
            };
            if (intakeCandidate)
                found.high = std::max(found.high, *intake.value);
            if (exhaustCandidate)
                found.high = std::max(found.high, *exhaust.value);
            if (group == TypeGroup::A && lowFromIntake && intakeCandidate)
                lower(*intake.value);
            if (isPercentType(type)) {
                if (intakeCandidate)
                    lower(*intake.value);
                if (exhaustCandidate)
                    lower(*exhaust.value);
            }
        }
        ++k;
    }
    out.count = k;
}

// Both tests' points, the greatest X and the Y search.
YSearch readPoints(Graph_State &graph, const CompareTableView &table, int type, int xAxis,
                   bool showBig, QChar decimal)
{
    graph.clearPoints();
    YSearch found;
    found.low = yLowSearchStart(type, showBig);
    double xHigh = graph.Graph_X_High;
    readSide(table, fromColumns,
             SideArrays{graph.Graph_From_Count, graph.Graph_X_From, graph.Graph_From_Intake,
                        graph.Graph_From_Exhaust},
             type, xAxis, showBig, decimal, xHigh, found);
    readSide(table, toColumns,
             SideArrays{graph.Graph_To_Count, graph.Graph_X_To, graph.Graph_To_Intake,
                        graph.Graph_To_Exhaust},
             type, xAxis, showBig, decimal, xHigh, found);
    graph.Graph_X_High = xHigh;
    return found;
}

struct CaptionPair {
    const char *arrow;
    const char *plain;
};

void setXCaptions(GraphWindowState &labels, int xAxis, bool metric)
{
    CaptionPair pair{"<--- Exhaust Valve Lift as L/D", "Exhaust Valve Lift as L/D"};
    if (xAxis == GraphXAxis::ValveLift)
        pair = metric ? CaptionPair{"<--- Valve Lift mm", "Valve Lift mm"}
                      : CaptionPair{"<--- Valve Lift Inches * 1000", "Valve Lift Inches * 1000"};
    else if (xAxis == GraphXAxis::IntakeLd)
        pair = {"<--- Intake Valve Lift as L/D", "Intake Valve Lift as L/D"};
    labels.Label3 = QString::fromLatin1(pair.arrow);
    labels.Label9 = QString::fromLatin1(pair.plain);
}

void setYCaptions(GraphWindowState &labels, int type, bool metric)
{
    static const CaptionPair standard[] = {
        {"<--- CFM @ 28\"", "CFM @ 28\""},
        {"<--- CFM Sq In", "CFM Sq In"},
        {"<--- Port Velocity - Ft/Sec", "Port Velocity - Ft/Sec"},
        {"<--- Port Energy - Ft/Lbs", "Port Energy - Ft/Lbs"},
        {"<--- Port Energy  Density Ft-Lbs/Sq Inch/Foot",
         "Port Energy Density Ft-Lbs/Sq Inch/Foot"},
        {"<--- Effective Velocity - Ft/Sec", "Effective Velocity - Ft/Sec"},
        {"<--- Swirl RPM", "Swirl RPM"},
        {"<--- SAE CD", "SAE Coefficient of Discharge"},
        {"<--- Effecetive SAE CD", "Effecetive SAE Coefficient of Discharge"},
        {"<--- % Flow Change", "% Flow Change"},
        {"<--- % CFM Per Sq/Inch Change", "% CFM Per Sq/Inch Change"},
        {"<--- % SAE CD Change", "% SAE CD Change"},
        {"<--- % Mean Port Velocity Change", "% Mean Port Velocity Change"},
        {"<--- % Effective SAE CD Change", "% Effective SAE CD Change"},
        {"<--- % Effectivet Velocity Change", "% Effective Velocity Change"},
        {"<--- % Swirl Change", "% Swirl Change"},
        {"<--- % Port Energy Change", "% Port Energy Change"},
        {"<--- % Port Energy Density Change", "% Port Energy Density Change"},
    };
    static const CaptionPair metricUnits[] = {
        {"<--- M^3 @ 28\"", "M^3 @ 28\""},
        {"<--- M^3 Min Sq mm", "M^3 Min Sq mm"},
        {"<--- Port Velocity - M/Sec", "Port Velocity - M/Sec"},
        {"<--- Port Energy - Joules", "Port Energy - Joules"},
        {"<--- Port Energy  Density Joules/Sq mm/Meter", "Port Energy Density Joules/Sq mm/Meter"},
        {"<--- Effective Velocity - M/Sec", "Effective Velocity - M/Sec"},
    };
    if (type < 0 || type > GraphType::LastPercent) {
        labels.Label4 = QStringLiteral("<--- Port");
        labels.Label8 = QStringLiteral("Port");
        return;
    }
    const CaptionPair &pair =
        metric && type <= GraphType::EffectiveVelocity ? metricUnits[type] : standard[type];
    labels.Label4 = QString::fromLatin1(pair.arrow);
    labels.Label8 = QString::fromLatin1(pair.plain);
}

// What one pass of a graph command works with.
struct GraphPass {
    const CompareTableView &table;
    GraphWindowState &window;
    DrawSurface &picture;
    Graph_State &graph;
    GraphSetup setup;
    const Platform &platform;

    GraphPass(const CompareTableView &Form50, GraphWindowState &Form60, DrawSurface &surface,
              AppState &st)
        : table(Form50), window(Form60), picture(surface),
          graph(st.plot), setup{st.graph, Form60, st.looks, st.numbers, st.Metric()},
          platform(st.platform)
    {
    }

    QString format6(double value) const
    {
        return formatNumber(value, 1, 6, false, setup.numbers.localeDecimal,
                            setup.numbers.localeGroup);
    }
    void tell(const QString &text) const
    {
        platform.message(text, MsgButtons::Ok, MsgIcon::Exclamation);
    }

    // An axis of no width, or one turned over, leaves nothing to draw: says
    // so and tells which.
    bool checkRange() const
    {
        const Graph_State &g = graph;
        const auto usable = [](double low, double high, double step) {
            return high > low && std::isfinite(step) && step > 0.0;
        };
        const bool x = usable(g.Graph_X_Low, g.Graph_X_High, g.Graph_X_Step);
        const bool y = usable(g.Graph_Y_Low, g.Graph_Y_High, g.Graph_Y_Step);
        if (x && y)
            return true;
        const QString axis = x ? QStringLiteral("Y_Axis") : QStringLiteral("X_Axis");
        const double low = x ? g.Graph_Y_Low : g.Graph_X_Low;
        const double high = x ? g.Graph_Y_High : g.Graph_X_High;
        tell(QStringLiteral("There is Nothing to Graph.") + crlf + crlf + QStringLiteral("The ") +
             axis + QStringLiteral(" runs from ") + format6(low) + QStringLiteral(" to ") +
             format6(high) + QStringLiteral("."));
        return false;
    }

    void plot()
    {
        picture.setForeColor(colorFromNumber(window.Picture1_ForeColor));
        Plot_Compare_Graph(picture, graph, setup, plotOptions(table), platform);
    }

    void drawZeroLine(int xAxis)
    {
        const Graph_State &g = graph;
        const GraphSettings &s = setup.settings;
        const GraphMap map = GraphMap::of(g, s);
        const QColor black(0, 0, 0);
        if (xAxis == GraphXAxis::ValveLift) {
            picture.setDrawWidth(5);
            Draw_Dashed_Level_Line(picture, map, g.Graph_X_High, 0.0, black);
        } else {
            picture.setDrawWidth(6);
            Draw_Segment(picture, map, 0.0, 0.0, g.Graph_X_High, 0.0, black);
        }
        picture.setCurrentX(5.0);
        picture.setCurrentY(g.Graph_Y_Low / g.Graph_Y_Step + s.Graph_Height + 2.0);
        const QString text = QStringLiteral("0.0 - Zero Line ");
        Print_Centered_Text(picture, text, text, int(std::nearbyint(g.Graph_Top + 2.0)),
                            int(std::nearbyint(s.Graph_Width)), 3);
    }
};

bool dropsZeroStart(int type)
{
    switch (type) {
    case GraphType::CfmPerSqInch:
    case GraphType::EffectiveVelocity:
    case GraphType::Swirl:
    case GraphType::SaeCd:
    case GraphType::EffectiveSaeCd:
        return true;
    default:
        return isPercentType(type);
    }
}

} // namespace

PlotOptions plotOptions(const CompareTableView &table)
{
    PlotOptions o;
    o.Option3 = table.comparisonType();
    o.Option4 = table.xAxis();
    o.Check1 = table.isChecked(1);
    o.Check2 = table.isChecked(2);
    o.Check3 = table.isChecked(3);
    for (int i = 0; i < 4; ++i)
        o.quarterD[size_t(i)] = table.cellText(102 + i, 11);
    o.Text3 = table.entryText(3);
    o.Text4 = table.entryText(4);
    o.Text71 = table.entryText(71);
    o.Text72 = table.entryText(72);
    o.fromTestLabel = table.fromTestLabel();
    o.toTestLabel = table.toTestLabel();
    return o;
}

void Command2_Click(const CompareTableView &Form50, GraphWindowState &Form60, DrawSurface &picture,
                    AppState &st, CompareWindowHooks &hooks)
{
    // Stale cells after a failed calculation would be drawn as if current.
    if (!hooks.calculate())
        return;
    GraphPass run(Form50, Form60, picture, st);
    Graph_State &g = run.graph;
    const GraphSettings &s = run.setup.settings;
    const NumberStyle &numbers = run.setup.numbers;
    const bool metric = run.setup.metric;
    const int type = Form50.comparisonType();
    const int xAxis = Form50.xAxis();
    const bool showBig = Form50.isChecked(4);

    g.Graph_Plus_Count = 0;
    g.Curve_Tension = 50;
    g.Graph_X_Low = g.Graph_X_High = 0.0;
    const YSearch found = readPoints(g, Form50, type, xAxis, showBig, numbers.localeDecimal);
    g.Graph_Y_High = 0.0;
    g.Graph_Y_Low = yLowSearchStart(type, showBig);
    if (xAxis == GraphXAxis::IntakeLd || xAxis == GraphXAxis::ExhaustLd)
        g.Graph_X_High = roundLdHigh(g.Graph_X_High);
    g.Graph_X_Step = (g.Graph_X_High - g.Graph_X_Low) / s.Graph_Width;

    setXCaptions(Form60, xAxis, metric);
    picture.clear();
    setYCaptions(Form60, type, metric);
    if (typeGroup(type) == TypeGroup::None) {
        hooks.showGraphWindow();
        return;
    }

    applyYAxisRule(g, type, found, metric, showBig, s.Graph_Height);
    if (dropsZeroStart(type))
        Drop_Zero_Start_Point(g);
    // Port energy density keeps its own axis.
    if (type != GraphType::PortEnergyDensity)
        Apply_User_Y_Axis(g, type, Form50.entryText(1), Form50.entryText(2), s.Graph_Height,
                          numbers, st.platform);
    if (run.checkRange()) {
        run.plot();
        if (isPercentType(type) && g.Graph_Y_Low < 0.0)
            run.drawZeroLine(xAxis);
    }
    hooks.showGraphWindow();
}

void Graph_Plus_Click(const CompareTableView &Form50, GraphWindowState &Form60,
                      DrawSurface &picture, AppState &st, CompareWindowHooks &hooks)
{
    Graph_State &g = st.plot;
    if (g.Graph_Plus_Count >= 3) {
        st.platform.message(QStringLiteral("You are seeing this Message for one of 2 reasons") +
                                crlf + crlf +
                                QStringLiteral("1) You don't do a Graph before doing Graph Plus") +
                                crlf + QStringLiteral("2) You are trying to do to many Graph Plus"),
                            MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    if (!hooks.calculate())
        return;
    GraphPass run(Form50, Form60, picture, st);
    const int type = Form50.comparisonType();
    ++g.Graph_Plus_Count;
    g.Curve_Tension = 50;
    // The new curves go onto the first graph's axes: the search is not used.
    const double xHigh = g.Graph_X_High;
    readPoints(g, Form50, type, Form50.xAxis(), Form50.isChecked(4),
               run.setup.numbers.localeDecimal);
    g.Graph_X_High = xHigh;
    if (dropsZeroStart(type))
        Drop_Zero_Start_Point(g);
    if (run.checkRange())
        run.plot();
    hooks.showGraphWindow();
}

} // namespace zyt
