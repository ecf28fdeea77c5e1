#include "outside_files.h"

#include "calc/formats.h"
#include "platform/numbers.h"
#include "platform/runtime_error.h"

namespace zyt {

namespace outsideUnits {

namespace {
constexpr double Thou = 1000.0;
} // namespace

QString liftCell(double inches, bool metric, const NumberStyle &numbers)
{
    if (metric)
        return Format_3_Dec((Checked(inches) * MmPerInch).value(), numbers);
    return Format_Int((Checked(inches) * Thou).value(), numbers);
}

QString metricFlowCell(double cfm, const NumberStyle &numbers)
{
    return Format_4_Dec((Checked(cfm) * CubicMPerCubicFoot).value(), numbers);
}

QString metricLengthCell(double inches, const NumberStyle &numbers)
{
    return Format_3_Dec((Checked(inches) * MmPerInch).value(), numbers);
}

QString lengthText(const QString &text, bool metric, const NumberStyle &numbers)
{
    if (!metric)
        return text;
    try {
        return metricLengthCell(fixDecimalSepValue(text, numbers), numbers);
    } catch (const RuntimeError &) {
        return text; // no number: nothing to convert
    }
}

double liftInches(double cell, bool metric)
{
    return (metric ? Checked(cell) / MmPerInch : Checked(cell) / Thou).value();
}

double flowCfm(double cell, bool metric)
{
    return metric ? (Checked(cell) / CubicMPerCubicFoot).value() : cell;
}

double lengthInches(double cell, bool metric)
{
    return metric ? (Checked(cell) / MmPerInch).value() : cell;
}

} // namespace outsideUnits
} // namespace zyt
