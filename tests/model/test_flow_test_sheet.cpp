#include "model/flow_test_sheet.h"

#include <QSignalSpy>
#include <QTest>

#include <tuple>

using namespace zyt;
using S = Flow_Test_Sheet;

class TestFlowTestSheet : public QObject {
    Q_OBJECT

private slots:
    void lookupByName_data();
    void lookupByName();
    void absentCellsAreRefused_data();
    void absentCellsAreRefused();
    void tabChain();
    void changesAreAnnouncedOnce();
    void sheetsAreIndependent();
};

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

    // The lift rows go lift, observed intake, observed exhaust, row by row,
    // and page 2's swirl and depressions likewise, with no stop between two
    // rows; the two results Tab visits come after their runs.
    auto tab = [&](S::Array a, int i) { return layout.info(layout.id(a, i)).tabOrder; };
    for (const auto &[first, second, third] :
         {std::tuple{S::Text101, S::Text106, S::Text107}, {S::Text207, S::Text210, S::Text211}}) {
        for (int row = 16; row <= 30; ++row) {
            QCOMPARE(tab(second, row), tab(first, row) + 1);
            QCOMPARE(tab(third, row), tab(second, row) + 1);
            if (row < 30)
                QCOMPARE(tab(first, row + 1), tab(third, row) + 1);
        }
    }
    QCOMPARE(tab(S::Text103, 27), tab(S::Text107, 30) + 1);
    QCOMPARE(tab(S::Text204, 19), tab(S::Text211, 30) + 1);
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
