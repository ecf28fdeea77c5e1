#include "sort_clear.h"

#include "calc/formats.h"
#include "model/flow_test_sheet.h"

#include <array>
#include <initializer_list>

namespace zyt {

namespace {

using S = Flow_Test_Sheet;

constexpr int First = S::FirstLiftRow + 1; // row 16 takes no part
constexpr int Last = S::LastLiftRow;

void swapRows(S &sheet, int a, int b)
{
    for (int array = S::Text101; array <= S::Text211; ++array) {
        const auto col = S::Array(array);
        const QString kept = sheet.cell(col, a);
        sheet.setCell(col, a, sheet.cell(col, b));
        sheet.setCell(col, b, kept);
    }
}

void clearRows(S &sheet, std::initializer_list<S::Array> columns)
{
    for (int row = S::FirstLiftRow; row <= S::LastLiftRow; ++row)
        for (S::Array a : columns)
            sheet.setCell(a, row, QStringLiteral("0"));
}

} // namespace

void Sort_Lift_Points(Flow_Test_Sheet &sheet, const NumberStyle &numbers)
{
    // Every lift is read first, so a bad one leaves the sheet as it was.
    std::array<double, Last + 1> lift{};
    for (int row = First; row <= Last; ++row)
        lift[size_t(row)] = fixDecimalSepValue(sheet.cell(S::Text101, row), numbers);

    bool exchanged = true;
    while (exchanged) {
        exchanged = false;
        for (int i = First; i < Last; ++i) {
            const double a = lift[size_t(i)];
            const double b = lift[size_t(i) + 1];
            if (a == 0.0 && b == 0.0)
                continue;
            if ((b != 0.0 && a > b) || (a == 0.0 && b > 0.0)) {
                swapRows(sheet, i, i + 1);
                std::swap(lift[size_t(i)], lift[size_t(i) + 1]);
                exchanged = true;
            }
        }
    }
}

void Clear_Flow_Fields(Flow_Test_Sheet &sheet)
{
    clearRows(sheet, {S::Text102, S::Text103, S::Text106, S::Text107});
}

void Clear_Lift_Fields(Flow_Test_Sheet &sheet) { clearRows(sheet, {S::Text101, S::Text108}); }

void Clear_Swirl_Fields(Flow_Test_Sheet &sheet) { clearRows(sheet, {S::Text207}); }

} // namespace zyt
