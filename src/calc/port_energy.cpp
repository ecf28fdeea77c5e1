#include "port_energy.h"

#include "model/number_style.h"
#include "platform/numbers.h"

#include <cmath>

namespace zyt {

namespace {

// The metre as the conversion has always held it: one unit in the last place
// below the double nearest 0.3048, so metric energies match the ones users
// know.
constexpr double MetresPerFoot = 0.30479999999999996;
constexpr double JoulesPerFootPound = 1.35581795;
constexpr double SqMmPerSqInch = 645.16;
constexpr double MmPerInch = 25.4;

} // namespace

double portMassFactor(double volume)
{
    return (Checked(volume) / 16.39 / 1728.0 / 2.0 * 0.076).value();
}

double portEnergy(const Flow_Test_Sheet &sheet, Flow_Test_Sheet::Array panel,
                  const QString &velocity, bool density, bool metric, const NumberStyle &numbers)
{
    auto number = [&](const QString &text) {
        return Checked(parseNumber(text, numbers.localeDecimal));
    };
    const Checked mass = portMassFactor(number(sheet.cell(panel, 1)).value());
    Checked speed = number(velocity);
    if (metric)
        speed = speed / MetresPerFoot;
    const Checked energy = pow(speed, 2.0) * mass;
    if (!density)
        return (metric ? energy * JoulesPerFootPound : energy).value();
    // The length is read and divided by before the area is read.
    Checked length = number(sheet.cell(panel, 8));
    if (metric)
        length = length / MmPerInch;
    const Checked perLength = Checked(12.0) / length;
    Checked area = number(sheet.cell(panel, 2));
    if (metric)
        area = area / SqMmPerSqInch;
    const Checked value = perLength * (energy / area);
    return (metric ? value * JoulesPerFootPound : value).value();
}

} // namespace zyt
