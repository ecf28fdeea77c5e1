#include "estimator_rules.h"

#include "model/number_style.h"
#include "platform/numbers.h"
#include "platform/platform.h"

#include <initializer_list>

namespace zyt {

namespace {

using M = MainModel;

struct Column {
    M::Array array;
    std::initializer_list<int> values; // the cells that take entries
    KeyFilter filter;
    ExtraRule extra;
};

const Column columns[] = {
    {M::Text101, {3, 8}, KeyFilter::Decimal, ExtraRule::EstimatorLimit},
    {M::Text102, {9}, KeyFilter::Decimal, ExtraRule::None},
    {M::Text103, {3, 8}, KeyFilter::Decimal, ExtraRule::None},
    {M::Text104, {3, 9}, KeyFilter::Decimal, ExtraRule::None},
    {M::Text105, {3}, KeyFilter::Decimal, ExtraRule::None},
    {M::Text106, {9}, KeyFilter::Decimal, ExtraRule::None},
    {M::Text109, {3}, KeyFilter::Integer, ExtraRule::None},
    {M::Text111, {3}, KeyFilter::Integer, ExtraRule::None},
};

} // namespace

CellRules mainCellRules(MainModel::Array array, int index)
{
    CellRules r;
    for (const Column &c : columns) {
        if (c.array != array)
            continue;
        r.edited = true;
        for (int value : c.values) {
            if (value != index)
                continue;
            // The rules hold whatever the cell's look: a computed cell can
            // still take the focus by a click.
            r.selectOnFocus = true;
            r.filter = c.filter;
            r.check = FocusCheck::NotZero;
            r.extra = c.extra;
        }
        break;
    }
    return r;
}

bool estimatorLimitCheck(int index, QStringView text, const NumberStyle &numbers,
                         const Platform &platform)
{
    if (index != 3 && index != 8)
        return false;
    const double limit = index == 3 ? 1.0 : 25.0;
    const auto value = tryParseNumber(text, numbers.localeDecimal);
    if (!value || *value <= limit)
        return false;
    platform.message(index == 3 ? QStringLiteral("Mach # Can Not be Greater Than 1")
                                : QStringLiteral("CR Can Not be Greater Than 25"),
                     MsgButtons::Ok, MsgIcon::None);
    return true;
}

} // namespace zyt
