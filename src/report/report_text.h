#pragma once

#include "model/number_style.h"

#include <QString>
#include <QStringView>

#include <array>

namespace zyt {

class Flow_Test_Sheet;
class MainModel;

// Padding into a column of `width` characters, appended to `line`. A text
// longer than its column is never cut: it pushes the rest of the line right.
void Pad_Left(QString &line, int width, QStringView text);
void Pad_Right(QString &line, int width, QStringView text);
// An odd surplus puts the extra blank on the right.
void Pad_Center(QString &line, int width, QStringView text);
// By the chosen element of an alignment option group: 0 left, 1 centre,
// anything else (none chosen included) right.
void padByOption(QString &line, int option, int width, QStringView text);

// What the report holds, as the report window's boxes choose it.
struct ReportSelection {
    bool mainBlock = true;
    std::array<bool, 5> tests{true, true, true, true, true};
    std::array<bool, 30> fields{};
    int mainAlignment = 0; // the option chosen for the main window's block
    int dataAlignment = 0; // for the lift table's cells

    ReportSelection() { fields.fill(true); }
};

// Where the report takes its cells from and how it writes its numbers.
struct ReportSources {
    // The main window's cells: `Text33` (the test name), `Text38` (its
    // comments) and the estimator grid `Text101` to `Text111`, rows 0 to 8.
    const MainModel *main = nullptr;
    // Form1 to Form5; a sheet left out is skipped.
    std::array<const Flow_Test_Sheet *, 5> sheets{};
    bool metric = false; // the main window's "Metric" box
    // The locale's characters read and write the numbers; right-aligned
    // cells write fixed decimals.
    NumberStyle numbers{};
};

// The whole report: the two instruction lines, the main window's block and
// the section of every chosen test, each line ended by CR LF. The sheets are
// read as they stand: the caller calculates them first.
QString buildReportText(const ReportSelection &selection, const ReportSources &sources);

// The section of one sheet (after its title): its path, the dimension block,
// the lift table and, when chosen, its comments.
void Report_Flow_Test(QString &report, const Flow_Test_Sheet &sheet,
                      const ReportSelection &selection, const ReportSources &sources);

// A computed cell of the lift table: port energy or port energy density of
// the intake or exhaust side of lift row `row` (16 to 30). A blank when the
// velocity is "0" or when the value cannot be computed (an input empty or no
// number, a zero length or area, a result out of range).
QString portEnergyCell(const Flow_Test_Sheet &sheet, int row, bool exhaust, bool density,
                       const ReportSources &sources);

} // namespace zyt
