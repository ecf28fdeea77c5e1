#pragma once

namespace zyt {

struct AppState;
class CompareTableView;
class CompareWindowHooks;
class PrinterPage;
struct PageHeaderInfo;
struct PrintInputs;

// The comparison table under the page header: rows 10 to 30 of `Text101`
// to `Text110`, each centred in its column; the row of titles fits the From
// test's title to the room it needs (moving the To title aside, or onto a
// line of its own, when it is long). The "Center" layout ends with the logo.
void printCalcsPage(const CompareTableView &table, PrinterPage &page, const PageHeaderInfo &header);

// "Print Calcs": runs the compare window's "&Calculate" (an error box ends
// the printout there), then prints the table on the current printer. Where
// printing cannot run it does neither.
void Command3_Click(const CompareTableView &Form50, CompareWindowHooks &hooks, AppState &st,
                    const PrintInputs &inputs);

} // namespace zyt
