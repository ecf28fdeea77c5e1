#include "calc/calculate_sheet.h"
#include "calc/unit_conversion.h"
#include "files/dfw_export.h"
#include "files/flow_file_import.h"
#include "outside_fixture.h"
#include "platform/numbers.h"

#include <QTest>

using namespace zyt;
using namespace zyt::test;
using S = Flow_Test_Sheet;

namespace {

const Box question{"Will This Flow File be Used With Performance Trends - Engine Analyzer?",
                   MsgButtons::YesNo, MsgIcon::None, std::nullopt};
const Box notSaved = failureBox("Problem - DFW File was Not Saved");
const Box tooMany =
    failureBox("There are more than 10 Data Point. This may cuase problems with some software.");

void calculate(S &sheet, AppState &st)
{
    Calculate_Sheet(sheet, st.Metric(), st.calc, st.numbers, st.platform);
}

QStringList fileLines(const QByteArray &bytes) { return QString::fromLatin1(bytes).split("\r\n"); }

} // namespace

class TestDfwExport : public QObject {
    Q_OBJECT

private slots:
    void writesTheSample_data();
    void writesTheSample();
    void failuresKeepTheOldFile_data();
    void failuresKeepTheOldFile();
    void metricSheetWritesInchesAndCfm();
};

void TestDfwExport::writesTheSample_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("golden");
    QTest::addColumn<QList<Box>>("boxes");

    QTest::newRow("No") << int(AnswerNo) << "dfw/sample.dfw" << QList<Box>{question, tooMany};
    QTest::newRow("Yes") << int(AnswerYes) << "dfw/sample-analyzer.dfw" << QList<Box>{question};
}

void TestDfwExport::writesTheSample()
{
    QFETCH(int, answer);
    QFETCH(QString, golden);
    QFETCH(QList<Box>, boxes);

    FilesFixture f;
    S sheet;
    calculate(sheet, f.st);
    sheet.setCell(S::Text39, S::Single, QStringLiteral("head.dat"));
    const QString path = f.path(QStringLiteral("out.dfw"));
    f.platform.answer(answer);
    f.platform.answer(AnswerOk, int(boxes.size()) - 1);
    f.platform.choose(path);
    const QStringList before = snapshot(sheet);
    QVERIFY(Export_DFW_File(sheet, f.st));

    QCOMPARE_BOXES(f.platform.shown, boxes);
    const FileDialogRequest &d = f.platform.dialogs.value(0);
    QCOMPARE(d.kind, FileDialogKind::Save);
    QCOMPARE(d.filter, QStringLiteral("Flow Data Files (*.dfw)|*.dfw"));
    QCOMPARE(d.filterIndex, 1);
    QVERIFY(!d.keepLastName);
    QCOMPARE(FilesFixture::read(path), ::golden(qPrintable(golden)));
    QCOMPARE(f.st.files.File_Name, path);
    QCOMPARE(snapshot(sheet), before);

    // Read back, the corrected flows come in as observed ones at the same lifts.
    S back;
    f.platform.answer(AnswerOk);
    QVERIFY(
        importFlowLines(back, fileLines(FilesFixture::read(path)), path, f.st, countCalculation));
    QCOMPARE(f.platform.shown.last().text, QStringLiteral("67 Records Read"));
    for (int r = 16; r <= 30; ++r) {
        QCOMPARE(back.cell(S::Text101, r), sheet.cell(S::Text101, r));
        QCOMPARE(back.cell(S::Text106, r), r == 16 ? "0" : sheet.cell(S::Text102, r));
        QCOMPARE(back.cell(S::Text107, r), r == 16 ? "0" : sheet.cell(S::Text103, r));
    }
    QCOMPARE(back.cell(S::Text102, 3), sheet.cell(S::Text102, 3));
}

void TestDfwExport::failuresKeepTheOldFile_data()
{
    QTest::addColumn<int>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("cancel");

    QTest::newRow("lift no number") << int(S::Text101) << 20 << "2OO" << false;
    QTest::newRow("corrected flow empty") << int(S::Text103) << 30 << "" << false;
    QTest::newRow("valve diameter empty") << int(S::Text104) << 3 << "" << false;
    QTest::newRow("dialog cancelled") << int(S::Text101) << 20 << "200" << true;
}

void TestDfwExport::failuresKeepTheOldFile()
{
    QFETCH(int, array);
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(bool, cancel);

    FilesFixture f;
    S sheet;
    calculate(sheet, f.st);
    sheet.setCell(S::Array(array), index, text);
    const QByteArray old = "5.00\r\nan earlier export\r\n";
    const QString path = f.write(QStringLiteral("old.dfw"), old);
    f.platform.answer(AnswerYes);
    f.platform.answer(AnswerOk);
    if (cancel)
        f.platform.cancelDialog();
    else
        f.platform.choose(path);
    QVERIFY(!Export_DFW_File(sheet, f.st));
    QCOMPARE_BOXES(f.platform.shown, {question, notSaved});
    QCOMPARE(FilesFixture::read(path), old);
}

void TestDfwExport::metricSheetWritesInchesAndCfm()
{
    FilesFixture f;
    S standard;
    calculate(standard, f.st);
    const DFW_Flow_File inches = writeDfwText(standard, true, false, f.st.numbers);

    S metric;
    for (int id = 0; id < metric.layout().cellCount(); ++id)
        metric.setText(id, standard.text(id));
    Convert_Sheet_To_Metric(metric, f.st.numbers);
    f.main.setCell(MainModel::Check2, QStringLiteral("1"));
    calculate(metric, f.st);
    const DFW_Flow_File converted = writeDfwText(metric, true, true, f.st.numbers);

    // The same lines; flows differ only by the rounding of the metric cells
    // (to a ten-thousandth of a cubic metre a minute, then a thousandth).
    const QStringList a = inches.text.split("\r\n");
    const QStringList b = converted.text.split("\r\n");
    QCOMPARE(b.size(), a.size());
    for (qsizetype i = 0; i < a.size(); ++i) {
        const auto x = tryParseNumber(a[i].mid(2), u'.');
        const auto y = tryParseNumber(b[i].mid(2), u'.');
        if (a[i].startsWith(u"1 ") && x && y)
            QVERIFY2(qAbs(*x - *y) <= 0.001 / 0.02831684659, qPrintable(a[i] + " / " + b[i]));
        else
            QCOMPARE(b[i], a[i]);
    }

    // Imported in standard units, the lifts and diameters are those of the
    // standard sheet.
    f.main.setCell(MainModel::Check2, QStringLiteral("0"));
    S back;
    f.platform.answer(AnswerOk);
    QVERIFY(importFlowLines(back, b, "m.dfw", f.st, countCalculation));
    for (int r = 16; r <= 30; ++r)
        QCOMPARE(back.cell(S::Text101, r), standard.cell(S::Text101, r));
    QCOMPARE(back.cell(S::Text102, 3), standard.cell(S::Text102, 3));
    QCOMPARE(back.cell(S::Text104, 3), standard.cell(S::Text104, 3));
}

QTEST_GUILESS_MAIN(TestDfwExport)
#include "test_dfw_export.moc"
