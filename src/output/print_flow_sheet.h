#pragma once

namespace zyt {

struct AppState;
struct NumberStyle;
class Flow_Test_Sheet;
class PrinterPage;
struct PageHeaderInfo;
struct PrintInputs;

// The customer's page of one flow test, from its cells as they stand: the
// header, the comments, the port and valve dimensions, the note on port
// velocity, the intake and exhaust lift rows with their averages, the path
// of the sheet's file and, in the "Center" layout, the logo at the end.
void printFlowSheetPage(const Flow_Test_Sheet &sheet, PrinterPage &page,
                        const PageHeaderInfo &header, const NumberStyle &numbers);

// "Print Flow Sheet for Customer": recalculates the sheet (its own boxes
// report any problem) and prints its page on the current printer. Where
// printing cannot run it does neither.
void Print_Flow_Sheet(Flow_Test_Sheet &sheet, AppState &st, const PrintInputs &inputs);

} // namespace zyt
