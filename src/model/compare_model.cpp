#include "compare_model.h"

namespace zyt {

namespace {

CellLayout buildLayout()
{
    CellLayout layout;
    const char *names[] = {"Check1", "Check2", "Check3", "Check4"};
    const char *starts[] = {"1", "0", "0", "0"};
    for (int a = CompareModel::Check1; a <= CompareModel::Check4; ++a) {
        const int array = layout.addSingle(QString::fromLatin1(names[a]));
        Q_ASSERT(array == a);
        CellInfo s;
        s.kind = CellKind::Check;
        s.readOnly = false;
        s.tabStop = true;
        s.defaultText = QString::fromLatin1(starts[a]);
        layout.addCell(array, CellLayout::Single, s);
    }
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

} // namespace zyt
