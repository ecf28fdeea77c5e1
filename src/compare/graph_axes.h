#pragma once

#include "model/compare_model.h"
#include "model/graph_state.h"

#include <QChar>
#include <QString>

namespace zyt {

struct NumberStyle;
struct Platform;

// The comparison types of the compare window (`Option3`) and its X axes
// (`Option4`); -1 stands for no choice.
namespace GraphType {
enum : int {
    Cfm = 0,
    CfmPerSqInch = 1,
    MeanPortVelocity = 2,
    PortEnergy = 3,
    PortEnergyDensity = 4,
    EffectiveVelocity = 5,
    Swirl = 6,
    SaeCd = 7,
    EffectiveSaeCd = 8,
    FirstPercent = 9,
    LastPercent = 17,
};
} // namespace GraphType

namespace GraphXAxis {
enum : int { ValveLift = 0, IntakeLd = 1, ExhaustLd = 2 };
} // namespace GraphXAxis

// Where a type reads its values in the comparison table: group A the copied
// values, group C energies and percentage changes, group B energy density.
enum class TypeGroup { None, A, B, C };
TypeGroup typeGroup(int type);
// Which curves an X axis shows: intake on valve lift and intake L/D,
// exhaust on valve lift and exhaust L/D.
inline bool axisShowsIntake(int xAxis)
{
    return xAxis == GraphXAxis::ValveLift || xAxis == GraphXAxis::IntakeLd;
}
inline bool axisShowsExhaust(int xAxis)
{
    return xAxis == GraphXAxis::ValveLift || xAxis == GraphXAxis::ExhaustLd;
}

// The scale number of an axis: at most five characters or so, no trailing
// ".0", no leading zero before the decimal.
QString Format_Axis_Number(double value, QChar decimal, QChar group);

// The automatic X divisions of a valve-lift graph: whole millimetres, 2 or 3
// mm; or 25, 50 or 100 thousandths of an inch; the high end rounded up to a
// whole division. A count outside 1 to 128 keeps 10 divisions and the high.
struct XDivisions {
    int count = 10;
    double high = 0.0;
};
XDivisions autoXDivisions(double xHigh, bool metric);

// The L/D axis ends at the next hundredth.
double roundLdHigh(double xHigh);

// What the table's lift rows gave for the Y axis: the greatest value that
// counts for the top and the lowest for the bottom (from its start value).
struct YSearch {
    double high = 0.0;
    double low = 0.0;
    bool lowFound = false; // a value took part in the search for the low end
};

// The start of the low-end search: 99999 for "Show Big" on Effective
// Velocity and Swirl, else 0.
double yLowSearchStart(int type, bool showBig);

// Sets the Y axis ends of `type` from the search and the step from them.
// SAE CD types lower their low end to the points (`Lower_Y_Low_To_Data`).
// "Show Big" with nothing to take the low end from gives the low end the
// graph has without it.
void applyYAxisRule(Graph_State &graph, int type, const YSearch &found, bool metric, bool showBig,
                    double graphHeight);

// Removes a first point of value 0: the From curves when the From intake
// starts at 0, the To curves when the To exhaust does.
void Drop_Zero_Start_Point(Graph_State &graph);

// Lowers the low Y end to the smallest point value above 0.01 below it,
// looking at each test's own points only.
void Lower_Y_Low_To_Data(Graph_State &graph);

// The user's Y Axis High (`Text2`) and Low (`Text1`) entries over the
// calculated axis, "-" meaning not used; asks before cutting off data.
void Apply_User_Y_Axis(Graph_State &graph, int type, const QString &Text1, const QString &Text2,
                       double graphHeight, const NumberStyle &numbers, const Platform &platform);

} // namespace zyt
