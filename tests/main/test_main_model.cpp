#include "calc/app_state.h"
#include "calc/formats.h"
#include "compare/compare_state.h"
#include "main/main_model.h"

#include <QSignalSpy>
#include <QTest>

using namespace zyt;
using M = Main_Model;

class TestMainModel : public QObject {
    Q_OBJECT

private slots:
    void presentCells();
    void defaults_data();
    void defaults();
    void looks_data();
    void looks();
    void absentCells_data();
    void absentCells();
    void markersAreNoNumbers();
    void metricFollowsCheck2();
    void compareWindowStart();
};

void TestMainModel::presentCells()
{
    const CellLayout &layout = M::mainLayout();
    // Six estimator columns of rows 0 to 9, five of rows 0 to 8, the five
    // preload names, eleven single cells and thirteen markers.
    QCOMPARE(layout.cellCount(), 6 * 10 + 5 * 9 + 5 + 11 + 13);
    QCOMPARE(layout.arrayCount(), M::Label2 + 1);
    QCOMPARE(layout.arrayName(M::Label2), QStringLiteral("Label2"));
    QCOMPARE(layout.arrayName(M::Text111), QStringLiteral("Text111"));
    QCOMPARE(layout.arrayName(M::Option4), QStringLiteral("Option4"));
    for (int id = 0; id < layout.cellCount(); ++id)
        QCOMPARE(layout.id(layout.arrayOf(id), layout.indexOf(id)), id);
}

void TestMainModel::defaults_data()
{
    QTest::addColumn<int>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");

    auto row = [](const char *name, M::Array a, int i, const char *text) {
        QTest::newRow(name) << int(a) << i << QString::fromLatin1(text);
    };
    // The estimator's entries and results as the window starts.
    row("Mach number", M::Text101, 3, "0.5475");
    row("port velocity", M::Text102, 3, "616");
    row("mean port area", M::Text103, 3, "2.75");
    row("bore", M::Text104, 3, "4.125");
    row("stroke", M::Text105, 3, "4");
    row("piston area", M::Text106, 3, "13.36");
    row("CID", M::Text107, 3, "427.7");
    row("cylinder CID", M::Text108, 3, "53.46");
    row("peak HP RPM", M::Text109, 3, "7037");
    row("shift RPM", M::Text110, 3, "7530");
    row("cylinders", M::Text111, 3, "8");
    row("CR", M::Text101, 8, "10.5");
    row("piston speed", M::Text102, 8, "4691");
    row("CFM", M::Text103, 8, "322");
    row("best torque", M::Text104, 8, "581");
    row("port area HP", M::Text105, 8, "685");
    row("airflow HP", M::Text106, 8, "740");
    row("torque per cube", M::Text107, 8, "1.359");
    row("torque per liter", M::Text108, 8, "82.9");
    row("HP per cube", M::Text109, 8, "1.6");
    row("HP per liter", M::Text110, 8, "97.6");
    row("empty computed cell", M::Text111, 8, "");
    row("calculator volume", M::Text102, 9, "203");
    row("calculator length", M::Text104, 9, "5.1");
    row("calculator area", M::Text106, 9, "2.43");
    // Labels.
    row("Mach label", M::Text101, 2, "Mach #");
    row("cylinder number label", M::Text111, 0, "Number");
    row("CR label", M::Text101, 6, "Enter CR");
    row("HP limitation", M::Text106, 7, "HP limitation");
    row("row 0 empty", M::Text104, 0, "");
    row("spacer", M::Text105, 4, "");
    row("volume label", M::Text101, 9, "Port cc's");
    row("length label", M::Text103, 9, "Port Length");
    row("area label", M::Text105, 9, "Port Area");
    // The rest of the window.
    row("preload 1", M::Text1, 0, "No");
    row("preload 5", M::Text1, 4, "No");
    row("company", M::Text94, M::Single, "");
    row("web site", M::Text98, M::Single, "");
    row("test name", M::Text33, M::Single, "Name of Test being Calculated");
    row("comments", M::Text38, M::Single, "C O M M E N T S");
    row("user Mach", M::Check1, M::Single, "0");
    row("metric", M::Check2, M::Single, "0");
    row("user RPM", M::Check3, M::Single, "0");
    row("layout centre", M::Option4, M::Single, "1");
}

void TestMainModel::defaults()
{
    QFETCH(int, array);
    QFETCH(int, index);
    QFETCH(QString, text);
    const M main;
    QCOMPARE(main.cell(M::Array(array), index), text);
}

void TestMainModel::looks_data()
{
    QTest::addColumn<int>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<uint>("fore");
    QTest::addColumn<uint>("back");

    auto row = [](const char *name, M::Array a, int i, CellKind kind, bool ro, bool num, uint fore,
                  uint back) {
        QTest::newRow(name) << int(a) << i << int(kind) << ro << num << fore << back;
    };
    const auto L = CellKind::Label, I = CellKind::Input, R = CellKind::Result, C = CellKind::Check;
    row("computed Mach", M::Text101, 3, R, true, true, 0xFF0000, 0xFFFF00);
    row("label above computed", M::Text101, 2, L, true, false, 0xFF0000, 0xFFFF00);
    row("entry bore", M::Text104, 3, I, false, true, 0x000000, 0xFFFFFF);
    row("label above entry", M::Text104, 2, L, true, false, 0x000000, 0xFFFFFF);
    row("entry CFM", M::Text103, 8, I, false, true, 0x000000, 0xFFFFFF);
    row("computed torque", M::Text104, 8, R, true, true, 0xFF0000, 0xFFFF00);
    row("calculator entry", M::Text104, 9, I, false, true, 0x000000, 0xFFFFFF);
    row("preload name is free text", M::Text1, 2, I, false, false, 0x000000, 0xFFFFFF);
    row("company is free text", M::Text96, M::Single, I, false, false, 0x000000, 0xFFFFFF);
    row("test name", M::Text33, M::Single, I, false, false, 0xFF0000, 0xFFE0C0);
    row("comments", M::Text38, M::Single, I, false, false, 0x000000, 0xC0FFFF);
    row("user box", M::Check1, M::Single, C, false, false, 0x000000, 0xC0FFC0);
    row("metric box", M::Check2, M::Single, C, false, false, 0x000000, 0xFFFFFF);
    row("layout option", M::Option4, M::Single, C, false, false, 0x000000, 0xFFFFFF);
    const auto K = CellKind::Marker;
    row("Mach marker starts white", M::Label2, 0, K, true, false, 0x000000, 0xFFFFFF);
    row("input marker", M::Label2, 1, K, true, false, 0x000000, 0x0000FF);
    row("port area marker", M::Label2, 2, K, true, false, 0x000000, 0x0000FF);
    row("cylinders marker", M::Label2, 6, K, true, false, 0x000000, 0x0000FF);
    row("RPM marker starts white", M::Label2, 7, K, true, false, 0x000000, 0xFFFFFF);
    row("help marker", M::Label2, 11, K, true, false, 0x000000, 0xFF0000);
    row("help legend marker", M::Label2, 13, K, true, false, 0x000000, 0xFF0000);
}

void TestMainModel::looks()
{
    QFETCH(int, array);
    QFETCH(int, index);
    QFETCH(int, kind);
    QFETCH(bool, readOnly);
    QFETCH(bool, numeric);
    QFETCH(uint, fore);
    QFETCH(uint, back);
    const CellLayout &layout = M::mainLayout();
    const CellInfo &s = layout.info(layout.id(array, index));
    QCOMPARE(int(s.kind), kind);
    QCOMPARE(s.readOnly, readOnly);
    QCOMPARE(s.numeric, numeric);
    QCOMPARE(s.foreColor, fore);
    QCOMPARE(s.backColor, back);
    QVERIFY(M::mainLayout().info(layout.id(M::Text111, 3)).maxLength == 2);
    QVERIFY(M::mainLayout().info(layout.id(M::Text38, M::Single)).multiline);
}

void TestMainModel::absentCells_data()
{
    QTest::addColumn<QString>("array");
    QTest::addColumn<int>("index");
    QTest::newRow("no row 9 right of Text106") << "Text107" << 9;
    QTest::newRow("no row 10") << "Text101" << 10;
    QTest::newRow("no sixth preload") << "Text1" << 5;
    QTest::newRow("sheet arrays are not Main's") << "Text201" << 3;
    QTest::newRow("single cell has no index") << "Check2" << 0;
    QTest::newRow("no marker 10") << "Label2" << 10;
}

void TestMainModel::absentCells()
{
    QFETCH(QString, array);
    QFETCH(int, index);
    M main;
    QVERIFY(!main.has(array, index));
    QVERIFY(!main.setText(array, index, QStringLiteral("x")));
}

void TestMainModel::markersAreNoNumbers()
{
    // A marker never takes part in the separator walks, even holding a
    // number by mistake.
    M main;
    main.setCell(M::Label2, 4, QStringLiteral("1.5"));
    Form_Dots_To_Commas(main);
    QCOMPARE(main.cell(M::Label2, 4), QStringLiteral("1.5"));
    QCOMPARE(main.cell(M::Text104, 3), QStringLiteral("4,125"));
}

void TestMainModel::metricFollowsCheck2()
{
    M main;
    AppState st;
    st.Main = &main;
    QVERIFY(!st.Metric());
    QSignalSpy spy(&main, &CellModel::cellChanged);
    main.setCell(M::Check2, QStringLiteral("1"));
    QVERIFY(st.Metric());
    QCOMPARE(spy.count(), 1);
    QVERIFY(main.checked(M::Check2));
    main.setCell(M::Check2, QStringLiteral("0"));
    QVERIFY(!st.Metric());
}

void TestMainModel::compareWindowStart()
{
    const Compare_Model form50;
    QCOMPARE(form50.windowName(), QStringLiteral("Form50"));
    QCOMPARE(form50.cell(Compare_Model::Check1), QStringLiteral("1"));
    QCOMPARE(form50.cell(Compare_Model::Check2), QStringLiteral("0"));
    QCOMPARE(form50.cell(Compare_Model::Check3), QStringLiteral("0"));
    QCOMPARE(form50.cell(Compare_Model::Check4), QStringLiteral("0"));
    // The flags start as the boxes do.
    const AppState st;
    QCOMPARE(st.Quarter_D_Line, 1);
    QCOMPARE(st.Auto_X_Lines + st.Mark_Points + st.Calc_Low_Y, 0);
    QCOMPARE(st.Grid_On, 1);
    QCOMPARE(st.Grid_Line_Color, 9474192);
    QCOMPARE(st.Logo_On, 0);
    QCOMPARE(st.Import_Filter_Index, 1);
    const Graph_Window_State form60;
    QCOMPARE(form60.Picture1_DrawStyle, 0);
    QVERIFY(!form60.Picture2_Visible);
    QCOMPARE(form60.Logo_Caption, QStringLiteral("Logo -- Is OFF"));
}

QTEST_APPLESS_MAIN(TestMainModel)
#include "test_main_model.moc"
