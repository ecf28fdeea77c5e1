#include "calculate_sheet.h"

#include "flow_area.h"
#include "formats.h"
#include "model/calc_state.h"
#include "model/flow_test_sheet.h"
#include "model/number_style.h"
#include "platform/numbers.h"
#include "platform/platform.h"
#include "platform/runtime_error.h"

namespace zyt {

namespace {

using S = Flow_Test_Sheet;

constexpr double CcPerCubicInch = 16.39;
constexpr double Circle = 0.7854;
constexpr double Pi = 3.14159265358979;
constexpr double IdealFlow = 146.0; // CFM per square inch at a discharge coefficient of 1
constexpr double MmPerInch = 25.4;
constexpr double SqMmPerSqInch = 645.16;
constexpr double CubicMPerCubicFoot = 0.02831684659;
// Metres per foot as the metric results are computed: twelve inches of
// 0.0254 m, one unit in the last place below 0.3048.
const double MetrePerFoot = 12 * 0.0254;

// One run of the calculation over one sheet: every step reads its operands
// from the cells as they stand, so later steps see the rounded, displayed
// results of earlier ones.
//
// A formula reads its cells one statement at a time, left to right as it is
// written, and applies each operation as soon as its operands are there. C++
// leaves the order of the two operands of `a / b` open, and when two cells of
// one formula are unusable the error box must name the one read first.
class Calculation {
public:
    Calculation(S &sheet, bool metric, CalcState &calc, const NumberStyle &numbers,
                const Platform &platform)
        : s_(sheet), metric_(metric), calc_(calc), numbers_(numbers), platform_(platform)
    {
    }

    void run()
    {
        panel();
        Calc_Valve_Geometry(s_, numbers_, metric_, calc_);
        clearAccumulators();
        for (int row = S::FirstLiftRow; row <= S::LastLiftRow; ++row)
            liftRow(row);
        afterRows();
    }

private:
    // A cell with at least one character.
    bool filled(S::Array a, int i) const { return !s_.cell(a, i).isEmpty(); }
    // The number in a cell; error 13 when it holds none.
    Checked num(S::Array a, int i) const
    {
        return parseNumber(s_.cell(a, i), numbers_.localeDecimal);
    }
    // A value test fails on an empty cell without reading it.
    bool positive(S::Array a, int i) const { return filled(a, i) && num(a, i) > Checked(0.0); }
    bool nonZero(S::Array a, int i) const { return filled(a, i) && num(a, i) != Checked(0.0); }
    void put(S::Array a, int i, const QString &text) { s_.setCell(a, i, text); }
    void zero(S::Array a, int i) { put(a, i, QStringLiteral("0")); }

    QString f1(Checked v) const { return Format_1_Dec(v.value(), numbers_); }
    QString f2(Checked v) const { return Format_2_Dec(v.value(), numbers_); }
    QString f3(Checked v) const { return Format_3_Dec(v.value(), numbers_); }
    QString f4(Checked v) const { return Format_4_Dec(v.value(), numbers_); }
    QString f6(Checked v) const { return Format_6_Dec(v.value(), numbers_); }

    Checked inches(Checked v) const { return metric_ ? v / MmPerInch : v; }
    static Checked sq(Checked v) { return v * v; }

    // One cell over another, the dividend read first.
    Checked quotient(S::Array a, int i, S::Array b, int j) const
    {
        const Checked dividend = num(a, i);
        return dividend / num(b, j);
    }

    void caution(S::Array a, int i, double limit, const char *text)
    {
        if (num(a, i) > Checked(limit))
            platform_.message(QString::fromLatin1(text));
    }

    void panel()
    {
        // Mean port areas.
        for (auto [vol, len, out] : {std::tuple{S::Text102, S::Text102, S::Text102},
                                     std::tuple{S::Text104, S::Text104, S::Text104}}) {
            if (filled(vol, 1) && filled(len, 8)) {
                const Checked v = num(vol, 1) / CcPerCubicInch;
                put(out, 2,
                    f3(metric_ ? v / (num(len, 8) / MmPerInch) * SqMmPerSqInch : v / num(len, 8)));
            }
        }
        // Valve and throat areas of all valves of a side.
        valveArea(S::Text102, 3, 5, calc_.Valves_In, false);
        valveArea(S::Text104, 3, 5, calc_.Valves_Ex, false);
        valveArea(S::Text102, 6, 7, calc_.Valves_In, true);
        valveArea(S::Text104, 6, 7, calc_.Valves_Ex, true);
        // Diameter ratios, each with its caution.
        if (filled(S::Text102, 3) && filled(S::Text102, 6)) {
            put(S::Text113, 7, f4(quotient(S::Text102, 6, S::Text102, 3)));
            caution(S::Text113, 7, 0.915,
                    "Caution - The Intake Throat Valve Ratio maybe a little high");
        }
        if (filled(S::Text104, 3) && filled(S::Text104, 6)) {
            put(S::Text115, 7, f4(quotient(S::Text104, 6, S::Text104, 3)));
            caution(S::Text115, 7, 0.915,
                    "Caution - The Exhaust Throat Valve Ratio maybe a little high");
        }
        if (filled(S::Text102, 3) && filled(S::Text112, 6)) {
            put(S::Text113, 8, f4(quotient(S::Text102, 3, S::Text112, 6)));
            caution(S::Text113, 8, 0.545,
                    "Caution - The Intake Valve Bore Ratio maybe a little high");
        }
        if (filled(S::Text104, 3) && filled(S::Text112, 6)) {
            put(S::Text115, 8, f4(quotient(S::Text104, 3, S::Text112, 6)));
            caution(S::Text115, 8, 0.46,
                    "Caution - The Exhaust Valve Bore Ratio maybe a little high");
        }
        // The 0.25D lifts, in lift units.
        if (filled(S::Text102, 3))
            put(S::Text102, 9, quarterD(num(S::Text102, 3)));
        if (filled(S::Text104, 3))
            put(S::Text103, 9, quarterD(num(S::Text104, 3)));
        // Correction factor.
        if (filled(S::Text108, 7) && filled(S::Text108, 8))
            put(S::Text110, 8, f4(sqrt(quotient(S::Text108, 8, S::Text108, 7))));
        // The area one rounded corner cuts off the port window.
        cornerArea(S::Text106, 1, S::Text111, 2);
        cornerArea(S::Text106, 0, S::Text112, 2);
        cornerArea(S::Text108, 1, S::Text111, 3);
        cornerArea(S::Text108, 0, S::Text112, 3);
        // Port window areas.
        windowArea(2);
        windowArea(3);
        // Area ratios. The exhaust one is guarded by the exhaust
        // bottom corner radius, not by its own operands.
        if (filled(S::Text108, 1))
            put(S::Text107, 5, f3(quotient(S::Text110, 3, S::Text104, 5)));
        if (filled(S::Text102, 5))
            put(S::Text107, 4, f3(quotient(S::Text110, 2, S::Text102, 5)));
    }

    void valveArea(S::Array side, int diameterRow, int outRow, int valves, bool throat)
    {
        if (!filled(side, diameterRow))
            return;
        Checked area = sq(inches(num(side, diameterRow))) * Circle;
        if (metric_)
            area = area * SqMmPerSqInch;
        area = area * double(valves);
        put(side, outRow, throat ? f2(area) : f3(area));
    }

    QString quarterD(Checked diameter) const
    {
        return metric_ ? f3(diameter / 4.0) : f2(diameter / 4.0 * 1000.0);
    }

    void cornerArea(S::Array radiusColumn, int radiusRow, S::Array out, int outRow)
    {
        if (!filled(radiusColumn, radiusRow))
            return;
        const Checked r2 = sq(inches(num(radiusColumn, radiusRow)));
        const Checked area = r2 - r2 * Circle;
        put(out, outRow, f6(metric_ ? area * SqMmPerSqInch : area));
    }

    void windowArea(int row)
    {
        const S::Array width = S::Text106;
        const S::Array height = S::Text108;
        if (!filled(width, row) || !filled(height, row))
            return;
        // Width, height, then the corner areas: the top one first in
        // metric, the bottom one first in inches.
        Checked area = num(width, row);
        if (metric_) {
            area = area / MmPerInch;
            area = area * (num(height, row) / MmPerInch);
            Checked corners = Checked(2.0) * num(S::Text112, row);
            corners = corners / SqMmPerSqInch;
            corners = corners + Checked(2.0) * num(S::Text111, row) / SqMmPerSqInch;
            area = (area - corners) * SqMmPerSqInch;
        } else {
            area = area * num(height, row);
            area = area - Checked(2.0) * num(S::Text111, row);
            area = area - Checked(2.0) * num(S::Text112, row);
        }
        put(S::Text110, row, f3(area));
    }

    void clearAccumulators()
    {
        calc_.Ratio_Sum = calc_.Avg_Ratio_Sum = calc_.In_Flow_Sum = calc_.Ex_Flow_Sum = 0.0;
        calc_.Ratio_Count = calc_.Avg_Ratio_Count = calc_.In_Flow_Count = calc_.Ex_Flow_Count = 0;
    }

    static void count(int &counter)
    {
        if (counter == 32767)
            throw RuntimeError::overflow();
        ++counter;
    }

    struct Side {
        S::Array observed;   // observed flow
        S::Array depression; // floating depression
        S::Array corrected;  // corrected flow
        S::Array effective;  // effective lift
        S::Array perArea;    // flow per curtain area
        S::Array cd;         // SAE discharge coefficient
        S::Array velocity;   // mean port velocity
        S::Array valveArea;  // effective valve area
        S::Array valveSpeed; // effective valve velocity
        S::Array effectiveCd;
        S::Array ld;
        S::Array diameterColumn; // valve diameter in row 3, mean port area in row 2
        S::Array quarterColumn;  // 0.25D lift in row 9
        bool intake;
    };

    static constexpr Side intakeSide{S::Text106, S::Text210, S::Text102, S::Text104, S::Text109,
                                     S::Text111, S::Text114, S::Text201, S::Text203, S::text205,
                                     S::Text208, S::Text102, S::Text102, true};
    static constexpr Side exhaustSide{S::Text107, S::Text211, S::Text103, S::Text105, S::Text110,
                                      S::Text112, S::Text115, S::Text202, S::Text204, S::Text206,
                                      S::Text209, S::Text104, S::Text103, false};

    QString flowText(Checked v) const { return metric_ ? f3(v) : f1(v); }

    // Corrected flow.
    void correctedFlow(const Side &side, int i)
    {
        if (filled(side.observed, i) && positive(side.depression, i)) {
            const Checked factor = sqrt(quotient(S::Text108, 8, side.depression, i));
            put(side.corrected, i, flowText(factor * num(side.observed, i)));
            if (num(side.corrected, i) == Checked(0.0)) {
                if (side.intake)
                    zero(S::Text207, i);
                zero(side.depression, i);
            }
        } else if (filled(side.observed, i) && filled(S::Text110, 8)) {
            const Checked factor = num(S::Text110, 8);
            put(side.corrected, i, flowText(factor * num(side.observed, i)));
        } else {
            zero(side.corrected, i);
            if (side.intake)
                zero(S::Text207, i);
        }
        const Checked flow = num(side.corrected, i);
        double &sum = side.intake ? calc_.In_Flow_Sum : calc_.Ex_Flow_Sum;
        sum = (Checked(sum) + flow).value();
        if (flow != Checked(0.0))
            count(side.intake ? calc_.In_Flow_Count : calc_.Ex_Flow_Count);
    }

    // The lift, limited to the 0.25D lift; the text is copied.
    void effectiveLift(const Side &side, int i)
    {
        if (filled(S::Text101, i) && filled(side.quarterColumn, 9)) {
            const Checked quarter = num(side.quarterColumn, 9);
            if (quarter < num(S::Text101, i))
                put(side.effective, i, s_.cell(side.quarterColumn, 9));
            else
                put(side.effective, i, s_.cell(S::Text101, i));
        } else {
            zero(side.effective, i);
        }
    }

    // Flow per unit of curtain area.
    void flowPerArea(const Side &side, int i)
    {
        const int valves = side.intake ? calc_.Valves_In : calc_.Valves_Ex;
        if (!(filled(side.effective, i) && filled(side.corrected, i) &&
              positive(side.effective, i))) {
            zero(side.perArea, i);
            return;
        }
        // The flow, then the lift and the valve diameter in the order each
        // unit system's formula names them.
        Checked v = num(side.corrected, i);
        if (metric_) {
            v = v / CubicMPerCubicFoot;
            Checked curtain = num(side.effective, i) / MmPerInch;
            curtain = curtain * (num(side.diameterColumn, 3) / MmPerInch * Pi);
            v = v / curtain * CubicMPerCubicFoot * SqMmPerSqInch / double(valves);
        } else {
            Checked curtain = num(side.diameterColumn, 3) * Pi;
            curtain = curtain * num(side.effective, i) / 1000.0;
            v = v / curtain / double(valves);
        }
        put(side.perArea, i, f2(v));
    }

    // SAE discharge coefficient.
    void sae(const Side &side, int i)
    {
        if (!filled(side.perArea, i)) {
            zero(side.cd, i);
            return;
        }
        const Checked v = num(side.perArea, i);
        put(side.cd, i,
            f3(metric_ ? v / CubicMPerCubicFoot / SqMmPerSqInch / IdealFlow : v / IdealFlow));
    }

    // Exhaust/intake flow ratio and the ratio sums.
    void flowRatio(int i)
    {
        if (!(filled(S::Text103, i) && filled(S::Text102, i) && positive(S::Text102, i))) {
            zero(S::Text113, i);
            return;
        }
        put(S::Text113, i, f3(quotient(S::Text103, i, S::Text102, i)));
        const Checked ratio = quotient(S::Text103, i, S::Text102, i);
        const bool lifted = nonZero(S::Text101, i);
        bool withinMaxLift = false;
        if (lifted && filled(S::Text110, 6)) {
            const Checked maxLift = num(S::Text110, 6);
            withinMaxLift = maxLift >= num(S::Text101, i);
        }
        if (withinMaxLift) {
            calc_.Ratio_Sum = (Checked(calc_.Ratio_Sum) + ratio).value();
            count(calc_.Ratio_Count);
        }
        if (lifted) {
            calc_.Avg_Ratio_Sum = (Checked(calc_.Avg_Ratio_Sum) + ratio).value();
            count(calc_.Avg_Ratio_Count);
        }
    }

    // Mean port velocity.
    void portVelocity(const Side &side, int i)
    {
        if (!(filled(side.corrected, i) && filled(side.diameterColumn, 2) &&
              positive(side.diameterColumn, 2))) {
            zero(side.velocity, i);
            return;
        }
        const Checked q = num(side.corrected, i);
        const Checked area = num(side.diameterColumn, 2);
        if (metric_)
            put(side.velocity, i,
                f1(q / CubicMPerCubicFoot / 60.0 / (area / SqMmPerSqInch / 144.0) * MetrePerFoot));
        else
            put(side.velocity, i, f1(q / 60.0 / (area / 144.0)));
    }

    // Effective valve area and the velocity through it.
    void valveFlowArea(const Side &side, int i)
    {
        if (!(filled(S::Text101, i) && filled(side.quarterColumn, 9) && positive(S::Text101, i))) {
            zero(side.valveArea, i);
            zero(side.valveSpeed, i);
            return;
        }
        const double lift = (num(S::Text101, i) / 1000.0).value();
        if (side.intake)
            Calc_Intake_Curtain_Area(lift, metric_, calc_);
        else
            Calc_Exhaust_Curtain_Area(lift, metric_, calc_);
        const Checked area = calc_.Curtain_Area;
        put(side.valveArea, i, metric_ ? f1(area * SqMmPerSqInch) : f3(area));
        const Checked q = fixDecimalSepValue(s_.cell(side.corrected, i), numbers_);
        put(side.valveSpeed, i,
            f1(metric_ ? q / CubicMPerCubicFoot / area * 2.4 * MetrePerFoot : q / area * 2.4));
    }

    // Discharge coefficient on the effective valve area.
    void effectiveSae(const Side &side, int i)
    {
        if (!(filled(side.valveArea, i) && positive(side.valveArea, i))) {
            zero(side.effectiveCd, i);
            return;
        }
        const Checked q = num(side.corrected, i);
        const Checked area = num(side.valveArea, i);
        put(side.effectiveCd, i,
            f3(metric_ ? q / CubicMPerCubicFoot / (area / SqMmPerSqInch) / IdealFlow
                       : q / area / IdealFlow));
    }

    // Lift over valve diameter.
    void liftOverDiameter(const Side &side, int i)
    {
        if (!(filled(S::Text101, i) && positive(S::Text101, i))) {
            zero(side.ld, i);
            return;
        }
        const Checked ld = quotient(S::Text101, i, side.diameterColumn, 3);
        put(side.ld, i, f3(metric_ ? ld : ld / 1000.0));
    }

    void liftRow(int i)
    {
        correctedFlow(intakeSide, i);
        correctedFlow(exhaustSide, i);
        effectiveLift(intakeSide, i);
        effectiveLift(exhaustSide, i);
        flowPerArea(intakeSide, i);
        flowPerArea(exhaustSide, i);
        sae(intakeSide, i);
        sae(exhaustSide, i);
        flowRatio(i);
        portVelocity(intakeSide, i);
        portVelocity(exhaustSide, i);
        valveFlowArea(intakeSide, i);
        valveFlowArea(exhaustSide, i);
        effectiveSae(intakeSide, i);
        effectiveSae(exhaustSide, i);
        liftOverDiameter(intakeSide, i);
        liftOverDiameter(exhaustSide, i);
    }

    void afterRows()
    {
        // The exhaust/intake ratio the compression ratio asks for.
        const Checked cr = num(S::Text110, 5);
        put(S::Text113, 10, f3(Checked(0.0011) * sq(cr) - Checked(0.0404) * cr + 1.029));

        // The existing ratio over the rows up to Max Lift.
        if (calc_.Ratio_Sum > 0.0 && calc_.Ratio_Count > 0) {
            put(S::Text113, 11, f3(Checked(calc_.Ratio_Sum) / double(calc_.Ratio_Count)));
        } else {
            put(S::Text113, 11, QStringLiteral("-"));
            QString text = QStringLiteral(
                "Problem Calculating Exisiting Intake / Exhaust Ratio\r\n"
                "One possible cause is the Max Lift Value is to Low or Incorrect\r\n\r\n");
            if (!metric_)
                text += QStringLiteral("An example would be Your Max Lift Value is .65 and You "
                                       "need to ENTER 650 just like you would Enter for the Flow "
                                       "Numbers.\r\n\r\n");
            text += QStringLiteral(
                "If this is not the case PLEASE Save this data to a file and email it to Customer "
                "Support");
            platform_.message(text, MsgButtons::Ok, MsgIcon::Exclamation);
        }

        // The average ratio over every lifted row; "-" when there is
        // none, so no older figure stays beside the new results.
        if (calc_.Avg_Ratio_Sum > 0.0 && calc_.Avg_Ratio_Count > 0)
            put(S::Text113, 12, f3(Checked(calc_.Avg_Ratio_Sum) / double(calc_.Avg_Ratio_Count)));
        else
            put(S::Text113, 12, QStringLiteral("-"));

        // Totals and averages of the corrected flows.
        put(S::Text106, 11, f1(calc_.In_Flow_Sum));
        put(S::Text102, 11,
            f1(calc_.In_Flow_Count > 0 ? Checked(calc_.In_Flow_Sum) / double(calc_.In_Flow_Count)
                                       : Checked(0.0)));
        put(S::Text107, 11, f1(calc_.Ex_Flow_Sum));
        put(S::Text103, 11,
            f1(calc_.Ex_Flow_Count > 0 ? Checked(calc_.Ex_Flow_Sum) / double(calc_.Ex_Flow_Count)
                                       : Checked(0.0)));
    }

    S &s_;
    bool metric_;
    CalcState &calc_;
    const NumberStyle &numbers_;
    const Platform &platform_;
};

void calculate(Flow_Test_Sheet &sheet, bool metric, CalcState &calc, const NumberStyle &numbers,
               const Platform &platform)
{
    try {
        Calculation(sheet, metric, calc, numbers, platform).run();
    } catch (const RuntimeError &e) {
        showCalculationError(e, calc, platform);
    }
}

} // namespace

void showCalculationError(const RuntimeError &error, CalcState &calc, const Platform &platform)
{
    calc.Error_Msg =
        QStringLiteral("Error Number ") + QString::number(error.number()) + QStringLiteral(" -- ") +
        error.description() +
        QStringLiteral("\r\n\r\nPlease Save your Data.\r\n\r\n"
                       "If you can NOT Find the Reason for this Error. Please the Sent "
                       "the Saved Data file and a Print Screen of this Error to "
                       "Software Support.");
    if (error.number() == RuntimeError::DivisionByZero)
        calc.Error_Msg += QStringLiteral(
            "\r\n\r\nCheck for a Field that has a Value of Zero that should not be Zero");
    platform.message(calc.Error_Msg, MsgButtons::Ok, MsgIcon::Critical);
}

void Calculate_Sheet(Flow_Test_Sheet &sheet, bool metric, CalcState &calc,
                     const NumberStyle &numbers, const Platform &platform)
{
    // The valve counts are read before anything is written; a count that is
    // no number is reported like any other calculation error.
    try {
        const int valvesIn = cint(parseNumber(sheet.cell(S::Text106, 6), numbers.localeDecimal));
        const int valvesEx = cint(parseNumber(sheet.cell(S::Text108, 6), numbers.localeDecimal));
        calc.Valves_In = valvesIn;
        calc.Valves_Ex = valvesEx;
    } catch (const RuntimeError &e) {
        showCalculationError(e, calc, platform);
        return;
    }
    if (metric)
        Calculate_Sheet_Metric(sheet, calc, numbers, platform);
    else
        Calculate_Sheet_Standard(sheet, calc, numbers, platform);
}

void Calculate_Sheet_Standard(Flow_Test_Sheet &sheet, CalcState &calc, const NumberStyle &numbers,
                              const Platform &platform)
{
    calculate(sheet, false, calc, numbers, platform);
}

void Calculate_Sheet_Metric(Flow_Test_Sheet &sheet, CalcState &calc, const NumberStyle &numbers,
                            const Platform &platform)
{
    calculate(sheet, true, calc, numbers, platform);
}

} // namespace zyt
