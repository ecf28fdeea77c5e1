#include "metric_switch.h"

#include "calc/formats.h"
#include "calc/unit_conversion.h"
#include "model/flow_test_sheet.h"
#include "model/number_style.h"
#include "platform/numbers.h"
#include "platform/runtime_error.h"

#include <initializer_list>

namespace zyt {

namespace {

using M = MainModel;
using Format = QString (*)(double, const NumberStyle &);

struct Label {
    M::Array array;
    int index;
    const char *standard;
    const char *metric;
};

// One converted cell: multiplied by `factor` towards metric (divided when
// `divides`), undone towards standard, then its unit words.
struct Converted {
    M::Array array;
    int index;
    double factor;
    bool divides;
    Format toMetric;
    Format toStandard;
    std::initializer_list<Label> labels;
};

// In the order the switch always ran.
const Converted converted[] = {
    {M::Text102,
     3,
     0.3048,
     false,
     Format_2_Dec,
     Format_1_Dec,
     {{M::Text102, 2, "Port Vel Ft/Sec", "Port Vel M/Sec"}}},
    {M::Text103, 3, 645.16, false, Format_3_Dec, Format_3_Dec, {}},
    {M::Text104, 3, 25.4, false, Format_2_Dec, Format_3_Dec, {{M::Text104, 2, "Inches", "mm"}}},
    {M::Text105, 3, 25.4, false, Format_2_Dec, Format_3_Dec, {{M::Text105, 2, "Inches", "mm"}}},
    {M::Text106, 3, 645.16, false, Format_2_Dec, Format_2_Dec, {}},
    {M::Text107, 3, 61.023744, true, Format_3_Dec, Format_1_Dec, {{M::Text107, 2, "CID", "LD"}}},
    {M::Text108, 3, 61.023744, true, Format_3_Dec, Format_2_Dec, {{M::Text108, 2, "CID", "LD"}}},
    {M::Text102, 8, 0.3048, false, Format_2_Dec, Format_Int, {{M::Text102, 7, "Ft/Min", "M/Min"}}},
    {M::Text103,
     8,
     0.02831684659,
     false,
     Format_5_Dec,
     Format_2_Dec,
     {{M::Text103, 5, "CFM @", "M^3/Min @"}}},
    {M::Text104,
     8,
     1.3558179,
     false,
     Format_3_Dec,
     Format_Int,
     {{M::Text104, 6, "Torque", "Torque NM"}}},
    {M::Text107,
     8,
     1.3558179,
     false,
     Format_3_Dec,
     Format_3_Dec,
     {{M::Text107, 5, "Torque", "Torque NM"}}},
    {M::Text108,
     8,
     1.3558179,
     false,
     Format_3_Dec,
     Format_1_Dec,
     {{M::Text108, 5, "Torque", "Torque NM"}}},
    {M::Text105,
     8,
     0.7457,
     false,
     Format_1_Dec,
     Format_1_Dec,
     {{M::Text105, 7, "HP limitation", "KW limitation"}}},
    {M::Text106,
     8,
     0.7457,
     false,
     Format_1_Dec,
     Format_1_Dec,
     {{M::Text106, 7, "HP limitation", "KW limitation"}}},
    {M::Text109, 8, 0.7457, false, Format_3_Dec, Format_3_Dec, {{M::Text109, 5, "HP", "KW"}}},
    {M::Text110, 8, 0.7457, false, Format_3_Dec, Format_3_Dec, {{M::Text110, 5, "HP", "KW"}}},
    {M::Text104, 9, 25.4, false, Format_3_Dec, Format_3_Dec, {}},
    {M::Text106, 9, 645.16, false, Format_3_Dec, Format_3_Dec, {}},
};

void convert(MainModel &main, const Converted &c, bool toMetric, const NumberStyle &numbers)
{
    const auto value = tryParseNumber(main.cell(c.array, c.index), numbers.localeDecimal);
    if (!value)
        return; // no number to convert: the cell stays as the user left it
    try {
        const Checked v = *value;
        const Checked result = toMetric == c.divides ? v / c.factor : v * c.factor;
        main.setCell(c.array, c.index,
                     (toMetric ? c.toMetric : c.toStandard)(result.value(), numbers));
    } catch (const RuntimeError &) {
        // A value beyond the range of numbers stays as it was.
    }
}

} // namespace

void Check2_Click(MainModel &main, const SheetList &sheets, const NumberStyle &numbers)
{
    const bool toMetric = main.checked(M::Check2);
    for (const Converted &c : converted) {
        convert(main, c, toMetric, numbers);
        for (const Label &l : c.labels)
            main.setCell(l.array, l.index, QString::fromLatin1(toMetric ? l.metric : l.standard));
    }
    for (Flow_Test_Sheet *sheet : sheets) {
        if (!sheet)
            continue;
        if (toMetric)
            Convert_Sheet_To_Metric(*sheet, numbers);
        else
            Convert_Sheet_To_Standard(*sheet, numbers);
    }
}

} // namespace zyt
