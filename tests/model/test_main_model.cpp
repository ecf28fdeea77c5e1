#include "model/app_state.h"
#include "model/compare_model.h"
#include "model/main_model.h"

#include <QTest>

using namespace zyt;
using M = MainModel;

class TestMainModel : public QObject {
    Q_OBJECT

private slots:
    void absentCellsAreRefused();
    void metricFollowsCheck2();
    void compareBoxesStartAsTheGraphFlags();
};

void TestMainModel::absentCellsAreRefused()
{
    M main;
    for (auto [array, index] :
         {std::pair{"Text107", 9}, {"Text101", 10}, {"Text1", 5}, {"Text201", 3}, {"Check2", 0}})
        QVERIFY(!main.setText(QString::fromLatin1(array), index, QStringLiteral("x")));
}

void TestMainModel::metricFollowsCheck2()
{
    M main;
    AppState st;
    st.Main = &main;
    QVERIFY(!st.Metric());
    main.setCell(M::Check2, QStringLiteral("1"));
    QVERIFY(st.Metric() && main.checked(M::Check2));
}

// The compare window's boxes show the program's graph flags from the start.
void TestMainModel::compareBoxesStartAsTheGraphFlags()
{
    const CompareModel form50;
    const AppState st;
    const int flags[] = {st.graph.Quarter_D_Line, st.graph.Auto_X_Lines, st.graph.Mark_Points,
                         st.graph.Calc_Low_Y};
    for (int k = 0; k < 4; ++k)
        QCOMPARE(form50.cell(CompareModel::Array(CompareModel::Check1 + k)),
                 QString::number(flags[k]));
}

QTEST_APPLESS_MAIN(TestMainModel)
#include "test_main_model.moc"
