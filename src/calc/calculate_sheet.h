#pragma once

namespace zyt {

struct AppState;
class Flow_Test_Sheet;
class RuntimeError;

// Calculates every result cell of a sheet in the units the main window's
// "Metric" box shows at the moment of the call. Cautions, the existing-ratio
// warning and errors show as message boxes; an error ends the calculation
// with the cells written so far kept. Nothing escapes to the caller.
void Calculate_Sheet(Flow_Test_Sheet &sheet, AppState &st);

// The two calculations behind it; Valves_In and Valves_Ex must be set.
void Calculate_Sheet_Standard(Flow_Test_Sheet &sheet, AppState &st);
void Calculate_Sheet_Metric(Flow_Test_Sheet &sheet, AppState &st);

// Builds the calculation's error text into st.Error_Msg and shows it.
void Show_Calculation_Error(const RuntimeError &error, AppState &st);

} // namespace zyt
