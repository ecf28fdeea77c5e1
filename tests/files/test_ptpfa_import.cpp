#include "files/ptpfa_import.h"
#include "outside_fixture.h"

#include <QTest>

#include <map>
#include <set>

using namespace zyt;
using namespace zyt::test;
using S = Flow_Test_Sheet;
using M = MainModel;

namespace {

// A file of `size` lines, empty but the ones given; from line 250 on, with
// `numbered`, each line holds its own number, so every cell shows which line
// filled it (a lift shows it times 1000).
QStringList ptpfa(const std::map<int, QString> &given, int size = 470, bool numbered = false)
{
    QStringList lines(size);
    for (int n = 250; numbered && n < size; ++n)
        lines[n] = QString::number(n);
    for (const auto &[n, text] : given)
        lines[n] = text;
    return lines;
}

QStringList zeros(qsizetype n) { return QStringList(n, QStringLiteral("0")); }

// The cells an import may write, by array and index: the lift rows of its
// seven columns, the header's cells and the path line.
bool importWrites(S::Array a, int i)
{
    using P = std::pair<S::Array, int>;
    static const std::set<S::Array> rows{S::Text101, S::Text106, S::Text107, S::Text108,
                                         S::Text207, S::Text210, S::Text211};
    static const std::set<P> header{
        {S::Text102, 1},       {S::Text102, 3}, {S::Text102, 4}, {S::Text102, 6}, {S::Text102, 8},
        {S::Text102, 10},      {S::Text104, 0}, {S::Text104, 1}, {S::Text104, 3}, {S::Text104, 4},
        {S::Text104, 6},       {S::Text104, 8}, {S::Text106, 2}, {S::Text106, 3}, {S::Text108, 2},
        {S::Text108, 3},       {S::Text108, 7}, {S::Text110, 5}, {S::Text202, 4}, {S::Text204, 4},
        {S::Text39, S::Single}};
    return (rows.count(a) && i >= S::FirstLiftRow) || header.count(P{a, i});
}

} // namespace

class TestPtpfaImport : public QObject {
    Q_OBJECT

private slots:
    void importsTheSample_data();
    void importsTheSample();
    void recordPositions_data();
    void recordPositions();
    void zeroFlowBaseStillTakesTheExhaustBase();
    void failures_data();
    void failures();
    void nothingChosenOrReadable();
};

void TestPtpfaImport::importsTheSample_data()
{
    QTest::addColumn<bool>("metric");
    QTest::addColumn<bool>("comma");
    // Intake valve, stem (a blank line), port width, test bore; the four
    // estimator cells; lift and both flows of rows 17 and 18.
    QTest::addColumn<QStringList>("cells");

    QTest::newRow("standard") << false << false
                              << QStringList{"2.020", "0.342", "1.100", "4.030", "4.030",
                                             "3.480", "8",     "10.5",  "100",   "50.0",
                                             "40.0",  "200",   "100.0", "80.0"};
    QTest::newRow("metric") << true << false
                            << QStringList{"51.308", "0.342", "27.94",  "102.362", "102.36",
                                           "88.39",  "8",     "10.5",   "2.54",    "1.4158",
                                           "1.1327", "5.08",  "2.8317", "2.2653"};
    QTest::newRow("decimal comma")
        << false << true
        << QStringList{"2,020", "0,342", "1,100", "4,030", "4,030", "3,480", "8",
                       "10,5",  "100",   "50,0",  "40,0",  "200",   "100,0", "80,0"};
}

void TestPtpfaImport::importsTheSample()
{
    QFETCH(bool, metric);
    QFETCH(bool, comma);
    QFETCH(QStringList, cells);

    FilesFixture f;
    if (comma)
        f.st.numbers.setLocaleSeparators(u',', u'.');
    f.main.setCell(M::Check2, metric ? QStringLiteral("1") : QStringLiteral("0"));
    S sheet;
    const QString path = f.write(QStringLiteral("head.pti"), golden("ptpfa/sample.pti"));
    f.platform.choose(path);
    f.platform.answerAllWith(AnswerOk); // the calculation's cautions
    QVERIFY(Import_PTPFA_File(sheet, f.main, f.st));

    const FileDialogRequest &d = f.platform.dialogs.value(0);
    QCOMPARE(d.filter, QStringLiteral("PTPFA Files (*.pti)|*.pti|All Files (*.*)|*.*"));
    QCOMPARE(d.filterIndex, 1);
    QCOMPARE(d.initialFolder, f.folder());
    QVERIFY(d.keepLastName);
    for (const MsgRequest &box : f.platform.shown)
        QVERIFY2(box.icon != MsgIcon::Critical, qPrintable(box.text));
    QCOMPARE((QStringList{
                 sheet.cell(S::Text102, 3), sheet.cell(S::Text102, 4), sheet.cell(S::Text106, 2),
                 sheet.cell(S::Text104, 0), f.main.cell(M::Text104, 3), f.main.cell(M::Text105, 3),
                 f.main.cell(M::Text111, 3), f.main.cell(M::Text101, 8), sheet.cell(S::Text101, 17),
                 sheet.cell(S::Text106, 17), sheet.cell(S::Text107, 17), sheet.cell(S::Text101, 18),
                 sheet.cell(S::Text106, 18), sheet.cell(S::Text107, 18)}),
             cells);
    // Texts copied as the file has them.
    QCOMPARE((QStringList{sheet.cell(S::Text202, 4), sheet.cell(S::Text102, 1),
                          sheet.cell(S::Text108, 7), sheet.cell(S::Text102, 10),
                          sheet.cell(S::Text110, 5)}),
             (QStringList{"45", "195", "28", "No", cells[7]}));
    // The base records fill no row; row 16 takes the intake base's swirl.
    QCOMPARE(column(sheet, S::Text108, 16, 30), column(sheet, S::Text101, 16, 30));
    QCOMPARE(column(sheet, S::Text101, 19, 30), zeros(12));
    QCOMPARE(column(sheet, S::Text207, 16, 18), (QStringList{"100", "1200", "0"}));
    QCOMPARE(column(sheet, S::Text210, 16, 18), (QStringList{"0", "0", comma ? "27,5" : "27.5"}));
    QCOMPARE(column(sheet, S::Text211, 16, 18), (QStringList{"0", "26", "0"}));
    QCOMPARE(sheet.path(), path);
    QCOMPARE(f.st.files.File_Name, path);
}

void TestPtpfaImport::recordPositions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("switches"); // lines 69 to 74
    QTest::addColumn<QStringList>("lifts");    // rows 17 on
    QTest::addColumn<QStringList>("exhaust");  // rows 17 on
    QTest::addColumn<QString>("swirl16");

    const QStringList none{"0", "", "", "", "1", ""}; // line 73 counts for nothing
    const QStringList pti{"271000", "284000", "297000", "310000", "323000"};
    const QStringList ptiExhaust{"358", "371", "384", "397", "410"};
    QTest::newRow(".pti") << "a.pti" << none << pti << ptiExhaust << "266";
    QTest::newRow(".PTI") << "a.PTI" << none << pti << ptiExhaust << "266";
    QTest::newRow("other name") << "a.txt" << none << QStringList{"257000", "270000", "283000",
                                                                  "296000", "309000", "322000"}
                                << QStringList{"345", "358", "371", "384", "397", "410"} << "253";
    QTest::newRow("two switches") << "a.pti" << QStringList{"", "1", "1", "", "", ""}
                                  << QStringList{"271000", "288000", "305000", "322000", "339000"}
                                  << QStringList{"382", "399", "416", "433", "450"} << "262";
}

void TestPtpfaImport::recordPositions()
{
    QFETCH(QString, name);
    QFETCH(QStringList, switches);
    QFETCH(QStringList, lifts);
    QFETCH(QStringList, exhaust);
    QFETCH(QString, swirl16);

    FilesFixture f;
    S sheet;
    // Every other header line holds its own number, so a cell it should not
    // reach shows.
    std::map<int, QString> header{{2, "6"}, {63, "28"}};
    for (int n = 3; n < 250; ++n)
        header[n] = QString::number(n);
    for (int i = 0; i < 6; ++i)
        header[69 + i] = switches[i];
    const QStringList before = snapshot(sheet);
    QStringList mainBefore;
    for (int id = 0; id < f.main.layout().cellCount(); ++id)
        mainBefore << f.main.text(id);
    calculations = 0;
    QVERIFY(
        importPtpfaLines(sheet, f.main, ptpfa(header, 470, true), name, f.st, countCalculation));
    QCOMPARE(calculations, 1);
    QCOMPARE(sheet.path(), name);
    const CellLayout &layout = sheet.layout();
    for (int id = 0; id < layout.cellCount(); ++id)
        if (!importWrites(S::Array(layout.arrayOf(id)), layout.indexOf(id)))
            QVERIFY2(sheet.text(id) == before[id],
                     qPrintable(layout.arrayName(layout.arrayOf(id))));
    const CellLayout &mainLayout = f.main.layout();
    const QList<int> estimator{mainLayout.id(M::Text104, 3), mainLayout.id(M::Text105, 3),
                               mainLayout.id(M::Text111, 3), mainLayout.id(M::Text101, 8)};
    for (int id = 0; id < f.main.layout().cellCount(); ++id)
        QVERIFY(estimator.contains(id) || f.main.text(id) == mainBefore[id]);

    const qsizetype n = lifts.size();
    QCOMPARE(column(sheet, S::Text101, 17, 30), lifts + zeros(14 - n));
    QCOMPARE(column(sheet, S::Text107, 17, 30), exhaust + zeros(14 - n));
    QCOMPARE(sheet.cell(S::Text207, 16), swirl16);
    // The other lines of a record lie after its anchor, the lift's line on a
    // .pti; the swirl of the last intake record is not taken.
    const int anchor = lifts[0].toInt() / 1000 + (name.endsWith(u"txt") ? 1 : 0);
    QCOMPARE(sheet.cell(S::Text210, 17), QString::number(anchor + 2));
    QCOMPARE(sheet.cell(S::Text106, 17), QString::number(anchor + 6));
    QCOMPARE(sheet.cell(S::Text207, 17), QString::number(anchor + 8));
    QCOMPARE(sheet.cell(S::Text207, 16 + int(n)), QStringLiteral("0"));
    QCOMPARE(sheet.cell(S::Text211, 17), QString::number(exhaust[0].toInt() - 4));
}

void TestPtpfaImport::zeroFlowBaseStillTakesTheExhaustBase()
{
    FilesFixture f;
    S sheet;
    // .pti, n = 3: intake records at 271 (the base, measured exactly 0) and
    // at 284, exhaust flows at 319 (its base) and 332.
    const QStringList lines = ptpfa({{2, "3"},
                                     {63, "28"},
                                     {271, "0"},
                                     {277, "0"},
                                     {284, "0.3"},
                                     {290, "120"},
                                     {319, "1.5"},
                                     {332, "51.5"}});
    QVERIFY(importPtpfaLines(sheet, f.main, lines, "z.pti", f.st, countCalculation));
    QCOMPARE(column(sheet, S::Text101, 16, 18), (QStringList{"0", "300", "0"}));
    QCOMPARE(column(sheet, S::Text106, 16, 18), (QStringList{"0", "120", "0"}));
    QCOMPARE(column(sheet, S::Text107, 16, 18), (QStringList{"0", "50.0", "0"}));
}

void TestPtpfaImport::failures_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("box"); // empty: no failure

    const QString failure =
        QStringLiteral("Some or All of the Data from PTPFA File x.pti has Not been Loaded");
    const QString mismatch = QStringLiteral("Error Number 13 -- Type mismatch\r\n\r\n") + failure;
    const std::map<int, QString> header{{2, "6"}, {34, "1.95"}, {63, "28"}};
    QStringList bad = ptpfa(header);
    bad[284] = QStringLiteral("0.2 in");
    QTest::newRow("a lift no number") << bad << mismatch;
    bad = ptpfa(header);
    bad[290] = QStringLiteral("x");
    QTest::newRow("a flow no number") << bad << mismatch;
    QTest::newRow("n no number") << ptpfa({{2, "six"}}) << mismatch;
    // n = 20 on a .pti: the fifteenth intake point has no row. No run-time
    // error stands behind it, so the box holds the failure alone.
    QTest::newRow("a fifteenth point")
        << ptpfa({{2, "20"}, {34, "1.95"}, {63, "28"}}, 520, true) << failure;
    QTest::newRow("ends inside the header") << ptpfa(header, 120) << "";
}

void TestPtpfaImport::failures()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, box);

    FilesFixture f;
    S sheet;
    sheet.setCell(S::Text39, S::Single, QStringLiteral("earlier.dat"));
    sheet.setCell(S::Text107, 30, QStringLiteral("222"));
    const bool fails = !box.isEmpty();
    f.platform.answer(AnswerOk, fails ? 1 : 0);
    calculations = 0;
    QCOMPARE(importPtpfaLines(sheet, f.main, lines, "x.pti", f.st, countCalculation), !fails);
    QList<Box> boxes;
    if (fails)
        boxes << Box{box, MsgButtons::Ok, MsgIcon::Critical, std::nullopt};
    QCOMPARE_BOXES(f.platform.shown, boxes);
    QCOMPARE(calculations, fails ? 0 : 1);
    QCOMPARE(sheet.path(), fails ? QStringLiteral("earlier.dat") : QStringLiteral("x.pti"));
    // The rows were cleared first; what was read before a failure stays.
    QCOMPARE(sheet.cell(S::Text107, 30), QStringLiteral("0"));
    if (lines[2] != u"six")
        QCOMPARE(sheet.cell(S::Text102, 3), QStringLiteral("1.95"));
}

void TestPtpfaImport::nothingChosenOrReadable()
{
    FilesFixture f;
    S sheet;
    const QStringList before = snapshot(sheet);
    f.platform.cancelDialog();
    f.platform.choose(f.path(QStringLiteral("missing.pti")));
    f.platform.choose(f.folder());
    f.platform.answer(AnswerOk, 3);
    for (int i = 0; i < 3; ++i)
        QVERIFY(!Import_PTPFA_File(sheet, f.main, f.st));
    const Box notLoaded = failureBox("Data from PTPFA File has Not been Loaded");
    QCOMPARE_BOXES(f.platform.shown, {notLoaded, notLoaded, notLoaded});
    QCOMPARE(snapshot(sheet), before);
}

QTEST_GUILESS_MAIN(TestPtpfaImport)
#include "test_ptpfa_import.moc"
