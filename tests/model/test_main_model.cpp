#include "model/app_state.h"
#include "model/compare_model.h"
#include "model/graph_window_state.h"
#include "model/main_model.h"

#include <QTest>

using namespace zyt;
using M = MainModel;

class TestMainModel : public QObject {
    Q_OBJECT

private slots:
    void presentCells();
    void cells_data();
    void cells();
    void metricFollowsCheck2();
    void otherWindowsStart();
};

void TestMainModel::presentCells()
{
    const CellLayout &layout = M::mainLayout();
    // Six estimator columns of rows 0 to 9, five of rows 0 to 8, five
    // preload names, eleven single cells and thirteen colour markers.
    QCOMPARE(layout.cellCount(), 6 * 10 + 5 * 9 + 5 + 11 + 13);
    for (int id = 0; id < layout.cellCount(); ++id)
        QCOMPARE(layout.id(layout.arrayOf(id), layout.indexOf(id)), id);
    M main;
    for (auto [array, index] :
         {std::pair{"Text107", 9}, {"Text101", 10}, {"Text1", 5}, {"Text201", 3}, {"Check2", 0}})
        QVERIFY(!main.setText(QString::fromLatin1(array), index, QStringLiteral("x")));
}

void TestMainModel::cells_data()
{
    QTest::addColumn<int>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<uint>("back");

    const int L = int(CellKind::Label), I = int(CellKind::Input), R = int(CellKind::Result),
              C = int(CellKind::Check);
    const uint yellow = 0xFFFF00, white = 0xFFFFFF;
    auto row = [](const char *name, M::Array a, int i, const char *text, int kind, bool num,
                  uint back) {
        QTest::newRow(name) << int(a) << i << QString::fromLatin1(text) << kind << num << back;
    };
    row("Mach number, computed", M::Text101, 3, "0.5475", R, true, yellow);
    row("its label", M::Text101, 2, "Mach #", L, false, yellow);
    row("bore, typed", M::Text104, 3, "4.125", I, true, white);
    row("cylinders", M::Text111, 3, "8", I, true, white);
    row("cylinder label", M::Text111, 0, "Number", L, false, white);
    row("CR", M::Text101, 8, "10.5", I, true, white);
    row("CFM", M::Text103, 8, "322", I, true, white);
    row("HP per liter", M::Text110, 8, "97.6", R, true, yellow);
    row("calculator volume", M::Text102, 9, "203", I, true, white);
    row("calculator area label", M::Text105, 9, "Port Area", L, false, white);
    row("preload name", M::Text1, 4, "No", I, false, white);
    row("company", M::Text94, M::Single, "", I, false, white);
    row("test name", M::Text33, M::Single, "Name of Test being Calculated", I, false, 0xFFE0C0);
    row("comments", M::Text38, M::Single, "C O M M E N T S", I, false, 0xC0FFFF);
    row("user Mach", M::Check1, M::Single, "0", C, false, 0xC0FFC0);
    row("metric", M::Check2, M::Single, "0", C, false, white);
    row("layout centre", M::Option4, M::Single, "1", C, false, white);
}

void TestMainModel::cells()
{
    QFETCH(int, array);
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(int, kind);
    QFETCH(bool, numeric);
    QFETCH(uint, back);
    const M main;
    QCOMPARE(main.cell(M::Array(array), index), text);
    const CellInfo &s = M::mainLayout().info(M::mainLayout().id(array, index));
    QCOMPARE(int(s.kind), kind);
    QCOMPARE(s.numeric, numeric); // the separator walks change numbers only
    QCOMPARE(s.backColor, back);
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

void TestMainModel::otherWindowsStart()
{
    const CompareModel form50;
    const AppState st;
    const int flags[] = {st.graph.Quarter_D_Line, st.graph.Auto_X_Lines, st.graph.Mark_Points,
                         st.graph.Calc_Low_Y};
    for (int k = 0; k < 4; ++k)
        QCOMPARE(form50.cell(CompareModel::Array(k)), QString::number(flags[k]));
    QCOMPARE(flags[0], 1);
    QCOMPARE(st.graph.Grid_On, 1);
    QCOMPARE(st.graph.Grid_Line_Color, 9474192);
    QCOMPARE(st.files.Import_Filter_Index, 1);
    QCOMPARE(GraphWindowState().Logo_Caption, QStringLiteral("Logo -- Is OFF"));
}

QTEST_APPLESS_MAIN(TestMainModel)
#include "test_main_model.moc"
