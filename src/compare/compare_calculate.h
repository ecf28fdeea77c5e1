#pragma once

#include "model/compare_model.h"
#include "model/models.h"

namespace zyt {

struct AppState;
struct CalcState;
struct GraphSettings;
struct NumberStyle;
struct Platform;
class Flow_Test_Sheet;

// The compare window's "&Calculate" and what it is made of. Every routine
// reads the sheets' cell texts and writes the table of `Form50`: the number
// masks and decimal character come from `numbers`, the error box goes
// through `platform` with its text kept in `calc.Error_Msg`, and `metric` is
// the "Metric" box as it stands when the routine is called.

// "&Calculate": labels the From test (sheet of `Option1`) and fills the From
// columns, then labels the To test (`Option2`) and fills the To side and the
// results; the To side is filled even after the From fill failed. False when
// either fill showed its error box: a graph or printout must then stop, since
// the table holds cells of an earlier calculation.
bool Command1_Click(CompareModel &Form50, const SheetList &Forms, AppState &st);

// The From X, intake and exhaust columns, rows 10 to 30, and for the energy
// types the From energies. A run-time error stops the fill where it stands
// (later rows keep what they held) and shows the error box quoting the From
// test; false then.
bool Populate_From_Columns(CompareModel &Form50, const Flow_Test_Sheet &sheet, bool metric,
                           CalcState &calc, const NumberStyle &numbers, const Platform &platform);

// The To X, intake and exhaust columns, the result headers and the four
// result columns: differences, To energies or percentage changes. Reads the
// From columns as Populate_From_Columns left them. Errors as there.
bool Populate_To_Columns(CompareModel &Form50, const Flow_Test_Sheet &sheet, bool metric,
                         CalcState &calc, const NumberStyle &numbers, const Platform &platform);

// One lift row's port velocities copied from the sheet and the port energy
// (foot-pounds, or joules when `metric`) or energy density of each side
// computed beside them, rows 16 to 30 only and not where the velocity text
// is exactly "0". The From pair writes Text102/Text103 and Text107/Text108,
// the To pair Text104/Text105 and Text109/Text110. An empty or unreadable
// cell raises run-time error 13, a zero port length or area 11.
void From_Port_Energy(CompareModel &Form50, const Flow_Test_Sheet &sheet, int row, bool metric,
                      const NumberStyle &numbers);
void From_Port_Energy_Density(CompareModel &Form50, const Flow_Test_Sheet &sheet, int row,
                              bool metric, const NumberStyle &numbers);
void To_Port_Energy(CompareModel &Form50, const Flow_Test_Sheet &sheet, int row, bool metric,
                    const NumberStyle &numbers);
void To_Port_Energy_Density(CompareModel &Form50, const Flow_Test_Sheet &sheet, int row,
                            bool metric, const NumberStyle &numbers);

// A click on a graph option box (Check1 to Check4) copies its value into its
// program-wide flag.
void graphOptionClick(const CompareModel &Form50, CompareModel::Array box, GraphSettings &graph);

} // namespace zyt
