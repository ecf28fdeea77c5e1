#include "calc/calculate_sheet.h"
#include "files/flow_data_file.h"
#include "files/record_lines.h"
#include "files/text_files.h"
#include "files_fixture.h"
#include "model/flow_test_sheet.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>

using namespace zyt;
using namespace zyt::test;
using S = Flow_Test_Sheet;

namespace {

const QString Vorn = QStringLiteral("VORN - Error Message");
const Box notLoaded = failureBox("Flow Data File has Not been Loaded");
const Box notSaved = failureBox("Flow Data File has NOT been Saved");
const Box errorLoading = failureBox(
    "Error Loading Flow Data File --- If you have Not edited the file Please Contact us!");

Box notHandled(const QString &line)
{
    return Box{QStringLiteral("Record not Handled -->") + line, MsgButtons::OkCancel, MsgIcon::None,
               Vorn};
}

Box invalid(int count, const QString &line)
{
    return Box{QStringLiteral("Invalid Input Record # - %1   Data --> %2").arg(count).arg(line),
               MsgButtons::OkCancel, MsgIcon::None, Vorn};
}

Box count(int n, const char *what = " Records Read")
{
    return Box{QString::number(n) + QLatin1StringView(what), MsgButtons::Ok, MsgIcon::None,
               std::nullopt};
}

QStringList snapshot(const S &sheet)
{
    QStringList all;
    for (int id = 0; id < sheet.layout().cellCount(); ++id)
        all << sheet.text(id);
    return all;
}

// Reads the lines as a flow data file into the sheet; true when it read to
// the end without a box.
bool readQuietly(FilesFixture &f, S &sheet, const QStringList &lines)
{
    int Read_Count = 0;
    return readFlowDataLines(sheet, lines, f.st.numbers, f.st.platform, Read_Count) ==
               ReadEnd::Completed &&
           Read_Count == lines.size() && f.platform.shown.isEmpty();
}

QStringList goldenLines(const char *name) { return splitLines(decodeFileText(golden(name))); }

} // namespace

class TestFlowDataFile : public QObject {
    Q_OBJECT

private slots:
    void savesTheSampleAsTheGoldenFile();
    void roundTrip_data();
    void roundTrip();
    void rewrites_data();
    void rewrites();
    void everyRecordFillsTheCellItNames();
    void accepts_data();
    void accepts();
    void badRecords_data();
    void badRecords();
    void loads_data();
    void loads();
    void cannotOpen_data();
    void cannotOpen();
    void comments_data();
    void comments();
    void commaLocale();
    void saveFails_data();
    void saveFails();
};

void TestFlowDataFile::savesTheSampleAsTheGoldenFile()
{
    FilesFixture f;
    S sheet;
    sheet.setCell(S::Text38, S::Single, QStringLiteral("Sample head\r\n  second line"));
    const QStringList before = snapshot(sheet);
    const QString path = f.path(QStringLiteral("sample.dat"));
    f.platform.choose(path);
    f.platform.answer(AnswerOk);
    QVERIFY(Save_Flow_Data_File(sheet, f.st));

    const FileDialogRequest &d = f.platform.dialogs.value(0);
    QCOMPARE(d.kind, FileDialogKind::Save);
    QCOMPARE(d.filter, QStringLiteral("Text Files (*.txt)|*.txt|All Files (*.*)|*.*|"
                                      "Flow Data Files (*.dat)|*.dat"));
    QCOMPARE(d.filterIndex, 3);
    QCOMPARE(d.initialFolder, f.folder());
    QCOMPARE_BOXES(f.platform.shown, {count(124, " Records Written")});
    QCOMPARE(f.st.files.File_Name, path);
    QCOMPARE(FilesFixture::read(path), golden("dat/sample.dat"));
    QCOMPARE(snapshot(sheet), before); // the path line too
}

void TestFlowDataFile::roundTrip_data()
{
    QTest::addColumn<QString>("comments");
    QTest::addColumn<int>("lines");

    QTest::newRow("one line") << "Flowed on the new bench" << 124;
    QTest::newRow("several lines") << "first\r\nsecond\r\n\r\nfourth" << 127;
    QTest::newRow("leading blank") << "  indented" << 124;
    QTest::newRow("empty") << "" << 124;
    QTest::newRow("lines like records") << "a\r\nText101_16 = 900\r\nComments = b" << 126;
    QTest::newRow("ends with a break") << "last\r\n" << 125;
}

void TestFlowDataFile::roundTrip()
{
    QFETCH(QString, comments);
    QFETCH(int, lines);

    FilesFixture f;
    S saved;
    saved.setCell(S::Text38, S::Single, comments);
    saved.setCell(S::Text102, 0, QStringLiteral("Head #7 Ported"));
    saved.setCell(S::Text106, 20, QStringLiteral("161.5"));
    const QString path = f.path(QStringLiteral("round.dat"));
    f.platform.choose(path);
    f.platform.choose(path);
    f.platform.answer(AnswerOk, 2);
    QVERIFY(Save_Flow_Data_File(saved, f.st));

    S loaded;
    loaded.setCell(S::Text101, 20, QStringLiteral("1"));
    loaded.setCell(S::Text38, S::Single, QStringLiteral("older comments"));
    QVERIFY(Load_Flow_Data_File(loaded, QString(), f.st));
    QCOMPARE_BOXES(f.platform.shown, {count(124, " Records Written"), count(lines)});
    QCOMPARE(f.platform.dialogs.value(1).kind, FileDialogKind::Open);
    QCOMPARE(f.platform.dialogs.value(1).filterIndex, 3);
    // The whole sheet, results included, is the same once recalculated.
    Calculate_Sheet(saved, f.st.Metric(), f.st.calc, f.st.numbers, f.st.platform);
    QCOMPARE(snapshot(loaded), snapshot(saved));
}

void TestFlowDataFile::rewrites_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("the sample") << "dat/sample.dat"
                                << "dat/sample.dat";
    QTest::newRow("every cell its own value") << "dat/every-cell.dat"
                                              << "dat/every-cell.dat";
    QTest::newRow("keys in any case and order, LF ends") << "dat/loose.dat"
                                                         << "dat/loose-written.dat";
}

void TestFlowDataFile::rewrites()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    // Read and written again, a file comes out as the program writes it.
    FilesFixture f;
    S sheet;
    QVERIFY(readQuietly(f, sheet, goldenLines(qPrintable(input))));
    QCOMPARE(writeFlowDataRecords(sheet).bytes(), zyt::test::golden(qPrintable(expected)));
}

void TestFlowDataFile::everyRecordFillsTheCellItNames()
{
    // Each cell of the file holds a value of its own, so a record that
    // lands in another cell shows.
    FilesFixture f;
    S sheet;
    const QStringList lines = goldenLines("dat/every-cell.dat");
    QVERIFY(readQuietly(f, sheet, lines));
    const qsizetype comments =
        std::find_if(lines.begin(), lines.end(),
                     [](const QString &l) { return l.startsWith(u"Comments = "); }) -
        lines.begin();
    QVERIFY(comments > 100);
    for (const QString &line : lines.first(comments)) {
        const QString key = line.section(QStringLiteral(" = "), 0, 0);
        const QString value = line.section(QStringLiteral(" = "), 1);
        const int id = sheet.find(key.section(u'_', 0, 0), key.section(u'_', 1).toInt());
        QVERIFY2(id >= 0 && sheet.text(id) == value, qPrintable(line));
    }
    for (int r = S::FirstLiftRow; r <= S::LastLiftRow; ++r)
        QCOMPARE(sheet.cell(S::Text108, r), sheet.cell(S::Text101, r));
    QCOMPARE(sheet.comments(), lines.mid(comments).join(QStringLiteral("\r\n")).mid(11));
}

void TestFlowDataFile::accepts_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("value");

    auto row = [](const char *line, S::Array a, int i, const char *value) {
        QTest::newRow(line) << QString::fromLatin1(line) << int(a) << i
                            << QString::fromLatin1(value);
    };
    row("Text101_16 = 55", S::Text101, 16, "55");
    row("TEXT101_30 = 1000", S::Text101, 30, "1000");
    row("Text101_17 = 5E1", S::Text101, 17, "5e1"); // numbers in lower case
    row("Text102_0 = E7TE-Port", S::Text102, 0, "E7TE-Port");
    row("Text102_10 = Yes", S::Text102, 10, "Yes");
    row("Text104_8 = 3", S::Text104, 8, "3");
    row("Text106_4 = 9", S::Text106, 4, "9");
    row("Text106_22 = 199", S::Text106, 22, "199");
    row("Text107_30 = 222", S::Text107, 30, "222");
    row("Text108_7 = 25", S::Text108, 7, "25");
    row("Text110_8 = 1.0583", S::Text110, 8, "1.0583");
    row("Text112_6 = 4.03", S::Text112, 6, "4.03");
    row("Text202_4 = 45", S::Text202, 4, "45");
    row("Text204_5 = 0.08", S::Text204, 5, "0.08");
    row("Text207_20 = -150", S::Text207, 20, "-150");
    row("Text210_16 = 28", S::Text210, 16, "28");
    row("Text211_30 = 10", S::Text211, 30, "10");
    row("Text106_20 = ", S::Text106, 20, "");
    row("Text102_0 = A=B  ", S::Text102, 0, "A=B  ");
    row("Text102_3 =2.05", S::Text102, 3, "2.05");
    row("Text106_22= 199", S::Text106, 22, "199");
    row("Text106_22.9 = 199", S::Text106, 22, "199");
}

void TestFlowDataFile::accepts()
{
    QFETCH(QString, line);
    QFETCH(int, array);
    QFETCH(int, index);
    QFETCH(QString, value);

    FilesFixture f;
    S sheet;
    const QStringList before = snapshot(sheet);
    int Read_Count = 0;
    QCOMPARE(readFlowDataLines(sheet, {line}, f.st.numbers, f.st.platform, Read_Count),
             ReadEnd::Completed);
    QCOMPARE(Read_Count, 1);
    QVERIFY(f.platform.shown.isEmpty());
    QCOMPARE(sheet.cell(S::Array(array), index), value);
    // Nothing else changed but the second lift and the cleared rows.
    const QStringList after = snapshot(sheet);
    const CellLayout &l = sheet.layout();
    for (int id = 0; id < l.cellCount(); ++id) {
        const int a = l.arrayOf(id), i = l.indexOf(id);
        if (after[id] == before[id] || (a == array && i == index))
            continue;
        if (a == S::Text108 && array == S::Text101 && i == index)
            QCOMPARE(after[id], value);
        else
            QVERIFY2(
                i >= 28 &&
                    (a == S::Text101 || a == S::Text106 || a == S::Text107 || a == S::Text108) &&
                    after[id] == u"0",
                qPrintable(l.arrayName(a)));
    }
}

void TestFlowDataFile::badRecords_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("cannotStore");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("times"); // the bad line, one after the other

    auto row = [](const char *name, const char *line, bool cannot, int answer, int times = 1) {
        QTest::newRow(name) << QString::fromLatin1(line) << cannot << answer << times;
    };
    row("unknown key, OK", "Text103_16 = 1", false, AnswerOk);
    row("unknown key, Cancel", "Text103_16 = 1", false, AnswerCancel);
    row("blank line", "", false, AnswerOk);
    row("lift row 5", "Text101_5 = 1", false, AnswerOk);
    row("intake index 5", "Text106_5 = 1", false, AnswerCancel);
    row("second lift column", "Text108_16 = 1", false, AnswerOk);
    row("part index 2", "Text102_2 = 1", false, AnswerOk);
    row("lift row 31, OK", "Text101_31 = 1", true, AnswerOk);
    row("lift row 31, Cancel", "Text101_31 = 1", true, AnswerCancel);
    row("huge row", "Text207_1e300 = 1", true, AnswerOk);
    row("intake below 0", "Text106_-1 = 1", true, AnswerOk);
    row("exhaust below 0", "Text108_-2 = 1", true, AnswerOk);
    row("no index", "Text101_ = 1", true, AnswerOk);
    row("words for index", "Text101_ 16 junk = 1", true, AnswerOk);
    row("no equals", "Text101_16", true, AnswerCancel);
    row("ten thousand unknown keys", "Text103_16 = 1", false, AnswerOk, 10000);
}

void TestFlowDataFile::badRecords()
{
    QFETCH(QString, line);
    QFETCH(bool, cannotStore);
    QFETCH(int, answer);
    QFETCH(int, times);

    // Good records around it show what is kept and whether reading went on.
    // Past the tenth bad record one box counts the others.
    FilesFixture f;
    S sheet;
    const int asked = std::min(times, 10);
    f.platform.answer(answer, asked);
    const bool stops = cannotStore || answer == AnswerCancel;
    if (stops || times > 10)
        f.platform.answer(AnswerOk);
    QStringList lines(times, line);
    lines.prepend(QStringLiteral("Text102_1 = 150"));
    lines.append(QStringLiteral("Text104_1 = 80"));
    int Read_Count = 0;
    const ReadEnd end = readFlowDataLines(sheet, lines, f.st.numbers, f.st.platform, Read_Count);

    QList<Box> boxes(asked, cannotStore ? invalid(2, line) : notHandled(line));
    if (stops)
        boxes.append(errorLoading);
    if (times > 10)
        boxes.append(Box{QStringLiteral("%1 more Bad Records were Skipped without a Message.")
                             .arg(QLocale(QLocale::English).toString(times - 10)),
                         MsgButtons::Ok, MsgIcon::Exclamation, Vorn});
    QCOMPARE_BOXES(f.platform.shown, boxes);
    QCOMPARE(end, stops ? ReadEnd::Stopped : ReadEnd::Completed);
    QCOMPARE(Read_Count, stops ? 2 : times + 2);
    QCOMPARE(sheet.cell(S::Text102, 1), QStringLiteral("150"));
    QCOMPARE(sheet.cell(S::Text104, 1), stops ? QStringLiteral("75") : QStringLiteral("80"));
}

void TestFlowDataFile::loads_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name"); // empty: through the dialog
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QList<Box>>("boxes");
    QTest::addColumn<bool>("calculated");
    QTest::addColumn<QString>("part"); // Text102(0) afterwards

    const QByteArray sample = golden("dat/sample.dat");
    const QByteArray latin = "Text102_0 = Caf\xE9\r\nText101_16 = 5\r\n";
    const QString cafe = QString::fromUtf16(u"Caf\u00E9");
    const QList<int> ok{AnswerOk}, none;
    QTest::newRow("dialog") << sample << "" << ok << QList<Box>{count(125)} << true << "E7TE";
    QTest::newRow("by name: no count")
        << sample << "x.dat" << none << QList<Box>{} << true << "E7TE";
    QTest::newRow("by name in other case")
        << sample << "X.DAT" << none << QList<Box>{} << true << "E7TE";
    QTest::newRow("lf") << QByteArray(latin).replace("\r\n", "\n") << "" << ok
                        << QList<Box>{count(2)} << true << cafe;
    QTest::newRow("cr") << QByteArray(latin).replace("\r\n", "\r") << "" << ok
                        << QList<Box>{count(2)} << true << cafe;
    QTest::newRow("utf-8 with bom") << QByteArray("\xEF\xBB\xBFText102_0 = Caf\xC3\xA9") << "" << ok
                                    << QList<Box>{count(1)} << true << cafe;
    QTest::newRow("empty") << QByteArray() << "" << ok << QList<Box>{count(0)} << true << "Old";
    QByteArray binary("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16);
    for (int i = 0; i < 2000; ++i)
        binary += char(i * 7);
    QTest::newRow("binary") << binary << "" << QList<int>{AnswerCancel, AnswerOk}
                            << QList<Box>{notHandled(QString::fromUtf16(u"\u2030PNG")),
                                          errorLoading}
                            << false << "Old";
    const QByteArray cut = sample.left(sample.indexOf("Text107_20 = ") + 9);
    QTest::newRow("truncated") << cut << "" << QList<int>{AnswerOk, AnswerOk}
                               << QList<Box>{invalid(54, QStringLiteral("Text107_2")), errorLoading}
                               << false << "E7TE";
}

void TestFlowDataFile::loads()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(QList<int>, answers);
    QFETCH(QList<Box>, boxes);
    QFETCH(bool, calculated);
    QFETCH(QString, part);

    FilesFixture f;
    const QString path = f.write(QStringLiteral("x.dat"), bytes);
    if (name.isEmpty())
        f.platform.choose(path);
    for (int a : answers)
        f.platform.answer(a);
    S sheet;
    sheet.setCell(S::Text102, 0, QStringLiteral("Old"));
    sheet.setCell(S::Text102, 11, QStringLiteral("old result"));
    sheet.setCell(S::Text107, 19, QStringLiteral("1"));
    sheet.setCell(S::Text207, 30, QStringLiteral("5"));
    QVERIFY(Load_Flow_Data_File(sheet, name, f.st));
    QCOMPARE_BOXES(f.platform.shown, boxes);
    QCOMPARE(f.st.files.File_Name, path);
    QCOMPARE(sheet.cell(S::Text102, 0), part);
    QCOMPARE(sheet.cell(S::Text102, 11) != u"old result", calculated);
    // The last rows clear before reading; a half-read file keeps what it
    // read, and swirl is not cleared.
    QCOMPARE(sheet.cell(S::Text106, 29),
             QString::fromLatin1(bytes.contains("Text106_29") ? "284" : "0"));
    QCOMPARE(sheet.cell(S::Text107, 19),
             QString::fromLatin1(bytes.contains("Text107_19") ? "77" : "1"));
    QCOMPARE(sheet.cell(S::Text207, 30),
             QString::fromLatin1(bytes.contains("Text207_30") ? "1100" : "5"));
    QCOMPARE(sheet.path(), QString()); // the sheet's own command sets it
}

void TestFlowDataFile::cannotOpen_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("dialog cancelled") << "cancel";
    QTest::newRow("missing by name") << "name";
    QTest::newRow("missing") << "missing";
}

void TestFlowDataFile::cannotOpen()
{
    QFETCH(QString, kind);
    FilesFixture f;
    S sheet;
    const QStringList before = snapshot(sheet);
    f.st.files.File_Name = QStringLiteral("earlier");
    const QString path = f.path(QStringLiteral("x.dat"));
    if (kind == u"cancel")
        f.platform.cancelDialog();
    else if (kind != u"name")
        f.platform.choose(path);
    f.platform.answer(AnswerOk);
    QVERIFY(
        !Load_Flow_Data_File(sheet, kind == u"name" ? QStringLiteral("x.dat") : QString(), f.st));
    QCOMPARE_BOXES(f.platform.shown, {notLoaded});
    QCOMPARE(snapshot(sheet), before);
    QCOMPARE(f.st.files.File_Name, kind == u"cancel" ? QStringLiteral("earlier") : path);
}

void TestFlowDataFile::comments_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("comments");

    QTest::newRow("key in capitals") << QStringList{"COMMENTS = x"} << "x";
    QTest::newRow("nothing after the key")
        << QStringList{"Comments = ", "next", "last"} << "\r\nnext\r\nlast";
    QTest::newRow("key alone") << QStringList{"Comments ="} << "";
    QTest::newRow("records after it are text")
        << QStringList{"Comments = a", "Text101_16 = 5", "Comments = b"}
        << "a\r\nText101_16 = 5\r\nComments = b";
    QTest::newRow("blank lines kept") << QStringList{"Comments = a", "", ""} << "a\r\n\r\n";
}

void TestFlowDataFile::comments()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, comments);
    FilesFixture f;
    S sheet;
    sheet.setCell(S::Text38, S::Single, QStringLiteral("before"));
    const int box = sheet.layout().id(S::Text38, S::Single);
    QSignalSpy changes(&sheet, &CellModel::cellChanged);
    int Read_Count = 0;
    QCOMPARE(readFlowDataLines(sheet, lines, f.st.numbers, f.st.platform, Read_Count),
             ReadEnd::Completed);
    QCOMPARE(sheet.comments(), comments);
    // Set once, whole: a box shown refills itself on every change.
    const auto boxChanges = std::count_if(changes.cbegin(), changes.cend(),
                                          [&](const QList<QVariant> &c) { return c[0] == box; });
    QCOMPARE(boxChanges, 1);
    QCOMPARE(sheet.cell(S::Text101, 16), QStringLiteral("0"));
}

void TestFlowDataFile::commaLocale()
{
    FilesFixture f;
    f.st.numbers.setLocaleSeparators(u',', u'.');
    f.write(QStringLiteral("point.dat"), golden("dat/sample.dat") + "Text102_0 = No. 7\r\n");
    S sheet;
    QVERIFY(Load_Flow_Data_File(sheet, QStringLiteral("point.dat"), f.st));
    // Numbers take the comma; free text keeps its points.
    QCOMPARE(sheet.cell(S::Text102, 3), QStringLiteral("2,02"));
    QCOMPARE(sheet.cell(S::Text106, 22), QStringLiteral("193,5"));
    QCOMPARE(sheet.comments(), QStringLiteral("Sample head\r\n  second line\r\nText102_0 = No. 7"));

    // Saved as the cells stand, read back under a decimal point.
    f.platform.choose(f.path(QStringLiteral("comma.dat")));
    f.platform.answer(AnswerOk);
    QVERIFY(Save_Flow_Data_File(sheet, f.st));
    const QByteArray bytes = FilesFixture::read(f.path(QStringLiteral("comma.dat")));
    QVERIFY(bytes.contains("\r\nText102_3 = 2,02\r\nText102_4 = 0,342\r\n"));
    QVERIFY(bytes.contains("\r\nText110_8 = 1,0\r\n"));
    f.st.numbers.setLocaleSeparators(u'.', u',');
    S back;
    QVERIFY(Load_Flow_Data_File(back, QStringLiteral("comma.dat"), f.st));
    QCOMPARE(back.cell(S::Text102, 3), QStringLiteral("2.02"));
    QCOMPARE(back.cell(S::Text110, 8), QStringLiteral("1.0"));
}

void TestFlowDataFile::saveFails_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("dialog cancelled") << "cancel";
    QTest::newRow("full disk") << "full";
    // Written, no reader of the program would take the file back.
    QTest::newRow("past the readers' size limit") << "large";
}

void TestFlowDataFile::saveFails()
{
    QFETCH(QString, kind);
    FilesFixture f;
    const QByteArray old = golden("dat/sample.dat");
    const QString kept = f.write(QStringLiteral("old.dat"), old);
    f.st.files.File_Name = QStringLiteral("earlier");
    if (kind == u"cancel")
        f.platform.cancelDialog();
    else
        f.platform.choose(kept);
    f.platform.answer(AnswerOk);
    S sheet;
    sheet.setCell(S::Text102, 0, QString(4000, u'x'));
    if (kind == u"large")
        sheet.setCell(S::Text38, S::Single, QString(5 * 1024 * 1024, u'c'));

    rlimit limit{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit before = limit;
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    if (kind == u"full") { // fails writes as a full disk would
        limit.rlim_cur = 2048;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
    }
    const bool saved = Save_Flow_Data_File(sheet, f.st);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, handler);

    QVERIFY(!saved);
    QCOMPARE_BOXES(f.platform.shown, {notSaved});
    QCOMPARE(FilesFixture::read(kept), old);
    QCOMPARE(QDir(f.folder()).entryList(QDir::Files), QStringList{"old.dat"});
    QCOMPARE(f.st.files.File_Name == u"earlier", kind == u"cancel");
}

QTEST_APPLESS_MAIN(TestFlowDataFile)
#include "test_flow_data_file.moc"
