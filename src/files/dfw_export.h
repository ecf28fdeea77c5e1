#pragma once

#include <QString>

namespace zyt {

struct AppState;
struct NumberStyle;
class Flow_Test_Sheet;

// The flow exchange file (.dfw) for outside engine programs: valve
// diameters, lift points and corrected flows of both sides, in inches and
// CFM; for the Performance Trends Engine Analyzer also the port volumes and
// lengths.

// Asks whether the file is for the Engine Analyzer, then for the file with
// the Save dialog, and writes it whole or not at all: any failure shows its
// box and leaves an existing file as it was. Warns about more than ten
// points a side unless the file is for the Engine Analyzer. Changes no cell.
// True when the file was written.
bool Export_DFW_File(const Flow_Test_Sheet &sheet, AppState &st);

struct DFW_Flow_File {
    QString text;    // every line ended by CR LF, and one empty line last
    int inCount = 0; // the points written of each side
    int exCount = 0;
};

// The file's text for the sheet, with the Engine Analyzer block when
// `engineAnalyzer`. Cells are read in the units `metric` says. Raises the
// run-time error of a lift, corrected flow or valve diameter that is no
// number.
DFW_Flow_File writeDfwText(const Flow_Test_Sheet &sheet, bool engineAnalyzer, bool metric,
                           const NumberStyle &numbers);

} // namespace zyt
