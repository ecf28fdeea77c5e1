#pragma once

#include <QString>

namespace zyt {

struct CalcState;
struct NumberStyle;
struct Platform;
class Flow_Test_Sheet;

// What the imports and the export of outside flow files share.

// The calculation a successful import ends with (Calculate_Sheet); tests and
// fuzzing count it.
using SheetCalculation = void (*)(Flow_Test_Sheet &sheet, bool metric, CalcState &calc,
                                  const NumberStyle &numbers, const Platform &platform);

// Outside flow files always hold inches and CFM, whatever units the program
// shows; under "Metric" the cells hold millimetres and cubic metres a
// minute.
namespace outsideUnits {

inline constexpr double MmPerInch = 25.4;
inline constexpr double CubicMPerCubicFoot = 0.02831684659;

// A lift of the file as cell text: thousandths of an inch, or millimetres.
QString liftCell(double inches, bool metric, const NumberStyle &numbers);
// A flow of the file under "Metric" (standard flows keep the format each
// reader gives them).
QString metricFlowCell(double cfm, const NumberStyle &numbers);
// A length of the file under "Metric": millimetres, as the metric switch
// writes them.
QString metricLengthCell(double inches, const NumberStyle &numbers);
// A length copied from the file as it stands: under "Metric" a number is
// converted to millimetres, anything else stays as it is.
QString lengthText(const QString &text, bool metric, const NumberStyle &numbers);

// Cell values back in the file's units.
double liftInches(double cell, bool metric);
double flowCfm(double cell, bool metric);
double lengthInches(double cell, bool metric);

} // namespace outsideUnits
} // namespace zyt
