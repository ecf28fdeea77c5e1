#pragma once

#include "calc/calculate_sheet.h"
#include "outside_files.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>

namespace zyt {

struct AppState;
struct NumberStyle;
class Flow_Test_Sheet;

// The flow part of a flow file another program wrote: FLW (.flw), DFW
// (.dfw, the layout the export writes), DeskTop Dyno (.dyn) and Dynomation
// (.dym). All hold the same flow block; they differ in where it starts and
// in whether it has an exhaust count and valve counts.

enum class FlowFileKind { Flw, Dfw, Dyn, Dym };

// Told by the last three letters of the path; any other name reads as FLW.
FlowFileKind flowFileKind(QStringView path);

// Asks for the file with the Open dialog (the filter entry chosen last is
// preselected and kept for the next time), reads its flow block, shows the
// count of lines read, places the points in the lift rows, recalculates the
// sheet and puts the path into its path line. Every failure shows its box;
// a failed read keeps the cells written during it but leaves the lift rows,
// the calculation and the path line alone. True on success.
bool Import_Flow_File(Flow_Test_Sheet &sheet, AppState &st);

// The import once the file is read: the lines of the file at `path`.
bool importFlowLines(Flow_Test_Sheet &sheet, const QStringList &lines, const QString &path,
                     AppState &st, SheetCalculation calculate = Calculate_Sheet);

// Each side keeps at most 17 points; a place past the last point holds 0.
inline constexpr int FlowPoints = 17;
using FlowPointList = std::array<double, FlowPoints>;

// The points of a flow block in the file's units: lifts in inches, flows in
// CFM, each rounded to four decimals.
struct FlowBlock {
    FlowPointList inLift{};
    FlowPointList inFlow{};
    FlowPointList exLift{};
    FlowPointList exFlow{};
    int inCount = 0; // the counts the file gives
    int exCount = 0;
    double inPressure = 0.0;
    double exPressure = 0.0;
};

enum class FlowReadEnd {
    Complete,
    NoFlowBlock, // the first value line does not begin with "1 "
    Failed,      // the file ended early, a value is no number, a side has too many points
};

struct FlowFileRead {
    FlowReadEnd end = FlowReadEnd::Failed;
    int Read_Count = 0; // lines read, skipped ones included
    FlowBlock block;
};

// Reads the flow block. The valve diameters, the test pressure and the
// valve counts go into their cells as they are read; the points only into
// the result.
FlowFileRead readFlowFileLines(Flow_Test_Sheet &sheet, const QStringList &lines, FlowFileKind kind,
                               bool metric, const NumberStyle &numbers);

// Places the points in rows 17 to 30 in rising lift order, a lift both sides
// measured sharing one row. False when points were left over.
bool mergeFlowPoints(Flow_Test_Sheet &sheet, const FlowBlock &block, bool metric,
                     const NumberStyle &numbers);

} // namespace zyt
