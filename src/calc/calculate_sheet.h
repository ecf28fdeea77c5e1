#pragma once

namespace zyt {

struct CalcState;
struct NumberStyle;
struct Platform;
class Flow_Test_Sheet;
class RuntimeError;

// Calculates every result cell of a sheet in metric units when `metric`
// (the main window's "Metric" box at the moment of the call), else in
// standard units. Cautions, the existing-ratio warning and errors show as
// message boxes; an error ends the calculation with the cells written so far
// kept. Nothing escapes to the caller.
void Calculate_Sheet(Flow_Test_Sheet &sheet, bool metric, CalcState &calc,
                     const NumberStyle &numbers, const Platform &platform);

// The two calculations behind it; Valves_In and Valves_Ex must be set.
void Calculate_Sheet_Standard(Flow_Test_Sheet &sheet, CalcState &calc, const NumberStyle &numbers,
                              const Platform &platform);
void Calculate_Sheet_Metric(Flow_Test_Sheet &sheet, CalcState &calc, const NumberStyle &numbers,
                            const Platform &platform);

// Builds the calculation's error text into calc.Error_Msg and shows it.
void showCalculationError(const RuntimeError &error, CalcState &calc, const Platform &platform);

} // namespace zyt
