#pragma once

#include "calc/calculate_sheet.h"
#include "outside_files.h"
#include "platform/runtime_error.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace zyt {

struct AppState;
struct NumberStyle;
class Flow_Test_Sheet;
class MainModel;

// A flow test saved by the PTPFA bench program (.pti): a header of port and
// valve dimensions at fixed line numbers, then fixed-length records of the
// intake points and then of the exhaust points.

// Asks for the file with the Open dialog and reads it into the sheet and
// into the estimator's bore, stroke, cylinder count and compression ratio
// on the main window; then recalculates the sheet and puts the path into
// its path line. A file that cannot be chosen or opened changes nothing; a
// failure while reading (a number that does not read, or more points than
// the sheet has rows) shows the failure box, with the run-time error when
// there is one, and keeps the cells written so far, with no calculation and
// the path line as it was. True on success.
bool Import_PTPFA_File(Flow_Test_Sheet &sheet, MainModel &main, AppState &st);

// The import once the file is read: the lines of the file at `path`.
bool importPtpfaLines(Flow_Test_Sheet &sheet, MainModel &main, const QStringList &lines,
                      const QString &path, AppState &st,
                      SheetCalculation calculate = Calculate_Sheet);

struct PtpfaRead {
    std::optional<RuntimeError> error; // what stopped the reading
    bool tooManyPoints = false;        // a point found no row left on its side
    int linesRead = 0;
    bool complete = false; // every record the header announces was met
};

// Writes "0" into the lift rows, then reads the lines into the cells.
// `ptiName`: the file's name ends in "pti", which moves the records. Cells
// are written in the units `metric` says.
PtpfaRead readPtpfaLines(Flow_Test_Sheet &sheet, MainModel &main, const QStringList &lines,
                         bool ptiName, bool metric, const NumberStyle &numbers);

} // namespace zyt
