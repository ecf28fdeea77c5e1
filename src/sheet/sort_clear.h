#pragma once

namespace zyt {

struct NumberStyle;
class Flow_Test_Sheet;

// Orders lift rows 17 to 30 by lift, zero lifts last; row 16 stays. Whole
// rows move, results included, so every row stays consistent. A lift that
// is no number raises error 13 before anything moves.
void Sort_Lift_Points(Flow_Test_Sheet &sheet, const NumberStyle &numbers);

// Set the named fields of rows 16 to 30 to "0".
void Clear_Flow_Fields(Flow_Test_Sheet &sheet);  // observed and corrected flows
void Clear_Lift_Fields(Flow_Test_Sheet &sheet);  // both lift columns
void Clear_Swirl_Fields(Flow_Test_Sheet &sheet); // swirl

} // namespace zyt
