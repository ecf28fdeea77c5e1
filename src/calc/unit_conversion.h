#pragma once

namespace zyt {

struct NumberStyle;
class Flow_Test_Sheet;

// Rewrite a sheet's dimensions, lifts, flows, areas, velocities, totals and
// unit words from one unit system into the other, rounding each value again
// through its format. Nothing is recalculated. A cell that holds no number
// is left as it is.
void Convert_Sheet_To_Metric(Flow_Test_Sheet &sheet, const NumberStyle &numbers);
void Convert_Sheet_To_Standard(Flow_Test_Sheet &sheet, const NumberStyle &numbers);

} // namespace zyt
