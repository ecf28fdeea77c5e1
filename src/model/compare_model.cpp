#include "compare_model.h"

#include <QtGlobal>

namespace zyt {

namespace {

using C = CompareModel;

// A check box or option group, ticked or chosen as it starts.
CellInfo choice(const char *start) { return editableCell(CellKind::Check, start); }

CellInfo entry(int tabOrder)
{
    CellInfo s = editableCell(CellKind::Input, "-"); // "-": not used
    s.numeric = true;
    s.tabOrder = tabOrder;
    return s;
}

CellInfo captionLine(const char *text, int tabOrder)
{
    CellInfo s = editableCell(CellKind::Input, text);
    s.tabOrder = tabOrder;
    s.alignment = 0;
    return s;
}

// Every table cell is computed: read-only, outside the tab chain, empty
// until the first "&Calculate".
CellInfo tableCell()
{
    CellInfo s;
    s.kind = CellKind::Result;
    s.numeric = true;
    return s;
}

int addSingle(CellLayout &layout, const char *name, const CellInfo &info)
{
    const int array = layout.addSingle(QString::fromLatin1(name));
    layout.addCell(array, CellLayout::Single, info);
    return array;
}

void expect(int array, C::Array name)
{
    Q_ASSERT(array == name);
    Q_UNUSED(array);
    Q_UNUSED(name);
}

int readOption(const CompareModel &Form50, C::Array group, int count)
{
    bool ok = false;
    const int k = Form50.cell(group).toInt(&ok);
    return ok && k >= 0 && k < count ? k : -1;
}

int readTest(const CompareModel &Form50, C::Array group)
{
    // The first four elements name their test; anything else is the fifth.
    const int k = readOption(Form50, group, 4);
    return k < 0 ? 4 : k;
}

CellLayout buildLayout()
{
    CellLayout layout;
    const char *boxes[] = {"Check1", "Check2", "Check3", "Check4"};
    const char *ticked[] = {"1", "0", "0", "0"};
    for (int a = C::Check1; a <= C::Check4; ++a) {
        expect(addSingle(layout, boxes[a], choice(ticked[a])), C::Array(a));
    }
    // From "Test 1", to "Test 2", "CFM @ 28"", against valve lift.
    expect(addSingle(layout, "Option1", choice("0")), C::Option1);
    expect(addSingle(layout, "Option2", choice("1")), C::Option2);
    expect(addSingle(layout, "Option3", choice("0")), C::Option3);
    expect(addSingle(layout, "Option4", choice("0")), C::Option4);
    expect(addSingle(layout, "Text1", entry(0)), C::Text1);
    expect(addSingle(layout, "Text2", entry(1)), C::Text2);
    expect(addSingle(layout, "Text3", entry(2)), C::Text3);
    expect(addSingle(layout, "Text4", entry(3)), C::Text4);
    expect(addSingle(layout, "Text71",
                     captionLine("User Supplied Text for Graph Caption Line 1 -- ADD HERE", 4)),
           C::Text71);
    expect(addSingle(layout, "Text72",
                     captionLine("User Supplied Text for Graph Caption Line 2 -- ADD HERE", 5)),
           C::Text72);
    const char *columns[] = {"Text101", "Text102", "Text103", "Text104", "Text105",
                             "Text106", "Text107", "Text108", "Text109", "Text110"};
    for (int k = 0; k < 10; ++k) {
        const int array =
            layout.addArray(QString::fromLatin1(columns[k]), C::FirstTableRow, C::LastTableRow);
        expect(array, C::Array(C::Text101 + k));
        for (int row = C::FirstTableRow; row <= C::LastTableRow; ++row)
            layout.addCell(array, row, tableCell());
    }
    // The labels are no text boxes: every walk of the window's boxes passes
    // them by.
    expect(addSingle(layout, "From_Test_Label", CellInfo{}), C::From_Test_Label);
    expect(addSingle(layout, "To_Test_Label", CellInfo{}), C::To_Test_Label);
    return layout;
}

} // namespace

CompareModel::CompareModel(QObject *parent)
    : CellModel(compareLayout(), QStringLiteral("Form50"), parent)
{
}

CompareModel::CompareModel(const CellLayout &layout, QObject *parent)
    : CellModel(layout, QStringLiteral("Form50"), parent)
{
    Q_ASSERT(layout.arrayCount() > Check4 && layout.arrayName(Check1) == u"Check1" &&
             layout.arrayName(Check4) == u"Check4");
}

const CellLayout &CompareModel::compareLayout()
{
    static const CellLayout layout = buildLayout();
    return layout;
}

int comparisonType(const CompareModel &Form50)
{
    return readOption(Form50, C::Option3, CompareTypeCount);
}

int xColumn(const CompareModel &Form50) { return readOption(Form50, C::Option4, 3); }

int fromTest(const CompareModel &Form50) { return readTest(Form50, C::Option1); }

int toTest(const CompareModel &Form50) { return readTest(Form50, C::Option2); }

int graphOption(const CompareModel &Form50, CompareModel::Array box)
{
    Q_ASSERT(box >= C::Check1 && box <= C::Check4);
    return Form50.cell(box) == u"1" ? 1 : 0;
}

CellRules compareCellRules(CompareModel::Array array)
{
    CellRules r;
    if (array < C::Text1 || array > C::Text4)
        return r;
    r.edited = true;
    r.selectOnFocus = true;
    // The Y axis may go below zero; a valve lift may not.
    r.filter = array <= C::Text2 ? KeyFilter::Signed : KeyFilter::Decimal;
    r.check = FocusCheck::DashWhenEmpty;
    return r;
}

} // namespace zyt
