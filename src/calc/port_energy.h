#pragma once

#include "model/flow_test_sheet.h"

#include <QString>

namespace zyt {

struct NumberStyle;

// Pounds of air in half the port: the port volume in cubic centimetres to
// cubic feet, halved, times the weight of a cubic foot of air.
double portMassFactor(double volume);

// The kinetic energy of the air in one port of a lift row at `velocity`
// (the row's port velocity text): foot-pounds, or joules under metric
// units; with `density`, per square inch of mean port area and per foot of
// port length (per square millimetre and metre under metric units). `panel`
// is the side's dimension column, `Text102` for the intake and `Text104` for
// the exhaust. The cells are read in the order the formula names them; one
// that holds no number, a zero length or area, or a result out of range
// raises the run-time error.
double portEnergy(const Flow_Test_Sheet &sheet, Flow_Test_Sheet::Array panel,
                  const QString &velocity, bool density, bool metric, const NumberStyle &numbers);

} // namespace zyt
