#include "model/flow_test_sheet.h"

#include <QSignalSpy>
#include <QTest>

using namespace zyt;
using S = Flow_Test_Sheet;

class TestFlowTestSheet : public QObject {
    Q_OBJECT

private slots:
    void presentCells();
    void defaults_data();
    void defaults();
    void looks_data();
    void looks();
    void lookupByName_data();
    void lookupByName();
    void absentCellsAreRefused_data();
    void absentCellsAreRefused();
    void tabChain();
    void changesAreAnnouncedOnce();
    void sheetsAreIndependent();
};

void TestFlowTestSheet::presentCells()
{
    const CellLayout &layout = S::sheetLayout();
    // 15 arrays of 31, 4 of 21, 7 of 18, and the two single cells.
    QCOMPARE(layout.cellCount(), 15 * 31 + 4 * 21 + 7 * 18 + 2);
    QCOMPARE(layout.arrayCount(), 28);
    for (int id = 0; id < layout.cellCount(); ++id)
        QCOMPARE(layout.id(layout.arrayOf(id), layout.indexOf(id)), id);
}

void TestFlowTestSheet::defaults_data()
{
    QTest::addColumn<int>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");

    auto row = [](const char *name, S::Array a, int i, const char *text) {
        QTest::newRow(name) << int(a) << i << QString::fromLatin1(text);
    };
    row("part number", S::Text102, 0, "E7TE");
    row("intake valve", S::Text102, 3, "2.02");
    row("intake 0.25D", S::Text102, 9, "505");
    row("exhaust 0.25D in Text103", S::Text103, 9, "400");
    row("blank beside exhaust 0.25D", S::Text104, 9, "");
    row("average intake", S::Text102, 11, "");
    row("average exhaust in Text103", S::Text103, 11, "");
    row("blank beside average exhaust", S::Text104, 11, "");
    row("average label", S::Text101, 11, "Avg CFM");
    row("total label", S::Text105, 11, "Total CFM");
    row("CR", S::Text110, 5, "9.0");
    row("max lift", S::Text110, 6, "700");
    row("correx", S::Text110, 8, "1");
    row("engine bore", S::Text112, 6, "4.00");
    row("correct to", S::Text108, 8, "28");
    row("intake seat angle", S::Text202, 4, "52");
    row("exhaust seat width", S::Text204, 5, "0.065");
    row("seat block caption", S::Text203, 3, "Ex. Valve");
    row("flow unit word", S::Text106, 12, "CFM");
    row("velocity unit word", S::Text115, 12, "fps");
    row("lift header", S::Text101, 15, "Lift Inch");
    row("swirl header", S::Text207, 14, "Swirl");
    row("swirl header blank", S::Text207, 13, "");
    row("effective CD header", S::text205, 15, "CD In.");
    row("first lift", S::Text101, 16, "0");
    row("lift copy", S::Text108, 25, "500");
    row("last lift", S::Text101, 30, "1000");
    row("observed intake", S::Text106, 22, "193.5");
    row("observed exhaust", S::Text107, 30, "222");
    row("swirl", S::Text207, 18, "1600");
    row("depression", S::Text210, 20, "0");
    row("result column", S::Text111, 20, "0");
    row("comments", S::Text38, S::Single, "");
    row("path", S::Text39, S::Single, "");
}

void TestFlowTestSheet::defaults()
{
    QFETCH(int, array);
    QFETCH(int, index);
    QFETCH(QString, text);
    const S sheet;
    QCOMPARE(sheet.cell(S::Array(array), index), text);
}

void TestFlowTestSheet::looks_data()
{
    QTest::addColumn<int>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("tabStop");
    QTest::addColumn<uint>("fore");
    QTest::addColumn<uint>("back");

    auto row = [](const char *name, S::Array a, int i, CellKind kind, bool ro, bool tab, uint fore,
                  uint back) {
        QTest::newRow(name) << int(a) << i << int(kind) << ro << tab << fore << back;
    };
    const auto L = CellKind::Label, I = CellKind::Input, R = CellKind::Result, H = CellKind::Header,
               B = CellKind::Blank;
    row("input", S::Text102, 3, I, false, true, 0xFF0000, 0xFFFFFF);
    row("engine bore black", S::Text112, 6, I, false, true, 0x000000, 0xFFFFFF);
    row("correct to locked", S::Text108, 8, I, true, true, 0xFF0000, 0xFFFFFF);
    row("throat area open result", S::Text102, 7, R, false, false, 0x000000, 0xFFFF00);
    row("result", S::Text110, 2, R, true, false, 0x000000, 0xFFFF00);
    row("result in tab chain", S::Text103, 27, R, true, true, 0x000000, 0xFFFF00);
    row("page 2 result in tab chain", S::Text204, 19, R, true, true, 0x000000, 0xFFFF00);
    row("label", S::Text101, 3, L, true, false, 0x000000, 0xFFFFFF);
    row("label of a result", S::Text101, 2, L, true, false, 0x000000, 0xFFFF00);
    row("test pressure caption", S::Text106, 7, L, true, false, 0xFF0000, 0xFFFFFF);
    row("ratio label", S::Text111, 10, L, true, false, 0xFFFFFF, 0x000000);
    row("ratio result", S::Text113, 11, R, true, false, 0xFFFFFF, 0x000000);
    row("average ratio", S::Text113, 12, R, true, false, 0xFFFFFF, 0x000000);
    row("ratio blank", S::Text112, 12, B, true, false, 0xFFFFFF, 0x000000);
    row("ratio row", S::Text113, 20, R, true, false, 0xFFFFFF, 0x000000);
    row("blank", S::Text104, 9, B, true, false, 0x000000, 0xFFFFFF);
    row("input header", S::Text106, 14, H, true, false, 0xFF0000, 0xFFFFFF);
    row("input unit word", S::Text107, 12, H, true, false, 0xFF0000, 0xFFFFFF);
    row("intake header", S::Text109, 13, H, true, false, 0x000000, 0xC0FFFF);
    row("exhaust header", S::Text206, 13, H, true, false, 0x000000, 0xFFE0C0);
    row("lift copy header", S::Text108, 13, H, true, false, 0x000000, 0xC0FFC0);
    row("lift copy", S::Text108, 20, I, true, false, 0x000000, 0xC0FFC0);
    row("lift", S::Text101, 20, I, false, true, 0xFF0000, 0xFFFFFF);
    row("swirl", S::Text207, 20, I, false, true, 0xFF0000, 0xFFFFFF);
    row("comments", S::Text38, S::Single, I, false, false, 0x000000, 0xFFFFFF);
    row("path", S::Text39, S::Single, I, true, false, 0x000000, 0xFFFFFF);
}

void TestFlowTestSheet::looks()
{
    QFETCH(int, array);
    QFETCH(int, index);
    QFETCH(int, kind);
    QFETCH(bool, readOnly);
    QFETCH(bool, tabStop);
    QFETCH(uint, fore);
    QFETCH(uint, back);

    const CellLayout &layout = S::sheetLayout();
    const int id = layout.id(array, index);
    QVERIFY(id >= 0);
    const CellInfo &s = layout.info(id);
    QCOMPARE(int(s.kind), kind);
    QCOMPARE(s.readOnly, readOnly);
    QCOMPARE(s.tabStop, tabStop);
    QCOMPARE(uint(s.foreColor), fore);
    QCOMPARE(uint(s.backColor), back);
}

void TestFlowTestSheet::lookupByName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");

    QTest::newRow("exact") << "Text102" << 3 << "2.02";
    QTest::newRow("any case") << "TEXT102" << 3 << "2.02";
    QTest::newRow("lower-case array exact") << "text205" << 15 << "CD In.";
    QTest::newRow("lower-case array other case") << "Text205" << 15 << "CD In.";
    QTest::newRow("single cell") << "text39" << S::Single << "";
}

void TestFlowTestSheet::lookupByName()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QString, text);

    S sheet;
    const QString *t = sheet.text(name, index);
    QVERIFY(t);
    QCOMPARE(*t, text);
    QVERIFY(sheet.setText(name, index, QStringLiteral("x")));
    QCOMPARE(*sheet.text(name, index), QStringLiteral("x"));
}

void TestFlowTestSheet::absentCellsAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");

    QTest::newRow("page 2 panel below row 3") << "Text201" << 0;
    QTest::newRow("page 2 has no row 12") << "Text202" << 12;
    QTest::newRow("text205 has no panel") << "text205" << 5;
    QTest::newRow("past the last row") << "Text101" << 31;
    QTest::newRow("negative index") << "Text101" << -1;
    QTest::newRow("single cell with index") << "Text38" << 0;
    QTest::newRow("unknown array") << "Text116" << 16;
    QTest::newRow("empty name") << "" << 0;
}

void TestFlowTestSheet::absentCellsAreRefused()
{
    QFETCH(QString, name);
    QFETCH(int, index);

    S sheet;
    QSignalSpy spy(&sheet, &CellModel::cellChanged);
    QVERIFY(!sheet.has(name, index));
    QVERIFY(!sheet.text(name, index));
    QVERIFY(!sheet.setText(name, index, QStringLiteral("9")));
    QVERIFY(!sheet.has(name, index));
    QCOMPARE(spy.count(), 0);
    QCOMPARE(sheet.layout().cellCount(), S::sheetLayout().cellCount());
}

void TestFlowTestSheet::tabChain()
{
    const CellLayout &layout = S::sheetLayout();
    QList<int> order;
    for (int id = 0; id < layout.cellCount(); ++id) {
        const CellInfo &s = layout.info(id);
        if (s.kind == CellKind::Input && !s.readOnly && !s.multiline)
            QVERIFY2(s.tabStop, qPrintable(layout.arrayName(layout.arrayOf(id))));
        if (s.tabStop)
            order << s.tabOrder;
    }
    std::sort(order.begin(), order.end());
    for (int i = 0; i < order.size(); ++i)
        QCOMPARE(order[i], i); // one place per stop, no gaps

    // The lift rows go lift, observed intake, observed exhaust, row by row.
    auto tab = [&](S::Array a, int i) { return layout.info(layout.id(a, i)).tabOrder; };
    for (int row = 16; row < 30; ++row) {
        QCOMPARE(tab(S::Text106, row), tab(S::Text101, row) + 1);
        QCOMPARE(tab(S::Text107, row), tab(S::Text106, row) + 1);
        const int next = tab(S::Text101, row + 1);
        QVERIFY(next == tab(S::Text107, row) + 1 || next == tab(S::Text107, row) + 2);
    }
    QCOMPARE(layout.info(layout.id(S::Text106, 6)).maxLength, 1);
    QCOMPARE(layout.info(layout.id(S::Text108, 6)).maxLength, 1);
}

void TestFlowTestSheet::changesAreAnnouncedOnce()
{
    S sheet;
    QSignalSpy spy(&sheet, &CellModel::cellChanged);
    sheet.setCell(S::Text38, S::Single, QStringLiteral("line one\r\nline two"));
    sheet.setCell(S::Text38, S::Single, QStringLiteral("line one\r\nline two"));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().toInt(), sheet.id(S::Text38, S::Single));
    QCOMPARE(sheet.comments(), QStringLiteral("line one\r\nline two"));
}

void TestFlowTestSheet::sheetsAreIndependent()
{
    S one(QStringLiteral("Form1"));
    S two(QStringLiteral("Form2"));
    one.setCell(S::Text101, 20, QStringLiteral("450"));
    QCOMPARE(two.cell(S::Text101, 20), QStringLiteral("200"));
    one.resetToDefaults();
    QCOMPARE(one.cell(S::Text101, 20), QStringLiteral("200"));
}

QTEST_APPLESS_MAIN(TestFlowTestSheet)
#include "test_flow_test_sheet.moc"
