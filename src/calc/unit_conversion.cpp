#include "unit_conversion.h"

#include "formats.h"
#include "model/flow_test_sheet.h"
#include "model/number_style.h"
#include "platform/numbers.h"
#include "platform/runtime_error.h"

namespace zyt {

namespace {

using S = Flow_Test_Sheet;

constexpr double Mm = 25.4;
constexpr double SqMm = 645.16;
constexpr double CubicM = 0.02831684659;
constexpr double Metre = 0.3048;
constexpr double Thou = 1000.0;

enum class Fmt { Int, F1, F2, F3, F4, F6 };

// To metric: multiply by `times`, then multiply or divide by `then`; to
// standard each step is undone in the same order.
struct Rule {
    double times;
    double then;
    bool thenDivides;
    Fmt toMetric;
    Fmt toStandard;
};

constexpr Rule Length{Mm, 1.0, false, Fmt::F3, Fmt::F3};
constexpr Rule Area{SqMm, 1.0, false, Fmt::F3, Fmt::F3};
constexpr Rule ThroatArea{SqMm, 1.0, false, Fmt::F2, Fmt::F2};
constexpr Rule Corner{SqMm, 1.0, false, Fmt::F6, Fmt::F6};
constexpr Rule SeatWidth{Mm, 1.0, false, Fmt::F4, Fmt::F4};
constexpr Rule QuarterD{Mm, Thou, true, Fmt::F2, Fmt::Int};
constexpr Rule Lift{Mm, Thou, true, Fmt::F3, Fmt::Int};
constexpr Rule EffectiveLift{Mm, Thou, true, Fmt::F4, Fmt::Int};
constexpr Rule Flow{CubicM, 1.0, false, Fmt::F4, Fmt::F2};
constexpr Rule FlowPerArea{SqMm, CubicM, false, Fmt::F2, Fmt::F2};
constexpr Rule Velocity{Metre, 1.0, false, Fmt::F1, Fmt::F1};
constexpr Rule EngineBore{Mm, 1.0, false, Fmt::F4, Fmt::F4};
constexpr Rule FlowTotal{CubicM, 1.0, false, Fmt::F1, Fmt::F1};

struct PanelCell {
    S::Array array;
    int index;
    const Rule *rule;
};

// The panel, in the order the conversion always ran.
const PanelCell panel[] = {
    // Lengths.
    {S::Text102, 3, &Length},
    {S::Text104, 3, &Length},
    {S::Text102, 4, &Length},
    {S::Text104, 4, &Length},
    {S::Text102, 8, &Length},
    {S::Text104, 8, &Length},
    {S::Text104, 0, &Length},
    {S::Text106, 1, &Length},
    {S::Text106, 0, &Length},
    {S::Text106, 2, &Length},
    {S::Text106, 3, &Length},
    {S::Text108, 1, &Length},
    {S::Text108, 0, &Length},
    {S::Text108, 2, &Length},
    {S::Text108, 3, &Length},
    // Areas and throats.
    {S::Text102, 2, &Area},
    {S::Text104, 2, &Area},
    {S::Text102, 5, &Area},
    {S::Text104, 5, &Area},
    {S::Text102, 6, &Length},
    {S::Text102, 7, &ThroatArea},
    {S::Text104, 6, &Length},
    {S::Text104, 7, &ThroatArea},
    // The 0.25D lifts.
    {S::Text102, 9, &QuarterD},
    {S::Text103, 9, &QuarterD},
    // Corner areas.
    {S::Text111, 2, &Corner},
    {S::Text112, 2, &Corner},
    {S::Text111, 3, &Corner},
    {S::Text112, 3, &Corner},
    // Window areas and seat widths.
    {S::Text110, 2, &Area},
    {S::Text110, 3, &Area},
    {S::Text202, 5, &SeatWidth},
    {S::Text204, 5, &SeatWidth},
};

struct UnitWord {
    S::Array array;
    int index;
    const char *standard;
    const char *metric;
};

const UnitWord unitWords[] = {
    {S::Text101, 15, "Lift Inch", "Lift mm"}, {S::Text102, 13, "CFM", "M^3 Min"},
    {S::Text103, 13, "CFM", "M^3 Min"},       {S::Text104, 14, "Lift Inch", "Lift mm"},
    {S::Text105, 14, "Lift Inch", "Lift mm"}, {S::Text106, 12, "CFM", "M^3 Min"},
    {S::Text107, 12, "CFM", "M^3 Min"},       {S::Text108, 15, "Lift Inch", "Lift mm"},
    {S::Text109, 13, "CFM", "M^3 Min"},       {S::Text109, 14, "Sq In", "Sq mm"},
    {S::Text110, 13, "CFM", "M^3 Min"},       {S::Text110, 14, "Sq In", "Sq mm"},
    {S::Text114, 12, "fps", "M/Sec"},         {S::Text115, 12, "fps", "M/Sec"},
};

struct RowColumn {
    S::Array array;
    const Rule *rule;
};

const RowColumn rowColumns[] = {
    {S::Text101, &Lift},          {S::Text102, &Flow},          {S::Text103, &Flow},
    {S::Text104, &EffectiveLift}, {S::Text105, &EffectiveLift}, {S::Text106, &Flow},
    {S::Text107, &Flow},          {S::Text108, &Lift},          {S::Text109, &FlowPerArea},
    {S::Text110, &FlowPerArea},   {S::Text114, &Velocity},      {S::Text115, &Velocity},
    {S::Text201, &Area},          {S::Text202, &Area},          {S::Text203, &Velocity},
    {S::Text204, &Velocity},
};

class Conversion {
public:
    Conversion(S &sheet, const NumberStyle &numbers, bool toMetric)
        : s_(sheet), numbers_(numbers), toMetric_(toMetric)
    {
    }

    void run()
    {
        for (const PanelCell &c : panel)
            convert(c.array, c.index, *c.rule);
        for (const UnitWord &w : unitWords)
            s_.setCell(w.array, w.index, QString::fromLatin1(toMetric_ ? w.metric : w.standard));
        for (int row = S::FirstLiftRow; row <= S::LastLiftRow; ++row)
            for (const RowColumn &c : rowColumns)
                convert(c.array, row, *c.rule);
        convert(S::Text110, 6, Lift); // Max Lift
        convert(S::Text112, 6, EngineBore);
        // The totals and averages too, so no cell is left in the old unit.
        for (auto [a, i] : {std::pair{S::Text106, 11}, std::pair{S::Text107, 11},
                            std::pair{S::Text102, 11}, std::pair{S::Text103, 11}})
            convert(a, i, FlowTotal);
    }

private:
    void convert(S::Array a, int i, const Rule &rule)
    {
        const auto value = tryParseNumber(s_.cell(a, i), numbers_.localeDecimal);
        if (!value)
            return; // empty or no number: nothing to convert
        try {
            Checked v = *value;
            if (toMetric_)
                v = rule.thenDivides ? v * rule.times / rule.then : v * rule.times * rule.then;
            else
                v = rule.thenDivides ? v / rule.times * rule.then : v / rule.times / rule.then;
            s_.setCell(a, i, format(v.value(), toMetric_ ? rule.toMetric : rule.toStandard));
        } catch (const RuntimeError &) {
            // A value beyond the range of numbers stays as it was.
        }
    }

    QString format(double v, Fmt f) const
    {
        switch (f) {
        case Fmt::Int:
            return Format_Int(v, numbers_);
        case Fmt::F1:
            return Format_1_Dec(v, numbers_);
        case Fmt::F2:
            return Format_2_Dec(v, numbers_);
        case Fmt::F3:
            return Format_3_Dec(v, numbers_);
        case Fmt::F4:
            return Format_4_Dec(v, numbers_);
        case Fmt::F6:
            break;
        }
        return Format_6_Dec(v, numbers_);
    }

    S &s_;
    const NumberStyle &numbers_;
    bool toMetric_;
};

} // namespace

void Convert_Sheet_To_Metric(Flow_Test_Sheet &sheet, const NumberStyle &numbers)
{
    Conversion(sheet, numbers, true).run();
}

void Convert_Sheet_To_Standard(Flow_Test_Sheet &sheet, const NumberStyle &numbers)
{
    Conversion(sheet, numbers, false).run();
}

} // namespace zyt
