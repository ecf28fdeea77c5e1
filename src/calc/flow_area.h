#pragma once

namespace zyt {

struct CalcState;
struct NumberStyle;
class Flow_Test_Sheet;

// Flow area of a poppet valve at a lift: a conical curtain at low lift, a
// slant frustum above it, limited by the throat less the stem. All geometry
// is in inches whatever the units; metric cells are converted on entry.

// Prepares Intake_Geometry, then Exhaust_Geometry, from the sheet's valve,
// stem, throat and seat cells, which are in metric units when `metric`.
void Calc_Valve_Geometry(const Flow_Test_Sheet &sheet, const NumberStyle &numbers, bool metric,
                         CalcState &calc);

// `lift` is the lift cell's value divided by 1000 (inches in standard units,
// metres in metric units). The area goes to calc.Curtain_Area, square inches.
void Calc_Intake_Curtain_Area(double lift, bool metric, CalcState &calc);
void Calc_Exhaust_Curtain_Area(double lift, bool metric, CalcState &calc);

} // namespace zyt
