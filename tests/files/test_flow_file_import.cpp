#include "calc/unit_conversion.h"
#include "files/flow_file_import.h"
#include "outside_fixture.h"
#include "platform/numbers.h"

#include <QTest>

using namespace zyt;
using namespace zyt::test;
using S = Flow_Test_Sheet;

namespace {

// The numbers of a column, so "0" and "0.0" count alike.
QList<double> values(const QStringList &texts)
{
    QList<double> out;
    for (const QString &t : texts)
        out << tryParseNumber(t, u'.').value_or(-1.0);
    return out;
}

// A .flw file: three lines before the count, the same points both sides.
QStringList flw(const QString &count, const QStringList &lifts, const QStringList &flows)
{
    QStringList lines{"FLW", "h", "h", count, "1 2.02", "1 28"};
    for (const QString &v : lifts + flows)
        lines << QStringLiteral("1 ") + v;
    lines << QStringLiteral("1 1.6") << QStringLiteral("1 28");
    for (const QString &v : lifts + flows)
        lines << QStringLiteral("1 ") + v;
    return lines;
}

QStringList numbers(int from, int count, double scale)
{
    QStringList out;
    for (int i = from; i < from + count; ++i)
        out << QString::number(i * scale);
    return out;
}

const QString ProblemReading =
    QStringLiteral("Problem Reading Flow File -- May Not have all needed Information");
const QString NotAll = QStringLiteral("NOT ALL Flow Infomation Could be Pocessed!!!");

} // namespace

class TestFlowFileImport : public QObject {
    Q_OBJECT

private slots:
    void importsEachKind_data();
    void importsEachKind();
    void outcomes_data();
    void outcomes();
    void dialogKeepsTheFilterEntry();
    void metricCellsAsTheSwitchWouldGiveThem();
};

void TestFlowFileImport::importsEachKind_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("linesRead");
    QTest::addColumn<QStringList>("lifts");
    QTest::addColumn<QStringList>("intake");
    QTest::addColumn<QStringList>("exhaust");
    QTest::addColumn<QStringList>("exhaustDepression");
    QTest::addColumn<QStringList>("panel"); // valve diameters, test pressure, valve counts

    // Unequal lists: equal lifts share a row, and rows taking an exhaust point
    // get the exhaust pressure, which differs from the intake one.
    QTest::newRow("dfw") << "merge.dfw" << 29
                         << QStringList{"100", "150", "200", "300", "400", "500", "0"}
                         << QStringList{"60.0", "0", "110.0", "150.0", "180.0", "200.0", "0"}
                         << QStringList{"0", "45.5", "80.0", "105.0", "120.0", "0", "0"}
                         << QStringList{"0", "25.0", "25.0", "25.0", "25.0", "0", "0"}
                         << QStringList{"2.02", "1.6", "28.0", "2", "1"};
    QTest::newRow("flw") << "one.flw" << 20 << QStringList{"100", "200", "250", "300", "0"}
                         << QStringList{"50.0", "95.0", "0", "130.0", "0"}
                         << QStringList{"40.0", "0", "70.0", "90.0", "0"} << QStringList(5, "0")
                         << QStringList{"1.9", "1.5", "28.0", "1", "1"};
    QTest::newRow("dyn") << "decoys.dyn" << 23 << QStringList{"200", "400", "0"}
                         << QStringList{"100.0", "180.0", "0"} << QStringList{"70.0", "120.0", "0"}
                         << QStringList(3, "0") << QStringList{"2.0", "1.6", "28.0", "1", "1"};
    QTest::newRow("dym") << "decoys.dym" << 26 << QStringList{"250", "500", "0"}
                         << QStringList{"110.0", "190.0", "0"} << QStringList{"0", "140.0", "0"}
                         << QStringList(3, "0") << QStringList{"2.1", "1.7", "28.0", "2", "2"};
}

void TestFlowFileImport::importsEachKind()
{
    QFETCH(QString, file);
    QFETCH(int, linesRead);
    QFETCH(QStringList, lifts);
    QFETCH(QStringList, intake);
    QFETCH(QStringList, exhaust);
    QFETCH(QStringList, exhaustDepression);
    QFETCH(QStringList, panel);

    FilesFixture f;
    S sheet;
    const QString path = f.write(file, golden(qPrintable(QStringLiteral("flow/") + file)));
    f.platform.choose(path);
    f.platform.answerAllWith(AnswerOk); // the calculation's cautions
    QVERIFY(Import_Flow_File(sheet, f.st));

    QVERIFY(
        sameBox(f.platform.shown.value(0), plain(QString::number(linesRead) + " Records Read")));
    for (const MsgRequest &box : f.platform.shown)
        QVERIFY2(box.text != NotAll && box.icon != MsgIcon::Critical, qPrintable(box.text));
    const int n = int(lifts.size());
    QCOMPARE(column(sheet, S::Text101, 17, 16 + n), lifts);
    QCOMPARE(column(sheet, S::Text108, 17, 16 + n), lifts);
    QCOMPARE(column(sheet, S::Text106, 17, 16 + n), intake);
    QCOMPARE(column(sheet, S::Text107, 17, 16 + n), exhaust);
    QCOMPARE(column(sheet, S::Text211, 17, 16 + n), exhaustDepression);
    QCOMPARE((QStringList{sheet.cell(S::Text102, 3), sheet.cell(S::Text104, 3),
                          sheet.cell(S::Text108, 7), sheet.cell(S::Text106, 6),
                          sheet.cell(S::Text108, 6)}),
             panel);
    QCOMPARE(sheet.cell(S::Text101, 16), QStringLiteral("0"));
    QCOMPARE(sheet.path(), path);
}

void TestFlowFileImport::outcomes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<int>("rows"); // rows filled; -1 when the rows stay as they were

    const QStringList lifts = numbers(1, 3, 0.1);
    const QStringList flows = numbers(5, 3, 10);
    QStringList noBlock = flw("3", lifts, flows);
    noBlock[4] = QStringLiteral("2.02");
    QTest::newRow("no '1 ' valve line")
        << "a.flw" << noBlock << QStringList{"NO Flow Infomation Found!!!"} << -1;
    QStringList bad = flw("3", lifts, flows);
    bad[7] = QStringLiteral("1 0.2x");
    QTest::newRow("no number") << "a.flw" << bad << QStringList{ProblemReading, "8 Records Read"}
                               << -1;
    QTest::newRow("count no number") << "a.flw" << flw("three", lifts, flows)
                                     << QStringList{ProblemReading, "4 Records Read"} << -1;
    QTest::newRow("ends in the middle") << "a.flw" << flw("3", lifts, flows).mid(0, 13)
                                        << QStringList{ProblemReading, "13 Records Read"} << -1;
    QTest::newRow("no second marker") << "a.dyn" << QStringList{"M", "m", "M ", "x"}
                                      << QStringList{ProblemReading, "4 Records Read"} << -1;
    QTest::newRow("an 18th value") << "a.flw" << flw("18", numbers(1, 18, 0.01), numbers(1, 18, 10))
                                   << QStringList{ProblemReading, "24 Records Read"} << -1;
    QTest::newRow("a 17th value") << "a.flw" << flw("17", numbers(1, 17, 0.01), numbers(1, 17, 10))
                                  << QStringList{"76 Records Read", NotAll} << 14;
    QTest::newRow("15 points") << "a.flw" << flw("15", numbers(1, 15, 0.01), numbers(1, 15, 10))
                               << QStringList{"68 Records Read", NotAll} << 14;
    QTest::newRow("14 points") << "a.flw" << flw("14", numbers(1, 14, 0.01), numbers(1, 14, 10))
                               << QStringList{"64 Records Read"} << 14;
    QTest::newRow("a 0 flow before the last") << "a.flw" << flw("3", lifts, {"50", "0", "70"})
                                              << QStringList{"20 Records Read", NotAll} << 1;
}

void TestFlowFileImport::outcomes()
{
    QFETCH(QString, name);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, boxes);
    QFETCH(int, rows);

    FilesFixture f;
    S sheet;
    sheet.setCell(S::Text39, S::Single, QStringLiteral("earlier.dat"));
    sheet.setCell(S::Text106, 30, QStringLiteral("285"));
    const QStringList before = snapshot(sheet);
    f.platform.answer(AnswerOk, int(boxes.size()));
    calculations = 0;
    QCOMPARE(importFlowLines(sheet, lines, name, f.st, countCalculation), rows >= 0);
    QList<Box> expected;
    for (const QString &text : boxes)
        expected << plain(text);
    QCOMPARE_BOXES(f.platform.shown, expected);
    QCOMPARE(calculations, rows >= 0 ? 1 : 0);

    if (rows < 0) {
        // The diameter and pressure read before the failure stay; no row
        // and no path line changes.
        QCOMPARE(sheet.cell(S::Text106, 30), QStringLiteral("285"));
        QCOMPARE(sheet.path(), QStringLiteral("earlier.dat"));
        if (boxes.size() == 1)
            QCOMPARE(snapshot(sheet), before);
        return;
    }
    QCOMPARE(sheet.path(), name);
    QCOMPARE(column(sheet, S::Text101, 17, 30).count(QStringLiteral("0")), 14 - rows);
}

void TestFlowFileImport::dialogKeepsTheFilterEntry()
{
    FilesFixture f;
    S sheet;
    const QString path = f.write(QStringLiteral("one.flw"), golden("flow/one.flw"));
    f.platform.cancelDialog();
    f.platform.choose(f.folder(), 3);
    f.platform.choose(path, 2);
    f.platform.answerAllWith(AnswerOk);
    QVERIFY(!Import_Flow_File(sheet, f.st));
    QCOMPARE(f.st.files.Import_Filter_Index, 1);
    QVERIFY(!Import_Flow_File(sheet, f.st));
    QCOMPARE(f.st.files.Import_Filter_Index, 3);
    QVERIFY(Import_Flow_File(sheet, f.st));
    QCOMPARE(f.st.files.Import_Filter_Index, 2);

    QCOMPARE(f.platform.dialogs.size(), 3);
    const FileDialogRequest &d = f.platform.dialogs[1];
    QCOMPARE(d.kind, FileDialogKind::Open);
    QCOMPARE(d.filter, QStringLiteral("Flow Files (*.flw, *.dfw)|*.flw; *.dfw|"
                                      "DeskTop Dyno Files (*.dyn)|*.dyn|"
                                      "Dynomation Files (*.dym)|*.dym|All Files (*.*)|*.*"));
    QCOMPARE(d.initialFolder, f.folder());
    QVERIFY(d.keepLastName);
    QCOMPARE(f.platform.dialogs[0].filterIndex, 1);
    QCOMPARE(f.platform.dialogs[1].filterIndex, 1);
    QCOMPARE(f.platform.dialogs[2].filterIndex, 3);
    QVERIFY(f.platform.shown.size() > 2);
    QVERIFY(sameBox(f.platform.shown[0], plain("No Flow File Selected")));
    QVERIFY(sameBox(f.platform.shown[1], plain("No Flow File Selected")));
}

void TestFlowFileImport::metricCellsAsTheSwitchWouldGiveThem()
{
    FilesFixture f;
    const QStringList lines = QString::fromLatin1(golden("flow/merge.dfw")).split("\r\n");
    f.platform.answerAllWith(AnswerOk);
    S standard;
    QVERIFY(importFlowLines(standard, lines, "m.dfw", f.st, countCalculation));
    Convert_Sheet_To_Metric(standard, f.st.numbers);
    f.main.setCell(MainModel::Check2, QStringLiteral("1"));
    S metric;
    QVERIFY(importFlowLines(metric, lines, "m.dfw", f.st, countCalculation));

    QCOMPARE(metric.cell(S::Text101, 17), QStringLiteral("2.54"));
    QCOMPARE(metric.cell(S::Text106, 17), QStringLiteral("1.699"));
    for (S::Array a : {S::Text101, S::Text106, S::Text107, S::Text108, S::Text211})
        QCOMPARE(values(column(metric, a, 17, 30)), values(column(standard, a, 17, 30)));
    for (auto [a, i] :
         {std::pair{S::Text102, 3}, std::pair{S::Text104, 3}, std::pair{S::Text108, 7}})
        QCOMPARE(metric.cell(a, i), standard.cell(a, i));
}

QTEST_GUILESS_MAIN(TestFlowFileImport)
#include "test_flow_file_import.moc"
