#include "compare_state.h"

namespace zyt {

namespace {

CellLayout buildLayout()
{
    CellLayout layout;
    const char *names[] = {"Check1", "Check2", "Check3", "Check4"};
    const char *starts[] = {"1", "0", "0", "0"};
    for (int a = Compare_Model::Check1; a <= Compare_Model::Check4; ++a) {
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

Compare_Model::Compare_Model(QObject *parent)
    : CellModel(compareLayout(), QStringLiteral("Form50"), parent)
{
}

const CellLayout &Compare_Model::compareLayout()
{
    static const CellLayout layout = buildLayout();
    return layout;
}

} // namespace zyt
