#pragma once

#include "files_fixture.h"
#include "model/flow_test_sheet.h"

namespace zyt::test {

// What the tests of the outside flow files share.

// Stands in for the calculation an import ends with, and counts it.
inline int calculations = 0;
inline void countCalculation(Flow_Test_Sheet &, bool, CalcState &, const NumberStyle &,
                             const Platform &)
{
    ++calculations;
}

inline QStringList column(const Flow_Test_Sheet &sheet, Flow_Test_Sheet::Array a, int from, int to)
{
    QStringList out;
    for (int r = from; r <= to; ++r)
        out << sheet.cell(a, r);
    return out;
}

inline QStringList snapshot(const Flow_Test_Sheet &sheet)
{
    QStringList all;
    for (int id = 0; id < sheet.layout().cellCount(); ++id)
        all << sheet.text(id);
    return all;
}

// A box with OK, no icon and no title of its own.
inline Box plain(const QString &text)
{
    return Box{text, MsgButtons::Ok, MsgIcon::None, std::nullopt};
}

} // namespace zyt::test
