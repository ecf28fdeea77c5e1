#include "estimator.h"

#include "calc/formats.h"
#include "calc/guarded.h"
#include "model/number_style.h"
#include "platform/numbers.h"
#include "platform/runtime_error.h"

namespace zyt {

namespace {

using M = MainModel;

constexpr double Mm = 25.4;              // mm per inch
constexpr double SqMm = 645.16;          // mm² per in²
constexpr double Metre = 0.3048;         // m per ft
constexpr double CubicM = 0.02831684659; // m³ per ft³
constexpr double CubicIn = 61.023744;    // in³ per litre
constexpr double Nm = 1.3558179;         // Nm per lb-ft
constexpr double Kw = 0.7457;            // kW per HP
constexpr double Cc = 16.387064;         // cc per in³

using Format = QString (*)(double, const NumberStyle &);

// Reads and writes the estimator's cells as the formulas name them.
class Cells {
public:
    Cells(MainModel &main, const NumberStyle &numbers) : m_(main), numbers_(numbers) {}

    // The number a cell shows; error 13 when it shows none.
    Checked operator()(M::Array a, int i) const
    {
        return parseNumber(m_.cell(a, i), numbers_.localeDecimal);
    }
    void put(M::Array a, int i, Format format, Checked value)
    {
        m_.setCell(a, i, format(value.value(), numbers_));
    }
    bool checked(M::Array box) const { return m_.checked(box); }
    MainModel &model() { return m_; }

private:
    MainModel &m_;
    const NumberStyle &numbers_;
};

Checked squared(Checked x) { return pow(x, 2.0); }

// The compression ratio's part of the air-flow power limit; zero, and so a
// division by zero, at a ratio of exactly 1.
Checked crFactor(Checked cr) { return Checked(0.6446) / (Checked(1.0) - 1.0 / pow(cr, 0.44)); }

void runSteps(Cells &c, bool metric)
{
    // An empty or "0" cylinder count means the usual eight; "00" stays for
    // the entry rules to refuse.
    const QString &count = c.model().cell(M::Text111, 3);
    if (count.isEmpty() || count == u"0")
        c.model().setCell(M::Text111, 3, QStringLiteral("8"));

    // Each cell is read in its own statement, in the order its formula names
    // it, and each operation applied as soon as its operands are there: the
    // error box then names the first unusable cell, whatever order the
    // compiler would give the operands of one expression.
    auto CR = [&] { return c(M::Text101, 8); };
    auto B = [&] { return c(M::Text104, 3); };
    auto S = [&] { return c(M::Text105, 3); };
    auto N = [&] { return c(M::Text111, 3); };
    auto D = [&] { return c(M::Text107, 3); };
    auto R = [&] { return c(M::Text109, 3); };
    auto V = [&] { return c(M::Text102, 3); };
    auto A = [&] { return c(M::Text103, 3); };
    auto Q = [&] { return c(M::Text103, 8); };
    auto T = [&] { return c(M::Text107, 8); };
    auto W = [&] { return c(M::Text104, 8); };
    auto P = [&] { return c(M::Text106, 8); };
    Checked v = 0.0;

    if (!c.checked(M::Check1))
        c.put(M::Text101, 3, Format_4_Dec, Checked(0.005) * CR() + 0.495);
    if (metric)
        c.put(M::Text102, 3, Format_2_Dec, c(M::Text101, 3) * 1125 * Metre);
    else
        c.put(M::Text102, 3, Format_1_Dec, c(M::Text101, 3) * 1125);
    c.put(M::Text106, 3, Format_2_Dec, squared(B()) * 0.7854);
    v = squared(B()) * 0.7854;
    v = v * N();
    v = v * S();
    if (metric)
        c.put(M::Text107, 3, Format_5_Dec, v / 1000000);
    else
        c.put(M::Text107, 3, Format_1_Dec, v);
    v = D();
    c.put(M::Text108, 3, metric ? Format_5_Dec : Format_2_Dec, v / N());

    if (c.checked(M::Check3)) {
        // The typed peak-power speed gives the mean port area.
        v = metric ? S() / Mm : S();
        v = v * (metric ? squared(B() / Mm) : squared(B()));
        v = v * 0.00353678;
        v = v * R();
        v = v / (metric ? V() / Metre : V());
        c.put(M::Text103, 3, Format_3_Dec, metric ? v * SqMm : v);
    } else {
        if (metric) {
            v = A();
            v = v * (V() / Metre) / SqMm;
        } else {
            v = V();
            v = v * A();
        }
        Checked power = metric ? S() / Mm : S();
        power = power * (metric ? squared(B() / Mm) : squared(B()));
        c.put(M::Text109, 3, Format_Int, v / (power * 0.00353678));
    }

    c.put(M::Text110, 3, Format_Int, R() * 1.07);
    if (metric) {
        v = S() / Mm;
        c.put(M::Text102, 8, Format_2_Dec, v * R() * 2 / 12 * Metre);
    } else {
        v = R();
        c.put(M::Text102, 8, Format_Int, v * S() * 2 / 12);
    }

    v = N() / 8;
    Checked flow = metric ? Q() / CubicM : Q();
    flow = flow * 2.2;
    flow = flow / crFactor(CR());
    c.put(M::Text106, 8, Format_Int, v * (metric ? flow * Kw : flow));

    const Checked cr = CR();
    const Checked torque = Checked(0.23) * cr - Checked(0.00678) * squared(cr) - 0.28;
    c.put(M::Text107, 8, Format_3_Dec, metric ? torque * Nm : torque);
    c.put(M::Text108, 8, Format_1_Dec, T() * 61);
    v = metric ? D() * CubicIn : D();
    c.put(M::Text104, 8, metric ? Format_2_Dec : Format_Int, v * T());

    if (metric) {
        v = R();
        c.put(M::Text105, 8, Format_Int, v * (W() / Nm * 0.88) / 5252 * Kw);
    } else {
        v = W() * 0.88;
        c.put(M::Text105, 8, Format_Int, v * R() / 5252);
    }

    v = P();
    c.put(M::Text109, 8, Format_3_Dec, v / (metric ? D() * CubicIn : D()));
    c.put(M::Text110, 8, Format_3_Dec, c(M::Text109, 8) * 61);
}

// A port calculator's result, or nothing written when its inputs do not
// give one.
template <typename Formula>
void portCalculator(MainModel &main, const NumberStyle &numbers, M::Array result, Format format,
                    Formula formula)
{
    Cells c(main, numbers);
    try {
        const Checked value = formula(c, main.checked(M::Check2));
        c.put(result, 9, format, value);
    } catch (const RuntimeError &) {
        // The result cell keeps its text, and nothing is shown.
    }
}

// Looks of the cells the "User" boxes switch.
constexpr std::uint32_t White = 0xFFFFFF;
constexpr std::uint32_t Black = 0x000000;
constexpr std::uint32_t Red = 0xFF0000;
constexpr std::uint32_t ComputedBack = 0xFFFF01; // not quite the yellow of the layout

enum class Role { Entry, Computed };

void setColors(MainModel &m, M::Array a, int i, std::uint32_t back, std::uint32_t fore)
{
    const int id = m.layout().id(a, i);
    CellLook look = m.look(id);
    look.backColor = back;
    look.foreColor = fore;
    m.setLook(id, look);
}

// A column's value cell in row 3, its two labels above it and its marker.
void setRole(MainModel &m, M::Array column, int marker, Role role)
{
    const bool entry = role == Role::Entry;
    const int inputMarker = m.layout().id(M::Label2, 1);
    setColors(m, M::Label2, marker, entry ? m.look(inputMarker).backColor : White, Black);
    const std::uint32_t back = entry ? White : ComputedBack;
    const std::uint32_t fore = entry ? Black : Red;
    setColors(m, column, 1, back, fore);
    setColors(m, column, 2, back, fore);

    // The font comes from the model cell of the look as it is now, so the
    // user's font choice carries over.
    const CellLook &model =
        m.look(entry ? m.layout().id(M::Text101, 8) : m.layout().id(M::Text102, 6));
    const int id = m.layout().id(column, 3);
    CellLook look = m.look(id);
    look.backColor = back;
    look.foreColor = fore;
    look.readOnly = !entry;
    look.tabStop = entry;
    look.fontName = model.fontName;
    look.fontSize = model.fontSize;
    look.fontBold = model.fontBold;
    look.fontItalic = model.fontItalic;
    m.setLook(id, look);
}

} // namespace

void Calc_Engine_US(MainModel &main, const NumberStyle &numbers)
{
    Cells c(main, numbers);
    runSteps(c, false);
}

void Calc_Engine_Metric(MainModel &main, const NumberStyle &numbers)
{
    Cells c(main, numbers);
    runSteps(c, true);
}

void Command51_Click(MainModel &main, const NumberStyle &numbers, const Platform &platform)
{
    // Trapped here: the exit save runs this first and must go on.
    runGuarded(platform, [&] {
        if (main.checked(M::Check2))
            Calc_Engine_Metric(main, numbers);
        else
            Calc_Engine_US(main, numbers);
    });
}

void Command7_Click(MainModel &main, const NumberStyle &numbers)
{
    portCalculator(main, numbers, M::Text102, Format_2_Dec, [](Cells &c, bool metric) {
        const Checked area = c(M::Text106, 9);
        const Checked length = c(M::Text104, 9);
        return metric ? area / SqMm * Cc * (length / Mm) : area * Cc * length;
    });
}

void Command8_Click(MainModel &main, const NumberStyle &numbers)
{
    portCalculator(main, numbers, M::Text104, Format_3_Dec, [](Cells &c, bool metric) {
        const Checked volume = c(M::Text102, 9);
        const Checked area = c(M::Text106, 9);
        return metric ? volume / (area / SqMm) / Cc * Mm : volume / area / Cc;
    });
}

void Command9_Click(MainModel &main, const NumberStyle &numbers)
{
    portCalculator(main, numbers, M::Text106, Format_3_Dec, [](Cells &c, bool metric) {
        const Checked volume = c(M::Text102, 9);
        const Checked length = c(M::Text104, 9);
        return metric ? volume / (length / Mm * Cc) * SqMm : volume / (length * Cc);
    });
}

void Check1_Click(MainModel &main)
{
    setRole(main, M::Text101, 0, main.checked(M::Check1) ? Role::Entry : Role::Computed);
}

void Check3_Click(MainModel &main)
{
    const bool typed = main.checked(M::Check3);
    setRole(main, M::Text109, 7, typed ? Role::Entry : Role::Computed);
    setRole(main, M::Text103, 2, typed ? Role::Computed : Role::Entry);
}

void keepUserBoxLooks(MainModel &main)
{
    const int check1 = main.layout().id(M::Check1, M::Single);
    const int check3 = main.layout().id(M::Check3, M::Single);
    QObject::connect(&main, &CellModel::cellChanged, &main, [&main, check1, check3](int id) {
        if (id == check1)
            Check1_Click(main);
        else if (id == check3)
            Check3_Click(main);
    });
}

} // namespace zyt
