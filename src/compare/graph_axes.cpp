#include "graph_axes.h"

#include "calc/formats.h"
#include "model/number_style.h"
#include "platform/numbers.h"
#include "platform/platform.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace zyt {

namespace {

const QString crlf = QStringLiteral("\r\n");

// "#.0#####" and "#.0###": at least one decimal and no zero before the
// decimal character.
QString axisMask(double value, int maxDecimals, QChar decimal, QChar group)
{
    QString s = formatNumber(value, 1, maxDecimals, false, decimal, group);
    if (s.size() > 1 && s[0] == u'0' && s[1] == decimal)
        s.remove(0, 1);
    else if (s.size() > 2 && s[0] == u'-' && s[1] == u'0' && s[2] == decimal)
        s.remove(1, 1);
    return s;
}

void cutTo(QString &s, int length)
{
    if (s.size() > length)
        s.truncate(length);
}

bool charAt(const QString &s, int position, QChar c)
{
    return s.size() >= position && s[position - 1] == c;
}

// Trailing zero decimals go, while the text stays longer than `keep`. The
// scale numbers look for the point itself, whatever the locale.
void dropTrailingZeros(QString &s, int keep)
{
    if (s.size() > keep && s.endsWith(QStringLiteral(".0")))
        s.chop(2);
    if (s.size() > keep + 1 && s.endsWith(QStringLiteral(".00")))
        s.chop(3);
    if (s.size() > keep + 2 && s.endsWith(QStringLiteral(".000")))
        s.chop(4);
}

double highByTens(double high) { return std::floor(high / 10.0) * 10.0 + 10.0; }

QString format6(double value, const NumberStyle &numbers)
{
    return formatNumber(value, 1, 6, false, numbers.localeDecimal, numbers.localeGroup);
}

int ask(const Platform &platform, const QString &text)
{
    return platform.message(text, MsgButtons::YesNo);
}

// A user value refused or replaced: a failure box, as every failure box of
// the compare window and its graph but the calculation's error.
void tell(const Platform &platform, const QString &text)
{
    platform.message(text, MsgButtons::Ok, MsgIcon::Exclamation);
}

// The number of a user entry; "-" and text that holds no number are unused.
std::optional<double> entryValue(const QString &text, QChar decimal)
{
    if (text == u"-")
        return std::nullopt;
    return tryParseNumber(text, decimal);
}

void setYStep(Graph_State &graph, double graphHeight)
{
    graph.Graph_Y_Step = (graph.Graph_Y_High - graph.Graph_Y_Low) / graphHeight;
}

} // namespace

TypeGroup typeGroup(int type)
{
    switch (type) {
    case GraphType::Cfm:
    case GraphType::CfmPerSqInch:
    case GraphType::MeanPortVelocity:
    case GraphType::EffectiveVelocity:
    case GraphType::Swirl:
    case GraphType::SaeCd:
    case GraphType::EffectiveSaeCd:
        return TypeGroup::A;
    case GraphType::PortEnergyDensity:
        return TypeGroup::B;
    case GraphType::PortEnergy:
        return TypeGroup::C;
    default:
        return isPercentType(type) ? TypeGroup::C : TypeGroup::None;
    }
}

QString Format_Axis_Number(double value, QChar decimal, QChar group)
{
    const double v = value;
    if (v == 0.0)
        return QStringLiteral("0");
    QString s = axisMask(v, 6, decimal, group);
    if (v >= 99999.0 || v <= -99999.0) {
        const qsizetype point = s.indexOf(u'.');
        if (point >= 0)
            s.truncate(point);
    } else if (v >= 1.0) {
        cutTo(s, 5);
        if (charAt(s, 5, u'.'))
            cutTo(s, 4);
        if (v > 750.0 && v < 999.9)
            cutTo(s, 3);
        dropTrailingZeros(s, 2);
    } else if (v >= 0.1) {
        s = axisMask(v, 4, decimal, group);
    } else if (v >= 0.001) {
        cutTo(s, 6);
    } else if (v > 0.0) {
        // as written
    } else if (v <= -1.0) {
        cutTo(s, 6);
        if (charAt(s, 6, u'.'))
            cutTo(s, 5);
        if (-v > 750.0 && -v < 999.9)
            cutTo(s, 4);
        dropTrailingZeros(s, 3);
    } else if (v <= -0.001) {
        cutTo(s, 7);
    }
    return s;
}

XDivisions autoXDivisions(double xHigh, bool metric)
{
    double size = 0.0;
    if (metric)
        size = xHigh <= 20.0 ? 1.0 : xHigh <= 40.0 ? 2.0 : 3.0;
    else
        size = xHigh <= 425.0 ? 25.0 : xHigh <= 750.0 ? 50.0 : 100.0;
    XDivisions result{10, xHigh};
    if (!std::isfinite(xHigh))
        return result;
    double n = std::floor(xHigh / size);
    double high = xHigh;
    if (n * size != xHigh) {
        n += 1.0;
        high = n * size;
    }
    // A count the scale cannot hold (no lift at all, or thousandths typed
    // while in millimetres) keeps the plain ten divisions.
    if (n < 1.0 || n > 128.0)
        return result;
    return XDivisions{int(n), high};
}

double roundLdHigh(double xHigh) { return std::floor((xHigh + 0.00999) * 100.0) / 100.0; }

double yLowSearchStart(int type, bool showBig)
{
    return (type == GraphType::EffectiveVelocity || type == GraphType::Swirl) && showBig ? 99999.0
                                                                                         : 0.0;
}

void applyYAxisRule(Graph_State &graph, int type, const YSearch &found, bool metric, bool showBig,
                    double graphHeight)
{
    const double high = found.high;
    const double low = found.low;
    double &yLow = graph.Graph_Y_Low;
    double &yHigh = graph.Graph_Y_High;
    switch (type) {
    case GraphType::Cfm:
        yLow = 0.0;
        yHigh = metric ? std::floor(high) + 1.0 : highByTens(high);
        break;
    case GraphType::CfmPerSqInch:
        yLow = metric ? 900.0 : 50.0;
        yHigh = metric ? 2750.0 : 150.0;
        break;
    case GraphType::MeanPortVelocity:
        yLow = 0.0;
        yHigh = highByTens(high);
        break;
    case GraphType::PortEnergy:
    case GraphType::PortEnergyDensity:
        yLow = 0.0;
        yHigh = std::floor(high) + 1.0;
        break;
    case GraphType::EffectiveVelocity:
        yHigh = highByTens(high);
        yLow =
            showBig && found.lowFound ? std::max(0.0, (std::floor(low / 10.0) - 1.0) * 10.0) : 0.0;
        break;
    case GraphType::Swirl:
        yHigh = highByTens(high);
        if (!showBig)
            yLow = low;
        else if (!found.lowFound)
            yLow = 0.0; // the low end without "Show Big": no value lay below 0
        else
            yLow = low > 0.0 ? std::max(0.0, (std::floor(low / 10.0) - 2.0) * 10.0) : low;
        break;
    case GraphType::SaeCd:
    case GraphType::EffectiveSaeCd: {
        const double base = type == GraphType::SaeCd ? 0.4 : 0.5;
        yHigh = (std::floor(high * 10.0) + 2.0) / 10.0;
        yLow = base;
        Lower_Y_Low_To_Data(graph);
        if (yLow < base)
            yLow = std::floor(yLow * 10.0) / 10.0;
        break;
    }
    default:
        if (!isPercentType(type))
            return;
        yLow = std::floor(low);
        yHigh = high > 0.0 ? std::floor(high) + 1.0 : high;
        break;
    }
    setYStep(graph, graphHeight);
}

void Drop_Zero_Start_Point(Graph_State &graph)
{
    auto drop = [](std::int32_t &count, Graph_State::Points &x, Graph_State::Points &intake,
                   Graph_State::Points &exhaust) {
        for (int i = 0; i + 1 < count; ++i) {
            x[size_t(i)] = x[size_t(i) + 1];
            intake[size_t(i)] = intake[size_t(i) + 1];
            exhaust[size_t(i)] = exhaust[size_t(i) + 1];
        }
        --count;
    };
    if (graph.Graph_From_Count >= 1 && graph.Graph_From_Intake[0] == 0.0)
        drop(graph.Graph_From_Count, graph.Graph_X_From, graph.Graph_From_Intake,
             graph.Graph_From_Exhaust);
    if (graph.Graph_To_Count >= 1 && graph.Graph_To_Exhaust[0] == 0.0)
        drop(graph.Graph_To_Count, graph.Graph_X_To, graph.Graph_To_Intake, graph.Graph_To_Exhaust);
}

void Lower_Y_Low_To_Data(Graph_State &graph)
{
    auto lower = [&graph](const Graph_State::Points &values, std::int32_t count) {
        const int n = std::clamp(int(count), 0, Graph_State::MaxPoints);
        for (int i = 0; i < n; ++i) {
            const double v = values[size_t(i)];
            if (v > 0.01 && v < graph.Graph_Y_Low)
                graph.Graph_Y_Low = v;
        }
    };
    lower(graph.Graph_From_Intake, graph.Graph_From_Count);
    lower(graph.Graph_From_Exhaust, graph.Graph_From_Count);
    lower(graph.Graph_To_Intake, graph.Graph_To_Count);
    lower(graph.Graph_To_Exhaust, graph.Graph_To_Count);
}

void Apply_User_Y_Axis(Graph_State &graph, int type, const QString &Text1, const QString &Text2,
                       double graphHeight, const NumberStyle &numbers, const Platform &platform)
{
    const QChar decimal = numbers.localeDecimal;
    const bool percent = isPercentType(type);
    bool highTaken = false;
    if (Text2 != u"-") {
        if (const std::optional<double> u = entryValue(Text2, decimal)) {
            if (!percent && *u <= 0.0) {
                tell(platform,
                     QStringLiteral("For this type of Graph the User Supplied Y_Axis High "
                                    "Value") +
                         crlf + QStringLiteral("MUST BE GREATER THAN ZERO.") + crlf + crlf +
                         QStringLiteral("User Y_Axis High Value ignored."));
            } else if (!percent && *u <= graph.Graph_Y_Low) {
                // A high end at or below the low end leaves nothing to draw.
                tell(platform, QStringLiteral("Your User Supplied High Y_Axis of ") + Text2 +
                                   QStringLiteral(" is Equal or Lower Than") + crlf +
                                   QStringLiteral("the Low Y_Axis of ") +
                                   format6(graph.Graph_Y_Low, numbers) + crlf + crlf +
                                   QStringLiteral("User Y_Axis High Value ignored."));
            } else if (*u >= graph.Graph_Y_High) {
                graph.Graph_Y_High = *u;
                highTaken = true;
            } else if (ask(platform, QStringLiteral("Your User Supplied High Y_Axis of ") + Text2 +
                                         QStringLiteral(" is Lower Than") + crlf +
                                         QStringLiteral("the Calculated Y_Axis of ") +
                                         format6(graph.Graph_Y_High, numbers) + crlf + crlf +
                                         QStringLiteral(
                                             "Do you still want to use Your Y_Axis High Value?")) ==
                       AnswerYes) {
                graph.Graph_Y_High = *u;
                highTaken = true;
            }
        }
        setYStep(graph, graphHeight);
    }
    if (!percent)
        return;
    const std::optional<double> l = entryValue(Text1, decimal);
    if (l) {
        if (*l <= graph.Graph_Y_Low)
            graph.Graph_Y_Low = *l;
        else if (ask(platform,
                     QStringLiteral("Your User Supplied Low Y_Axis of ") + Text1 +
                         QStringLiteral(" is Higher Than") + crlf +
                         QStringLiteral("the Calculated Y_Axis of ") +
                         format6(graph.Graph_Y_Low, numbers) + crlf + crlf +
                         QStringLiteral("Do you still want to use Your Y_Axis Low Value?")) ==
                 AnswerYes)
            graph.Graph_Y_Low = *l;
    }
    // Either user end may have turned the axis over; the low end then keeps
    // a band of ten below the high.
    if ((l || highTaken) && graph.Graph_Y_Low >= graph.Graph_Y_High) {
        tell(platform, QStringLiteral("Low Y_Axis of ") + format6(graph.Graph_Y_Low, numbers) +
                           QStringLiteral(" is Equal or Higher Than High Y_Axis of ") +
                           format6(graph.Graph_Y_High, numbers) + crlf + crlf +
                           QStringLiteral("Low Y_Axis is reset to High Y_Axis - 10"));
        graph.Graph_Y_Low = graph.Graph_Y_High - 10.0;
    }
    if (l || highTaken)
        setYStep(graph, graphHeight);
}

} // namespace zyt
