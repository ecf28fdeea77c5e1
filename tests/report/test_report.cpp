#include "calc/calculate_sheet.h"
#include "files_fixture.h"
#include "model/flow_test_sheet.h"
#include "model/report_model.h"
#include "report/report_commands.h"
#include "report/report_config.h"

#include <QScopeGuard>
#include <QTest>

using namespace zyt;
using namespace zyt::test;
using S = Flow_Test_Sheet;
using R = ReportModel;
using namespace Qt::StringLiterals;

namespace {

// The lines of a report; each must end in CR LF.
QStringList lines(const QString &report)
{
    QStringList all = report.split(QStringLiteral("\r\n"));
    if (all.takeLast() != QString())
        all << QStringLiteral("<no CR LF at the end>");
    return all;
}

// Test 1 alone with the given fields, no main window's block.
QStringList report1(const S &sheet, std::initializer_list<int> fields, ReportSources src = {})
{
    ReportSelection s;
    s.mainBlock = false;
    s.tests = {true, false, false, false, false};
    s.fields.fill(false);
    for (int k : fields)
        s.fields[size_t(k)] = true;
    src.sheets[0] = &sheet;
    return lines(buildReportText(s, src));
}

// Its lift table, after the instructions (4 lines), the title (3), the
// dimension and seat blocks and an empty line (16).
QStringList liftTable(const S &sheet, std::initializer_list<int> fields, ReportSources src = {})
{
    return report1(sheet, fields, src).mid(23);
}

void calculate(S &sheet, AppState &st)
{
    Calculate_Sheet(sheet, st.Metric(), st.calc, st.numbers, st.platform);
}

Box count(int n, const char *what)
{
    return Box{QString::number(n) + QLatin1StringView(what), MsgButtons::Ok, MsgIcon::None, {}};
}

QStringList snapshot(const R &report)
{
    QStringList all;
    for (int id = 0; id < report.layout().cellCount(); ++id)
        all << report.text(id);
    return all;
}

// Names the case of a loop when the test fails in it.
auto caseName(const char *name)
{
    return qScopeGuard([name] {
        if (QTest::currentTestFailed())
            qWarning("case \"%s\"", name);
    });
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT

private slots:
    void padding();
    void emptySelections();
    void liftRowsSkipped();
    void energyCells_data();
    void energyCells();
    void longPartNumberShiftsItsLine();
    void fullReportOfSheet1();
    void sheetsCalculatedFirst();
    void keys();
    void configRoundTrip();
    void configRecords();
    void configFailures();
};

void TestReport::padding()
{
    const struct {
        int option; // 0 left, 1 centre, 2 right, -1 none chosen
        const char *text;
        const char *padded; // in width 5
    } cases[] = {
        {0, "ab", "ab   "},  {0, "abcde", "abcde"}, {0, "abcdef", "abcdef"},
        {1, "ab", " ab  "},  {1, "abcde", "abcde"}, {1, "abcdef", "abcdef"},
        {2, "ab", "   ab"},  {2, "abcde", "abcde"}, {2, "abcdef", "abcdef"},
        {-1, "ab", "   ab"}, {1, "", "     "},
    };
    for (const auto &c : cases) {
        QString line = QStringLiteral(">");
        padByOption(line, c.option, 5, QString::fromLatin1(c.text));
        QCOMPARE(line, u'>' + QString::fromLatin1(c.padded));
    }
    QString line;
    Pad_Center(line, 10, u"abc");
    QCOMPARE(line, QStringLiteral("   abc    "));
}

void TestReport::emptySelections()
{
    S sheet;
    sheet.setCell(S::Text38, S::Single, QStringLiteral("comments only with their field"));
    // No field: one empty line for each of rows 12 to 30, as no lift of the
    // sample is zero after row 16.
    QCOMPARE(liftTable(sheet, {}), QStringList(19, QString()));
    ReportSelection none;
    none.mainBlock = false;
    none.tests.fill(false);
    QCOMPARE(buildReportText(none, {nullptr, {&sheet}}),
             QStringLiteral("Pressing the . key will cause this Page to be Written to a Disk "
                            "File.\r\n\r\n              Please Press anyother key to exit this "
                            "window.\r\n\r\n"));
}

void TestReport::liftRowsSkipped()
{
    const struct {
        int row;
        const char *lift;
        bool written;
    } cases[] = {{16, "0", true}, {17, "0", false},  {30, "0.0", false}, {20, "-0", false},
                 {17, "", true},  {25, "abc", true}, {25, "0,0", true}};
    for (const auto &c : cases) {
        const auto name = caseName(c.lift);
        S sheet;
        sheet.setCell(S::Text101, c.row, QString::fromLatin1(c.lift));
        const QStringList table = liftTable(sheet, {0});
        QCOMPARE(table.size(), c.written ? 19 : 18);
        QCOMPARE(table.value(c.row - 12) == QString::fromLatin1(c.lift).leftJustified(8),
                 c.written);
    }
}

void TestReport::energyCells_data()
{
    QTest::addColumn<QString>("cell"); // "array,index,text" set in the calculated sample
    QTest::addColumn<bool>("metric");
    QTest::addColumn<bool>("fixed");
    QTest::addColumn<QString>("row17"); // energy in, energy ex, density in, density ex

    // Intake at 37.3 ft/s: m = 203 / 16.39 / 1728 / 2 x 0.076 = 2.72369e-4,
    // E = 37.3^2 m = 0.37894, D = 12 / 5.37 x E / 2.306 = 0.36722. Exhaust
    // at 37.2 ft/s, 75 cc: E = 0.13925, D = 12 / 2.88 x E / 1.589 = 0.36515.
    QTest::newRow("sample") << "" << false << true << "0.379,0.139,0.367,0.365";
    QTest::newRow("velocity 0") << "Text114,17,0" << false << false << " ,0.139, ,0.365";
    QTest::newRow("velocity 0.0") << "Text115,17,0.0" << false << false << "0.379,0.0,0.367,0.0";
    QTest::newRow("0.0 fixed") << "Text115,17,0.0" << false << true << "0.379,0.000,0.367,0.000";
    QTest::newRow("volume no number") << "Text104,1,x" << false << false << "0.379, ,0.367, ";
    QTest::newRow("length 0") << "Text102,8,0" << false << false << "0.379,0.139, ,0.365";
    QTest::newRow("area 0") << "Text104,2,0" << false << false << "0.379,0.139,0.367, ";
    QTest::newRow("out of range") << "Text114,17,1e200" << false << false << " ,0.139, ,0.365";
    // The same cells read as m/s, mm and mm^2: v' = 37.3 / 0.3048,
    // E = v'^2 m 1.35581795 = 5.53027; D = 12 / (5.37 / 25.4) x (v'^2 m /
    // (2.306 / 645.16)) x 1.35581795 = 87820.2902.
    QTest::newRow("metric") << "" << true << false << "5.53,2.032,87820.29,87326.391";
}

void TestReport::energyCells()
{
    QFETCH(QString, cell);
    QFETCH(bool, metric);
    QFETCH(bool, fixed);
    QFETCH(QString, row17);
    FilesFixture f;
    S sheet;
    calculate(sheet, f.st);
    const QStringList c = cell.split(u',');
    if (c.size() == 3)
        QVERIFY(sheet.setText(c[0], c[1].toInt(), c[2]));
    ReportSources src;
    src.metric = metric;
    src.numbers.Box_Alignment = fixed ? 1 : 0;
    const QStringList table = liftTable(sheet, {15, 16, 17, 18}, src);
    QCOMPARE(table.mid(0, 4),
             QStringList({QString(36, u' '), "Port     Port     Port     Port     ",
                          "Energy   Energy   Density  Density  ",
                          "In.      Ex.      In.      Ex.      "}));
    QString expected;
    for (const QString &v : row17.split(u','))
        Pad_Left(expected, 9, v);
    QCOMPARE(table.value(5), expected);
}

void TestReport::longPartNumberShiftsItsLine()
{
    S sheet;
    const QString before = report1(sheet, {}).value(7);
    sheet.setCell(S::Text102, 0, QStringLiteral("HEAD-2024-PORTED-7")); // 18 for 10
    QVERIFY(before.startsWith(u"         Part # E7TE       "));
    QCOMPARE(report1(sheet, {}).value(7),
             QString(before).replace(QStringLiteral("E7TE      "),
                                     QStringLiteral("HEAD-2024-PORTED-7")));
}

void TestReport::fullReportOfSheet1()
{
    // Worked out by hand from the sample test, the main window as it starts
    // and the padding rules, all left-aligned.
    FilesFixture f;
    std::array<S, 5> sheets;
    R report;
    report.Clear_Click();
    report.setChecked(R::Check3, 0, true);
    report.setChecked(R::Check1, 0, true);
    for (int k : {0, 1, 15})
        report.setChecked(R::Check2, k, true);
    Create_Text_Report(report, f.main, {&sheets[0], &sheets[1], &sheets[2], &sheets[3], &sheets[4]},
                       f.st);
    QVERIFY(report.reportShown());
    QCOMPARE(lines(report.reportText()),
             lines(QString::fromLatin1(golden("txt/sheet1_report.txt"))));
}

void TestReport::sheetsCalculatedFirst()
{
    FilesFixture f;
    S first, second;
    calculate(second, f.st);
    first.setCell(S::Text106, 17, QStringLiteral("40"));  // shows once calculated
    second.setCell(S::Text106, 6, QStringLiteral("x"));   // no valve count
    second.setCell(S::Text106, 17, QStringLiteral("50")); // stays uncalculated
    second.setCell(S::Text39, S::Single, QStringLiteral("C:\\Flow\\second.dat"));
    R report;
    f.platform.answer(AnswerOk);
    Create_Text_Report(report, f.main, {&first, &second, nullptr, nullptr, nullptr}, f.st);
    QVERIFY(f.platform.texts().value(0).startsWith(u"Error Number 13 -- Type mismatch\r\n"));
    const QString text = report.reportText();
    QVERIFY(text.contains(u"50      40.0      "));
    QVERIFY(text.contains(u"\r\n\r\n\r\n                 Flow Test 2 Data\r\n\r\n"
                          u"C:\\Flow\\second.dat\r\n\r\n"));
    QVERIFY(text.contains(u"50      35.8      ")); // the second sheet's earlier result
    QVERIFY(!text.contains(u"Flow Test 3"));
}

void TestReport::keys()
{
    const struct {
        const char *key;
        const char *chosen; // "" no dialog, "-" cancelled, "?" a place that takes no file
        bool closes;
        bool saved;
    } cases[] = {{".", "report.prt", true, true}, {".", "-", true, false},
                 {".", "?", true, false},         {"x", "", true, false},
                 {"\r", "", true, false},         {"\x1b", "", true, false},
                 {"", "", false, false}}; // arrows, page keys, Shift carry no character
    for (const auto &c : cases) {
        const auto name = caseName(c.chosen);
        FilesFixture f;
        const QString chosen = QString::fromLatin1(c.chosen);
        const QString path =
            chosen == u"?" ? f.write(QStringLiteral("file"), "x") + u"/r"_s : f.path(chosen);
        if (chosen == u"-")
            f.platform.cancelDialog();
        else if (!chosen.isEmpty())
            f.platform.choose(path);
        const bool failure = c.key[0] == '.' && !c.saved;
        if (failure)
            f.platform.answer(AnswerOk);
        R report;
        report.showReport(QStringLiteral("line one\r\n\u00e9 two"));
        QCOMPARE(Text38_KeyPress(report, QString::fromLatin1(c.key), f.st), c.closes);
        QCOMPARE(report.reportShown(), !c.closes);
        QCOMPARE(report.reportText().isEmpty(), c.closes);
        if (c.saved)
            QCOMPARE(FilesFixture::read(path), QByteArray("line one\r\n\xe9 two\r\n"));
        QCOMPARE_BOXES(f.platform.shown,
                       failure ? QList<Box>{failureBox("Problem - File Not Saved")} : QList<Box>{});
        QVERIFY(f.platform.scriptDone());
    }
}

void TestReport::configRoundTrip()
{
    QByteArray designed = "Option1 = 0\r\nOption2 = 0\r\nCheck3_0 = Yes\r\n";
    for (int k = 0; k < 5; ++k)
        designed += "Check1_" + QByteArray::number(k) + " = Yes\r\n";
    for (int k = 0; k < 30; ++k)
        designed += "Check2_" + QByteArray::number(k) + " = Yes\r\n";
    FilesFixture f;
    R saved, loaded;
    const QString path = f.path(QStringLiteral("layout.cfg"));
    f.platform.choose(path);
    f.platform.choose(path);
    f.platform.answer(AnswerOk, 2);
    QVERIFY(Save_Report_Config(saved, f.st));
    QCOMPARE(FilesFixture::read(path), designed);
    loaded.Clear_Click();
    loaded.setOption(R::Option1, 1);
    QVERIFY(Load_Report_Config(loaded, f.st));
    QCOMPARE_BOXES(f.platform.shown, {count(38, " Records Written"), count(38, " Records Read")});
    QCOMPARE(snapshot(loaded), snapshot(saved));
    QCOMPARE(f.platform.dialogs.value(0).initialFolder, f.folder());
    QCOMPARE(f.platform.dialogs.value(1).kind, FileDialogKind::Open);
}

void TestReport::configRecords()
{
    const struct {
        const char *line;
        bool ticked;        // every box at the start
        const char *change; // the cell the line sets, "array,index,value"
        char box;           // the line's box: 'h' not handled, 'i' cannot apply, 0 none
        int answer;         // to that box
        int times = 1;      // the line, one after the other
    } cases[] = {
        {"Check1_2 = yes", false, "Check1,2,1", 0, 0},
        {"cHECK1_2 = YES", false, "Check1,2,1", 0, 0},
        {"Check1_2 = Yes ", true, "Check1,2,0", 0, 0},
        {"Check2_29 = ", true, "Check2,29,0", 0, 0},
        {"Check3_0 = No", true, "Check3,0,0", 0, 0},
        {"OPTION1 = 2.9", false, "Option1,-1,2", 0, 0},
        {"Comments = x", true, "", 'h', AnswerOk},
        {"", true, "", 'h', AnswerOk},
        {"Comments = x", true, "", 'h', AnswerCancel},
        {"Option1 = 3", true, "", 'i', AnswerOk},
        {"Option2 = -1", true, "", 'i', AnswerCancel},
        {"Option2 = ", true, "", 'i', AnswerOk},
        {"Check2_30 = Yes", true, "", 'i', AnswerCancel},
        {"Check3_1 = Yes", true, "", 'i', AnswerOk},
        {"Check1_x = Yes", true, "", 'i', AnswerOk},
        {"Check1_2 Yes", true, "", 'i', AnswerOk},
        {"Junk", true, "", 'h', AnswerOk, 12},
    };
    for (const auto &c : cases) {
        const auto name = caseName(c.line);
        FilesFixture f;
        R report;
        c.ticked ? report.Select_Click() : report.Clear_Click();
        QCOMPARE(report.checked(R::Check2, 29), c.ticked);
        // Option1 is set before the line under test, Option2 after it.
        const QString line = QString::fromLatin1(c.line);
        const bool stops = c.box == 'i' || c.answer == AnswerCancel;
        QStringList expected = snapshot(report);
        expected[report.layout().id(R::Option1, -1)] = QStringLiteral("1");
        if (!stops)
            expected[report.layout().id(R::Option2, -1)] = QStringLiteral("2");
        if (const QStringList v = QString::fromLatin1(c.change).split(u','); v.size() == 3)
            expected[report.layout().find(v[0], v[1].toInt())] = v[2];
        f.platform.choose(f.write(
            u"in.cfg"_s, "Option1 = 1\r\n" + line.toLatin1().append("\r\n").repeated(c.times) +
                             "Option2 = 2\r\n"));
        // Past the tenth bad record one box counts the others.
        const int asked = std::min(c.times, 10);
        if (c.box)
            f.platform.answer(c.answer, asked);
        f.platform.answer(AnswerOk, c.times > 10 ? 2 : 1);
        QCOMPARE(Load_Report_Config(report, f.st), !stops);
        QCOMPARE(snapshot(report), expected);
        QList<Box> boxes;
        const QString vorn = QStringLiteral("VORN - Error Message");
        if (c.box == 'h')
            boxes << QList<Box>(asked, Box{"Record not Handled -->" + line, MsgButtons::OkCancel,
                                           MsgIcon::None, vorn});
        if (c.times > 10)
            boxes << Box{QString::number(c.times - 10) +
                             " more Bad Records were Skipped without a Message.",
                         MsgButtons::Ok, MsgIcon::Exclamation, vorn};
        if (c.box == 'i')
            boxes << Box{"Invalid Input Record # - 2   Data --> " + line, MsgButtons::OkCancel,
                         MsgIcon::None, vorn};
        boxes << (stops ? failureBox("Error Loading Configuration Data File --- If you have Not "
                                     "edited the file Please Contact us!")
                        : count(c.times + 2, " Records Read"));
        QCOMPARE_BOXES(f.platform.shown, boxes);
    }
}

void TestReport::configFailures()
{
    const struct {
        bool saving;
        const char *chosen; // in the program's folder; nullptr: the dialog is cancelled
    } cases[] = {{false, nullptr}, {false, "none.cfg"}, {false, "."},
                 {true, nullptr},  {true, "file/n"},    {true, "."}};
    for (const auto &c : cases) {
        const auto name = caseName(c.chosen ? c.chosen : "cancelled");
        FilesFixture f;
        f.write(u"file"_s, "x"); // no folder to write into
        if (c.chosen)
            f.platform.choose(f.path(QString::fromLatin1(c.chosen)));
        else
            f.platform.cancelDialog();
        f.platform.answer(AnswerOk);
        R report;
        const QStringList before = snapshot(report);
        QVERIFY(!(c.saving ? Save_Report_Config(report, f.st) : Load_Report_Config(report, f.st)));
        QCOMPARE_BOXES(f.platform.shown,
                       {failureBox(c.saving ? "Configuration File has NOT been Saved"
                                            : "Configuration File has Not been Loaded")});
        QCOMPARE(snapshot(report), before);
    }
}

QTEST_GUILESS_MAIN(TestReport)
#include "test_report.moc"
