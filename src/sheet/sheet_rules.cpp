#include "sheet_rules.h"

#include <cstdint>
#include <initializer_list>

namespace zyt {

namespace {

using S = Flow_Test_Sheet;

// A set of rows 0 to 30.
class Rows {
public:
    constexpr Rows() = default;
    constexpr Rows(std::initializer_list<int> rows)
    {
        for (int r : rows)
            bits_ |= std::uint32_t(1) << r;
    }
    static constexpr Rows range(int first, int last)
    {
        Rows r;
        for (int i = first; i <= last; ++i)
            r.bits_ |= std::uint32_t(1) << i;
        return r;
    }
    constexpr Rows operator|(Rows other) const
    {
        Rows r;
        r.bits_ = bits_ | other.bits_;
        return r;
    }
    constexpr bool has(int row) const { return row >= 0 && row < 32 && (bits_ >> row) & 1U; }

private:
    std::uint32_t bits_ = 0;
};

constexpr Rows Lift = Rows::range(S::FirstLiftRow, S::LastLiftRow);

struct Column {
    S::Array array;
    Rows select;
    Rows decimal;
    Rows integer;
    Rows signedDecimal;
    Rows notEmpty;
    Rows notZero;
    ExtraRule extra;
    Rows extraRows;
};

const Column columns[] = {
    {S::Text101, Lift, Lift, {}, {}, Lift, {}, ExtraRule::LiftCopy, Lift},
    {S::Text102,
     {0, 1, 2, 3, 4, 6, 8, 10},
     {1, 3, 4, 6, 8},
     {},
     {},
     {},
     {1, 3, 4, 6, 8},
     ExtraRule::None,
     {}},
    {S::Text104,
     {0, 1, 3, 4, 6, 8},
     {0, 1, 3, 4, 6, 8},
     {},
     {},
     {},
     {0, 1, 3, 4, 6, 8},
     ExtraRule::None,
     {}},
    {S::Text106,
     Rows{0, 1, 2, 3, 4, 6} | Lift,
     Rows{0, 1, 2, 3, 4} | Lift,
     {6},
     {},
     Rows{0, 1, 4, 6} | Lift,
     {2, 3},
     ExtraRule::IntakeValveCount,
     {6}},
    {S::Text107, Lift, Lift, {}, {}, Lift, {}, ExtraRule::None, {}},
    {S::Text108,
     {0, 1, 2, 3, 6, 7, 8},
     {0, 1, 2, 3, 7, 8},
     {6},
     {},
     {0, 1, 6, 8},
     {2, 3, 7},
     ExtraRule::ExhaustValveCount,
     {6}},
    {S::Text110, {5, 6}, {5, 6}, {}, {}, {}, {5, 6}, ExtraRule::None, {}},
    {S::Text112, {6}, {6}, {}, {}, {}, {6}, ExtraRule::None, {}},
    {S::Text202, {4, 5}, {4, 5}, {}, {}, {}, {4, 5}, ExtraRule::None, {}},
    {S::Text204, {4, 5}, {4, 5}, {}, {}, {}, {4, 5}, ExtraRule::None, {}},
    {S::Text207, Lift, {}, {}, Lift, Lift, {}, ExtraRule::None, {}},
    {S::Text210, Lift, Lift, {}, {}, Lift, {}, ExtraRule::None, {}},
    {S::Text211, Lift, Lift, {}, {}, Lift, {}, ExtraRule::None, {}},
};

} // namespace

CellRules sheetCellRules(Flow_Test_Sheet::Array array, int index)
{
    CellRules r;
    if (array == S::Text38) {
        r.edited = true;
        return r;
    }
    for (const Column &c : columns) {
        if (c.array != array)
            continue;
        r.edited = true;
        r.selectOnFocus = c.select.has(index);
        if (c.decimal.has(index))
            r.filter = KeyFilter::Decimal;
        else if (c.integer.has(index))
            r.filter = KeyFilter::Integer;
        else if (c.signedDecimal.has(index))
            r.filter = KeyFilter::Signed;
        if (c.notEmpty.has(index))
            r.check = FocusCheck::NotEmpty;
        else if (c.notZero.has(index))
            r.check = FocusCheck::NotZero;
        if (c.extraRows.has(index))
            r.extra = c.extra;
        break;
    }
    return r;
}

} // namespace zyt
