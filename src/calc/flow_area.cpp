#include "flow_area.h"

#include "model/calc_state.h"
#include "model/flow_test_sheet.h"
#include "model/number_style.h"
#include "platform/numbers.h"

#include <cmath>

namespace zyt {

namespace {

using S = Flow_Test_Sheet;

constexpr double Pi = 3.14159265358979;
constexpr double Degree = 0.017453292519943278; // Pi / 180 with the same Pi
constexpr double MmPerInch = 25.4;

Checked squared(Checked x) { return x * x; }

void prepareSide(const S &sheet, const NumberStyle &numbers, bool metric, S::Array valveColumn,
                 S::Array seatColumn, int valves, Valve_Geometry &g)
{
    auto length = [&](S::Array a, int i) {
        const Checked v = parseNumber(sheet.cell(a, i), numbers.localeDecimal);
        return metric ? v / MmPerInch : v;
    };
    // Each cell is read as its formula comes, so an unusable cell is reported
    // in the order the formulas name them.
    const Checked throat = length(valveColumn, 6);
    const Checked throatArea = Checked(Pi) * squared(throat / 2.0);
    const Checked stem = length(valveColumn, 4);
    const Checked stemArea = Checked(Pi) * squared(stem / 2.0);
    g.Net_Throat_Area = ((throatArea - stemArea) * double(valves)).value();
    g.Valve_Dia = length(valveColumn, 3).value();
    g.Seat_Angle = parseNumber(sheet.cell(seatColumn, 4), numbers.localeDecimal);
    g.Seat_Width = length(seatColumn, 5).value();
    g.Seat_Sin = std::sin(g.Seat_Angle * Degree);
    g.Seat_Cos = std::cos(g.Seat_Angle * Degree);
    g.Seat_Width_Cos = (Checked(g.Seat_Cos) * g.Seat_Width).value();
}

double curtain(double lift, bool metric, const Valve_Geometry &g, int valves)
{
    const Checked L = metric ? Checked(lift) * 1000.0 / MmPerInch : Checked(lift);
    const Checked D = g.Valve_Dia;
    const Checked w = g.Seat_Width;
    const Checked s = g.Seat_Sin;
    const Checked c = g.Seat_Cos;
    const Checked wc = g.Seat_Width_Cos;
    const Checked n = double(valves);
    const Checked pi = Pi;
    const Checked two = 2.0;

    const Checked a1 = n * pi * (L * c) * (D - two * wc + L * s * c);
    Checked h = 0.0;
    if (L > Checked(0.0)) {
        h = pow(squared(L - w * s) + squared(wc), 0.5);
    }
    const Checked a2 = n * pi * (D - wc) * h;
    const Checked boundary = w / s;

    if (boundary > L)
        return a1.value();
    if (Checked(g.Net_Throat_Area) < a2)
        return g.Net_Throat_Area;
    return a2.value();
}

} // namespace

void Calc_Valve_Geometry(const Flow_Test_Sheet &sheet, const NumberStyle &numbers, bool metric,
                         CalcState &calc)
{
    prepareSide(sheet, numbers, metric, S::Text102, S::Text202, calc.Valves_In,
                calc.Intake_Geometry);
    prepareSide(sheet, numbers, metric, S::Text104, S::Text204, calc.Valves_Ex,
                calc.Exhaust_Geometry);
}

void Calc_Intake_Curtain_Area(double lift, bool metric, CalcState &calc)
{
    calc.Curtain_Area = curtain(lift, metric, calc.Intake_Geometry, calc.Valves_In);
}

void Calc_Exhaust_Curtain_Area(double lift, bool metric, CalcState &calc)
{
    calc.Curtain_Area = curtain(lift, metric, calc.Exhaust_Geometry, calc.Valves_Ex);
}

} // namespace zyt
