#include "compare_calculate.h"

#include "calc/formats.h"
#include "calc/port_energy.h"
#include "model/app_state.h"
#include "model/flow_test_sheet.h"
#include "platform/numbers.h"
#include "platform/runtime_error.h"

#include <optional>

namespace zyt {

namespace {

using C = CompareModel;
using S = Flow_Test_Sheet;

constexpr int FirstCopiedRow = 13; // the sheet's three header rows come first
constexpr int FirstChangeRow = 17; // the top lift row has nothing to change from
constexpr int LastRow = C::LastTableRow;

// How a comparison type fills a lift row.
enum class Step {
    Difference,      // To minus From, intake and exhaust
    SwirlDifference, // intake only: both sides hold the one swirl column
    Energy,          // port energies beside the velocities
    Density,         // energy densities beside the velocities
    Change,          // From in per cent of To, less 100
    SwirlChange,     // the same, signed, into all four result cells
    EnergyChange,    // the change of the port energies
    DensityChange,   // the change of the energy densities
};

struct TypeRule {
    S::Array intake; // sheet column copied, or the velocities for the energies
    S::Array exhaust;
    Step step;
    bool threeDecimals; // the discharge coefficients' differences
};

const TypeRule typeRules[CompareTypeCount] = {
    {S::Text102, S::Text103, Step::Difference, false}, // corrected flow
    {S::Text109, S::Text110, Step::Difference, false}, // flow per square inch
    {S::Text114, S::Text115, Step::Energy, false},     // mean port velocity
    {S::Text114, S::Text115, Step::Energy, false},     // port energy
    {S::Text114, S::Text115, Step::Density, false},    // port energy density
    {S::Text203, S::Text204, Step::Difference, false}, // effective valve velocity
    {S::Text207, S::Text207, Step::SwirlDifference, false},
    {S::Text111, S::Text112, Step::Difference, true}, // SAE discharge coefficient
    {S::text205, S::Text206, Step::Difference, true}, // effective coefficient
    {S::Text102, S::Text103, Step::Change, false},
    {S::Text109, S::Text110, Step::Change, false},
    {S::Text111, S::Text112, Step::Change, false},
    {S::Text114, S::Text115, Step::Change, false},
    {S::text205, S::Text206, Step::Change, false},
    {S::Text203, S::Text204, Step::Change, false},
    {S::Text207, S::Text207, Step::SwirlChange, false},
    {S::Text114, S::Text115, Step::EnergyChange, false},
    {S::Text114, S::Text115, Step::DensityChange, false},
};

const TypeRule *ruleOf(int type) { return type < 0 ? nullptr : &typeRules[type]; }

bool isDifference(Step s) { return s == Step::Difference || s == Step::SwirlDifference; }
bool isEnergy(Step s) { return s == Step::Energy || s == Step::EnergyChange; }
bool isDensity(Step s) { return s == Step::Density || s == Step::DensityChange; }
bool isChange(Step s)
{
    return s == Step::Change || s == Step::SwirlChange || s == Step::EnergyChange ||
           s == Step::DensityChange;
}
// The three types that show the velocities with their unit words.
bool showsEnergy(const TypeRule *rule)
{
    return rule && (rule->step == Step::Energy || rule->step == Step::Density);
}

double number(const QString &text, const NumberStyle &numbers)
{
    return parseNumber(text, numbers.localeDecimal);
}

S::Array xSource(const CompareModel &Form50)
{
    switch (xColumn(Form50)) {
    case 0:
        return S::Text101; // valve lift
    case 1:
        return S::Text208; // intake L/D ratio
    default:
        return S::Text209; // exhaust L/D ratio
    }
}

QString title(const CompareModel &Form50, C::Array label)
{
    return QStringLiteral("Test ") + Form50.cell(label);
}

void showFillError(const RuntimeError &e, const CompareModel &Form50, CalcState &calc,
                   const Platform &platform)
{
    const QLatin1StringView breaks("\r\n\r\n");
    // Both fills quote the From test: it names the data to save.
    calc.Error_Msg =
        QStringLiteral("Error Number ") + QString::number(e.number()) + QStringLiteral(" -- ") +
        e.description() + breaks + QStringLiteral("Please Save your Data for Flow Test ") +
        Form50.cell(C::From_Test_Label) + breaks +
        QStringLiteral("If you can NOT Find the Reason for this Error. Please the Sent "
                       "the Saved Data file and a Print Screen of this Error to "
                       "Software Support.");
    if (e.number() == RuntimeError::DivisionByZero)
        calc.Error_Msg +=
            breaks +
            QStringLiteral("Check for a Field that has a Value of Zero that should not be Zero");
    platform.message(calc.Error_Msg, MsgButtons::Ok, MsgIcon::Critical);
}

// The table cells one side's energy routines write.
struct EnergyCells {
    C::Array velocityIn;
    C::Array velocityEx;
    C::Array resultIn;
    C::Array resultEx;
};

constexpr EnergyCells FromCells{C::Text102, C::Text103, C::Text107, C::Text108};
constexpr EnergyCells ToCells{C::Text104, C::Text105, C::Text109, C::Text110};

// The energy or energy density of one port at `velocity`; `panel` is the
// sheet column holding that port's volume (row 1), mean area (row 2) and
// centre-line length (row 8). Metric inputs are converted to feet and inches
// and the result to joules.
void energyRow(CompareModel &Form50, const S &sheet, int row, bool metric,
               const NumberStyle &numbers, const EnergyCells &cells, bool density)
{
    Form50.setCell(cells.velocityIn, row, sheet.cell(S::Text114, row));
    Form50.setCell(cells.velocityEx, row, sheet.cell(S::Text115, row));
    Form50.setCell(cells.resultIn, row, QString());
    Form50.setCell(cells.resultEx, row, QString());
    if (row < S::FirstLiftRow)
        return;
    const struct {
        C::Array velocity;
        C::Array result;
        S::Array panel;
    } sides[] = {{cells.velocityIn, cells.resultIn, S::Text102},
                 {cells.velocityEx, cells.resultEx, S::Text104}};
    for (const auto &side : sides) {
        const QString &velocity = Form50.cell(side.velocity, row);
        // Only the very text "0" marks a row the sheet did not compute.
        if (velocity == u"0")
            continue;
        Form50.setCell(
            side.result, row,
            Format_4_Dec(portEnergy(sheet, side.panel, velocity, density, metric, numbers),
                         numbers));
    }
}

void copyValues(CompareModel &Form50, const S &sheet, int row, const TypeRule &rule,
                C::Array intake, C::Array exhaust)
{
    Form50.setCell(intake, row, sheet.cell(rule.intake, row));
    Form50.setCell(exhaust, row, sheet.cell(rule.exhaust, row));
}

void headersOfResults(CompareModel &Form50, const TypeRule *rule, bool metric)
{
    const QString empty;
    Form50.setCell(C::Text107, 10, empty);
    Form50.setCell(C::Text109, 10, empty);
    for (int row : {11, 12})
        for (C::Array a : {C::Text107, C::Text108, C::Text109, C::Text110})
            Form50.setCell(a, row, empty);
    if (!rule)
        return;
    auto set = [&Form50](C::Array a, int row, const char *text) {
        Form50.setCell(a, row, QString::fromLatin1(text));
    };
    const QString unit = metric ? QStringLiteral("Joules") : QStringLiteral("Ft-lbs");
    if (rule->step == Step::Density || rule->step == Step::Energy) {
        Form50.setCell(C::Text107, 10, title(Form50, C::From_Test_Label));
        Form50.setCell(C::Text109, 10, title(Form50, C::To_Test_Label));
        if (rule->step == Step::Density) {
            set(C::Text107, 12, "Port");
            set(C::Text108, 12, "Energy");
            set(C::Text109, 12, "Density");
        } else {
            set(C::Text108, 12, "Port");
            set(C::Text109, 12, "Energy");
        }
        Form50.setCell(C::Text110, 12, unit);
    } else if (isDifference(rule->step)) {
        // Swirl keeps the exhaust headers over its empty column.
        set(C::Text107, 11, "Intake");
        set(C::Text107, 12, "Diff.");
        set(C::Text109, 11, "Exhaust");
        set(C::Text109, 12, "Diff.");
    } else {
        set(C::Text107, 11, "Intake");
        set(C::Text108, 11, "Exhaust");
        set(C::Text109, 11, "Intake");
        set(C::Text110, 11, "Exhaust");
        for (C::Array a : {C::Text107, C::Text108, C::Text109, C::Text110})
            set(a, 12, "% Change");
    }
}

void differenceRow(CompareModel &Form50, const S &sheet, int row, const TypeRule &rule,
                   const NumberStyle &numbers)
{
    copyValues(Form50, sheet, row, rule, C::Text104, C::Text105);
    if (row < S::FirstLiftRow) {
        Form50.setCell(C::Text109, row, QString());
        Form50.setCell(C::Text110, row, QString());
        return;
    }
    auto mask = [&](Checked v) {
        return rule.threeDecimals ? Format_3_Dec(v.value(), numbers)
                                  : Format_2_Dec(v.value(), numbers);
    };
    // To minus From; each text is read in that order.
    auto difference = [&](C::Array to, C::Array from) {
        const Checked t = number(Form50.cell(to, row), numbers);
        const Checked f = number(Form50.cell(from, row), numbers);
        return mask(t - f);
    };
    Form50.setCell(C::Text107, row, difference(C::Text104, C::Text102));
    if (rule.step == Step::SwirlDifference)
        Form50.setCell(C::Text109, row, QString());
    else
        Form50.setCell(C::Text109, row, difference(C::Text105, C::Text103));
    Form50.setCell(C::Text110, row, QString());
}

// From relative to To, the sign kept: across zero both values are first
// moved up by twice the negative one, so the divisor is never zero. Nothing
// when either is zero.
std::optional<Checked> signedChange(Checked f, Checked t)
{
    const Checked zero(0.0);
    if ((f > zero && t > zero) || (f < zero && t < zero))
        return f / t * 100.0 - 100.0;
    if (f > zero && t < zero)
        return (f - Checked(2.0) * t) / -t * 100.0 - 100.0;
    if (f < zero && t > zero)
        return -f / (t - Checked(2.0) * f) * 100.0 - 100.0;
    return std::nullopt;
}

void changeRow(CompareModel &Form50, const S &sheet, int row, const TypeRule &rule, bool metric,
               const NumberStyle &numbers)
{
    if (rule.step == Step::Change || rule.step == Step::SwirlChange) {
        copyValues(Form50, sheet, row, rule, C::Text104, C::Text105);
    } else {
        energyRow(Form50, sheet, row, metric, numbers, ToCells, rule.step == Step::DensityChange);
        // The energies become the values compared.
        Form50.setCell(C::Text102, row, Form50.cell(C::Text107, row));
        Form50.setCell(C::Text103, row, Form50.cell(C::Text108, row));
        Form50.setCell(C::Text104, row, Form50.cell(C::Text109, row));
        Form50.setCell(C::Text105, row, Form50.cell(C::Text110, row));
    }
    // A row without a change shows none, never an energy or an older result.
    for (C::Array a : {C::Text107, C::Text108, C::Text109, C::Text110})
        Form50.setCell(a, row, QString());
    if (row < FirstChangeRow)
        return;

    if (rule.step == Step::SwirlChange) {
        const Checked f = number(Form50.cell(C::Text102, row), numbers);
        const Checked t = number(Form50.cell(C::Text104, row), numbers);
        if (const auto p = signedChange(f, t)) {
            const QString text = Format_2_Dec(p->value(), numbers);
            for (C::Array a : {C::Text107, C::Text108, C::Text109, C::Text110})
                Form50.setCell(a, row, text);
        }
        return;
    }
    const bool energies = rule.step != Step::Change;
    auto change = [&](C::Array from, C::Array to, C::Array result, C::Array copy) {
        const QString &fromText = Form50.cell(from, row);
        const QString &toText = Form50.cell(to, row);
        // An energy the routine left out (its velocity read "0") has no
        // change, as a zero energy has none.
        if (energies && (fromText.isEmpty() || toText.isEmpty()))
            return;
        const Checked f = number(fromText, numbers);
        const Checked t = number(toText, numbers);
        if (f > Checked(0.0) && t > Checked(0.0)) {
            const QString text = Format_2_Dec((f / t * 100.0 - 100.0).value(), numbers);
            Form50.setCell(result, row, text);
            Form50.setCell(copy, row, text);
        }
    };
    change(C::Text102, C::Text104, C::Text107, C::Text109);
    change(C::Text103, C::Text105, C::Text108, C::Text110);
}

} // namespace

void From_Port_Energy(CompareModel &Form50, const Flow_Test_Sheet &sheet, int row, bool metric,
                      const NumberStyle &numbers)
{
    energyRow(Form50, sheet, row, metric, numbers, FromCells, false);
}

void From_Port_Energy_Density(CompareModel &Form50, const Flow_Test_Sheet &sheet, int row,
                              bool metric, const NumberStyle &numbers)
{
    energyRow(Form50, sheet, row, metric, numbers, FromCells, true);
}

void To_Port_Energy(CompareModel &Form50, const Flow_Test_Sheet &sheet, int row, bool metric,
                    const NumberStyle &numbers)
{
    energyRow(Form50, sheet, row, metric, numbers, ToCells, false);
}

void To_Port_Energy_Density(CompareModel &Form50, const Flow_Test_Sheet &sheet, int row,
                            bool metric, const NumberStyle &numbers)
{
    energyRow(Form50, sheet, row, metric, numbers, ToCells, true);
}

bool Populate_From_Columns(CompareModel &Form50, const Flow_Test_Sheet &sheet, bool metric,
                           CalcState &calc, const NumberStyle &numbers, const Platform &platform)
{
    try {
        const TypeRule *rule = ruleOf(comparisonType(Form50));
        Form50.setCell(C::Text102, 10, title(Form50, C::From_Test_Label));
        Form50.setCell(C::Text101, 11, QStringLiteral(".25D In/Ex"));
        Form50.setCell(C::Text102, 11, sheet.cell(S::Text102, 9));
        Form50.setCell(C::Text103, 11, sheet.cell(S::Text103, 9));
        const bool units = showsEnergy(rule);
        Form50.setCell(C::Text102, 12, units ? sheet.cell(S::Text114, 12) : QString());
        Form50.setCell(C::Text103, 12, units ? sheet.cell(S::Text115, 12) : QString());

        const S::Array x = xSource(Form50);
        for (int row = FirstCopiedRow; row <= LastRow; ++row) {
            Form50.setCell(C::Text101, row, sheet.cell(x, row));
            if (!rule)
                continue;
            if (isEnergy(rule->step)) {
                From_Port_Energy(Form50, sheet, row, metric, numbers);
            } else if (isDensity(rule->step)) {
                From_Port_Energy_Density(Form50, sheet, row, metric, numbers);
            } else {
                copyValues(Form50, sheet, row, *rule, C::Text102, C::Text103);
                Form50.setCell(C::Text107, row, QString());
                Form50.setCell(C::Text108, row, QString());
            }
        }
        return true;
    } catch (const RuntimeError &e) {
        showFillError(e, Form50, calc, platform);
        return false;
    }
}

bool Populate_To_Columns(CompareModel &Form50, const Flow_Test_Sheet &sheet, bool metric,
                         CalcState &calc, const NumberStyle &numbers, const Platform &platform)
{
    try {
        const TypeRule *rule = ruleOf(comparisonType(Form50));
        Form50.setCell(C::Text104, 11, sheet.cell(S::Text102, 9));
        Form50.setCell(C::Text105, 11, sheet.cell(S::Text103, 9));
        Form50.setCell(C::Text104, 10, title(Form50, C::To_Test_Label));
        headersOfResults(Form50, rule, metric);
        const bool units = showsEnergy(rule);
        Form50.setCell(C::Text104, 12, units ? sheet.cell(S::Text114, 12) : QString());
        Form50.setCell(C::Text105, 12, units ? sheet.cell(S::Text115, 12) : QString());

        const S::Array x = xSource(Form50);
        for (int row = FirstCopiedRow; row <= LastRow; ++row) {
            Form50.setCell(C::Text106, row, sheet.cell(x, row));
            if (!rule)
                continue;
            if (isDifference(rule->step))
                differenceRow(Form50, sheet, row, *rule, numbers);
            else if (isChange(rule->step))
                changeRow(Form50, sheet, row, *rule, metric, numbers);
            else if (rule->step == Step::Energy)
                To_Port_Energy(Form50, sheet, row, metric, numbers);
            else
                To_Port_Energy_Density(Form50, sheet, row, metric, numbers);
        }
        return true;
    } catch (const RuntimeError &e) {
        showFillError(e, Form50, calc, platform);
        return false;
    }
}

bool Command1_Click(CompareModel &Form50, const SheetList &Forms, AppState &st)
{
    auto label = [&](int k, C::Array cell) -> const S & {
        const S *sheet = Forms[size_t(k)];
        Q_ASSERT(sheet);
        Form50.setCell(cell,
                       QString::number(k + 1) + QStringLiteral(" - ") + sheet->cell(S::Text102, 0));
        return *sheet;
    };
    const bool from = Populate_From_Columns(Form50, label(fromTest(Form50), C::From_Test_Label),
                                            st.Metric(), st.calc, st.numbers, st.platform);
    const bool to = Populate_To_Columns(Form50, label(toTest(Form50), C::To_Test_Label),
                                        st.Metric(), st.calc, st.numbers, st.platform);
    return from && to;
}

void graphOptionClick(const CompareModel &Form50, CompareModel::Array box, GraphSettings &graph)
{
    int *flags[] = {&graph.Quarter_D_Line, &graph.Auto_X_Lines, &graph.Mark_Points,
                    &graph.Calc_Low_Y};
    Q_ASSERT(box >= C::Check1 && box <= C::Check4);
    *flags[box - C::Check1] = graphOption(Form50, box);
}

} // namespace zyt
