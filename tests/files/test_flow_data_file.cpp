#include "calc/calculate_sheet.h"
#include "calc/flow_test_sheet.h"
#include "files/flow_data_file.h"
#include "files/record_lines.h"
#include "files_fixture.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace zyt;
using namespace zyt::test;
using S = Flow_Test_Sheet;

namespace {

const QString NotLoaded = QStringLiteral("Flow Data File has Not been Loaded");
const QString NotSaved = QStringLiteral("Flow Data File has NOT been Saved");
const QString ErrorLoading = QStringLiteral(
    "Error Loading Flow Data File --- If you have Not edited the file Please Contact us!");
const QString Vorn = QStringLiteral("VORN - Error Message");
const QString Filter =
    QStringLiteral("Text Files (*.txt)|*.txt|All Files (*.*)|*.*|Flow Data Files (*.dat)|*.dat");

const Box notLoaded{NotLoaded, MsgButtons::Ok, MsgIcon::Exclamation, std::nullopt};
const Box notSaved{NotSaved, MsgButtons::Ok, MsgIcon::Exclamation, std::nullopt};
const Box errorLoading{ErrorLoading, MsgButtons::Ok, MsgIcon::Exclamation, std::nullopt};

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

Box count(const QString &text) { return Box{text, MsgButtons::Ok, MsgIcon::None, std::nullopt}; }

QString goldenPath(const char *name)
{
    return QStringLiteral(ZYT_TEST_DATA "/") + QString::fromLatin1(name);
}

QByteArray golden(const char *name) { return FilesFixture::read(goldenPath(name)); }

// Every cell the file writes, in its order.
struct Cell {
    S::Array array;
    int index;
};

QList<Cell> writtenCells()
{
    QList<Cell> cells;
    auto rows = [&](S::Array a) {
        for (int r = 16; r <= 30; ++r)
            cells.append({a, r});
    };
    rows(S::Text101);
    for (int i : {0, 1, 3, 4, 6, 8, 10})
        cells.append({S::Text102, i});
    for (int i : {0, 1, 3, 4, 6, 8})
        cells.append({S::Text104, i});
    for (int i : {0, 1, 2, 3, 6})
        cells.append({S::Text106, i});
    cells.append({S::Text112, 6});
    rows(S::Text106);
    rows(S::Text107);
    for (int i : {0, 1, 2, 3, 6, 7, 8})
        cells.append({S::Text108, i});
    for (int i : {5, 6, 8})
        cells.append({S::Text110, i});
    for (int i : {4, 5})
        cells.append({S::Text202, i});
    for (int i : {4, 5})
        cells.append({S::Text204, i});
    for (int r = 16; r <= 30; ++r)
        for (S::Array a : {S::Text207, S::Text210, S::Text211})
            cells.append({a, r});
    return cells;
}

// A snapshot of every cell of a sheet.
QStringList snapshot(const S &sheet)
{
    QStringList all;
    for (int id = 0; id < sheet.layout().cellCount(); ++id)
        all << sheet.text(id);
    return all;
}

} // namespace

class TestFlowDataFile : public QObject {
    Q_OBJECT

private slots:
    void savesTheSampleAsTheGoldenFile();
    void roundTrip_data();
    void roundTrip();
    void everyWrittenCellComesBack();
    void loadShowsTheCountAndCalculates();
    void loadByNameShowsNoCount();
    void loadByNameIgnoresLetterCase();
    void accepts_data();
    void accepts();
    void badRecords_data();
    void badRecords();
    void cannotOpen_data();
    void cannotOpen();
    void emptyFile();
    void binaryFile();
    void truncatedFile();
    void rowsWithoutRecordsBecomeZero();
    void comments_data();
    void comments();
    void lineEndsAndEncodings_data();
    void lineEndsAndEncodings();
    void commaLocale();
    void pointLocaleReadsCommaFiles();
    void saveWritesTheCodePage_data();
    void saveWritesTheCodePage();
    void saveCancelled();
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
    void saveLeavesTheSheetAlone();
};

void TestFlowDataFile::savesTheSampleAsTheGoldenFile()
{
    FilesFixture f;
    S sheet;
    sheet.setCell(S::Text38, S::Single, QStringLiteral("Sample head\r\n  second line"));
    const QString path = f.path(QStringLiteral("sample.dat"));
    f.platform.choose(path);
    f.platform.answer(AnswerOk);
    QVERIFY(Save_Flow_Data_File(sheet, f.st));

    QCOMPARE(f.platform.dialogs.size(), 1);
    const FileDialogRequest &d = f.platform.dialogs.first();
    QCOMPARE(d.kind, FileDialogKind::Save);
    QCOMPARE(d.filter, Filter);
    QCOMPARE(d.filterIndex, 3);
    QCOMPARE(d.initialFolder, f.folder());
    QCOMPARE_BOXES(f.platform.shown, {count(QStringLiteral("124 Records Written"))});
    QCOMPARE(f.st.File_Name, path);
    QCOMPARE(FilesFixture::read(path), golden("sample.dat"));
}

void TestFlowDataFile::roundTrip_data()
{
    QTest::addColumn<QString>("comments");
    QTest::addColumn<int>("records");

    QTest::newRow("one line") << "Flowed on the new bench" << 124;
    QTest::newRow("several lines") << "first\r\nsecond\r\n\r\nfourth" << 127;
    QTest::newRow("leading blank") << "  indented" << 124;
    QTest::newRow("empty") << "" << 124;
    QTest::newRow("line looking like a record") << "a\r\nText101_16 = 900\r\nComments = b" << 126;
    QTest::newRow("ends with a break") << "last\r\n" << 125;
}

void TestFlowDataFile::roundTrip()
{
    QFETCH(QString, comments);
    QFETCH(int, records);

    FilesFixture f;
    S saved;
    saved.setCell(S::Text38, S::Single, comments);
    saved.setCell(S::Text102, 0, QStringLiteral("Head #7 Ported"));
    saved.setCell(S::Text102, 10, QStringLiteral("Yes"));
    saved.setCell(S::Text106, 20, QStringLiteral("161.5"));
    const QString path = f.path(QStringLiteral("round.dat"));
    f.platform.choose(path);
    f.platform.answer(AnswerOk);
    QVERIFY(Save_Flow_Data_File(saved, f.st));

    S loaded;
    loaded.setCell(S::Text101, 20, QStringLiteral("1"));
    loaded.setCell(S::Text38, S::Single, QStringLiteral("older comments"));
    f.platform.clear();
    f.platform.choose(path);
    f.platform.answer(AnswerOk);
    QVERIFY(Load_Flow_Data_File(loaded, QString(), f.st));
    QCOMPARE_BOXES(f.platform.shown, {count(QStringLiteral("%1 Records Read").arg(records))});
    QCOMPARE(f.platform.dialogs.first().kind, FileDialogKind::Open);
    QCOMPARE(f.platform.dialogs.first().filterIndex, 3);
    QCOMPARE(f.st.File_Name, path);
    // The whole sheet, results included, is the same once recalculated.
    Calculate_Sheet(saved, f.st);
    QCOMPARE(snapshot(loaded), snapshot(saved));
}

void TestFlowDataFile::everyWrittenCellComesBack()
{
    // A distinct text in each of the 123 cells shows that every record goes
    // to its own cell.
    FilesFixture f;
    S saved;
    const QList<Cell> cells = writtenCells();
    QCOMPARE(cells.size(), 123);
    for (qsizetype i = 0; i < cells.size(); ++i)
        saved.setCell(cells[i].array, cells[i].index, QString::number(1000 + i));
    saved.setCell(S::Text102, 0, QStringLiteral("Part A"));
    saved.setCell(S::Text38, S::Single, QStringLiteral("c"));
    const RecordWriter w = Write_Flow_Data_Records(saved);
    QCOMPARE(w.Write_Count(), 124);
    const QStringList lines = w.text().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 124);
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const QString key = S::sheetLayout().arrayName(cells[i].array) + u'_' +
                            QString::number(cells[i].index) + QStringLiteral(" = ");
        QVERIFY2(lines[i].startsWith(key), qPrintable(lines[i]));
    }
    QCOMPARE(lines.last(), QStringLiteral("Comments = c"));

    S loaded;
    int Read_Count = 0;
    QCOMPARE(Read_Flow_Data_Lines(loaded, lines, f.st, Read_Count), ReadEnd::Completed);
    QCOMPARE(Read_Count, 124);
    for (const Cell &c : cells)
        QCOMPARE(loaded.cell(c.array, c.index), saved.cell(c.array, c.index));
    for (int r = 16; r <= 30; ++r)
        QCOMPARE(loaded.cell(S::Text108, r), saved.cell(S::Text101, r));
    QCOMPARE(loaded.comments(), QStringLiteral("c"));
    QVERIFY(f.platform.shown.isEmpty());
}

void TestFlowDataFile::loadShowsTheCountAndCalculates()
{
    FilesFixture f;
    S sheet;
    for (int r = 16; r <= 30; ++r)
        sheet.setCell(S::Text102, r, QStringLiteral("stale"));
    f.platform.choose(goldenPath("sample.dat"));
    f.platform.answer(AnswerOk);
    QVERIFY(Load_Flow_Data_File(sheet, QString(), f.st));
    QCOMPARE_BOXES(f.platform.shown, {count(QStringLiteral("125 Records Read"))});
    QCOMPARE(sheet.comments(), QStringLiteral("Sample head\r\n  second line"));
    S calculated;
    Calculate_Sheet(calculated, f.st);
    QCOMPARE(sheet.cell(S::Text102, 30), calculated.cell(S::Text102, 30));
    QVERIFY(sheet.cell(S::Text102, 30) != u"stale");
    QCOMPARE(sheet.path(), QString()); // the sheet's own command sets it
}

void TestFlowDataFile::loadByNameShowsNoCount()
{
    FilesFixture f;
    f.write(QStringLiteral("test1.dat"), golden("sample.dat"));
    S sheet;
    sheet.setCell(S::Text104, 3, QStringLiteral("9"));
    QVERIFY(Load_Flow_Data_File(sheet, QStringLiteral("test1.dat"), f.st));
    QVERIFY(f.platform.shown.isEmpty());
    QVERIFY(f.platform.dialogs.isEmpty());
    QCOMPARE(sheet.cell(S::Text104, 3), QStringLiteral("1.6"));
    QCOMPARE(f.st.File_Name, f.path(QStringLiteral("test1.dat")));
}

void TestFlowDataFile::loadByNameIgnoresLetterCase()
{
    FilesFixture f;
    QVERIFY(QDir(f.folder()).mkdir(QStringLiteral("Heads")));
    f.write(QStringLiteral("Heads/Test1.dat"), "Text102_0 = Found\r\n");
    S sheet;
    QVERIFY(Load_Flow_Data_File(sheet, QStringLiteral("heads\\TEST1.DAT"), f.st));
    QCOMPARE(sheet.cell(S::Text102, 0), QStringLiteral("Found"));
    QCOMPARE(f.st.File_Name, f.path(QStringLiteral("Heads/Test1.dat")));
}

void TestFlowDataFile::accepts_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("value");

    auto row = [](const char *name, const char *line, S::Array a, int i, const char *value) {
        QTest::newRow(name) << QString::fromLatin1(line) << int(a) << i
                            << QString::fromLatin1(value);
    };
    row("lift", "Text101_16 = 55", S::Text101, 16, "55");
    row("lift in capitals", "TEXT101_16 = 55", S::Text101, 16, "55");
    row("last lift row", "Text101_30 = 1000", S::Text101, 30, "1000");
    row("numbers in lower case", "Text101_17 = 5E1", S::Text101, 17, "5e1");
    row("part number keeps its case", "Text102_0 = E7TE-Port", S::Text102, 0, "E7TE-Port");
    row("exhaust pipe", "Text102_10 = Yes", S::Text102, 10, "Yes");
    row("intake valve", "Text102_3 = 2.05", S::Text102, 3, "2.05");
    row("bore", "Text104_0 = 4.2", S::Text104, 0, "4.2");
    row("exhaust centre line", "Text104_8 = 3", S::Text104, 8, "3");
    row("intake corner", "Text106_0 = .5", S::Text106, 0, ".5");
    row("intake label cell", "Text106_4 = 9", S::Text106, 4, "9");
    row("intake valves", "Text106_6 = 2", S::Text106, 6, "2");
    row("intake flow", "Text106_22 = 199", S::Text106, 22, "199");
    row("exhaust flow", "Text107_30 = 222", S::Text107, 30, "222");
    row("exhaust corner", "Text108_0 = 0.3", S::Text108, 0, "0.3");
    row("test pressure", "Text108_7 = 25", S::Text108, 7, "25");
    row("correct to", "Text108_8 = 28", S::Text108, 8, "28");
    row("compression", "Text110_5 = 11", S::Text110, 5, "11");
    row("correction factor", "Text110_8 = 1.0583", S::Text110, 8, "1.0583");
    row("engine bore", "Text112_6 = 4.03", S::Text112, 6, "4.03");
    row("intake seat angle", "Text202_4 = 45", S::Text202, 4, "45");
    row("exhaust seat width", "Text204_5 = 0.08", S::Text204, 5, "0.08");
    row("swirl", "Text207_20 = -150", S::Text207, 20, "-150");
    row("intake depression", "Text210_16 = 28", S::Text210, 16, "28");
    row("exhaust depression", "Text211_30 = 10", S::Text211, 30, "10");
    row("empty value", "Text106_20 = ", S::Text106, 20, "");
    row("value with equals", "Text102_0 = A=B", S::Text102, 0, "A=B");
    row("trailing blanks kept", "Text102_0 = A  ", S::Text102, 0, "A  ");
    row("no blank after the equals", "Text102_3 =2.05", S::Text102, 3, "2.05");
    row("index against the equals", "Text106_22= 199", S::Text106, 22, "199");
    row("index with a fraction", "Text106_22.9 = 199", S::Text106, 22, "199");
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
    QSignalSpy spy(&sheet, &CellModel::cellChanged);
    int Read_Count = 0;
    QCOMPARE(Read_Flow_Data_Lines(sheet, {line}, f.st, Read_Count), ReadEnd::Completed);
    QCOMPARE(Read_Count, 1);
    QVERIFY2(f.platform.shown.isEmpty(), qPrintable(f.platform.texts().join(u'|')));
    QCOMPARE(sheet.cell(S::Array(array), index), value);
    if (array == S::Text101)
        QCOMPARE(sheet.cell(S::Text108, index), value);
    // Nothing else changed but the cleared rows.
    const QStringList after = snapshot(sheet);
    for (int id = 0; id < sheet.layout().cellCount(); ++id) {
        if (after[id] == before[id])
            continue;
        const int a = sheet.layout().arrayOf(id);
        const int i = sheet.layout().indexOf(id);
        const bool cleared =
            i >= 28 && (a == S::Text101 || a == S::Text106 || a == S::Text107 || a == S::Text108);
        const bool target =
            (a == array && i == index) || (array == S::Text101 && a == S::Text108 && i == index);
        QVERIFY2(cleared || target, qPrintable(sheet.layout().arrayName(a)));
    }
}

void TestFlowDataFile::badRecords_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("cannotStore");
    QTest::addColumn<int>("answer");

    auto row = [](const char *name, const char *line, bool cannot, int answer) {
        QTest::newRow(name) << QString::fromLatin1(line) << cannot << answer;
    };
    row("unknown key, OK", "Text103_16 = 1", false, AnswerOk);
    row("unknown key, Cancel", "Text103_16 = 1", false, AnswerCancel);
    row("blank line", "", false, AnswerOk);
    row("lift row 5", "Text101_5 = 1", false, AnswerOk);
    row("negative lift row", "Text101_-1 = 1", false, AnswerOk);
    row("intake index 5", "Text106_5 = 1", false, AnswerCancel);
    row("intake index 7", "Text106_15 = 1", false, AnswerOk);
    row("second lift column", "Text108_16 = 1", false, AnswerOk);
    row("exhaust past its rows", "Text108_31 = 1", false, AnswerOk);
    row("part index 2", "Text102_2 = 1", false, AnswerOk);
    row("listed only", "Text112_7 = 1", false, AnswerOk);
    row("key spelled differently", "Text 101_16 = 1", false, AnswerOk);
    row("lift row 31, OK", "Text101_31 = 1", true, AnswerOk);
    row("lift row 31, Cancel", "Text101_31 = 1", true, AnswerCancel);
    row("huge lift row", "Text207_1e300 = 1", true, AnswerOk);
    row("intake row 31", "Text106_31 = 1", true, AnswerOk);
    row("intake below 0", "Text106_-1 = 1", true, AnswerOk);
    row("exhaust below 0", "Text108_-2 = 1", true, AnswerOk);
    row("no index", "Text101_ = 1", true, AnswerOk);
    row("letters for index", "Text101_x = 1", true, AnswerOk);
    row("words after the index", "Text101_ 16 junk = 1", true, AnswerOk);
    row("no equals", "Text101_16", true, AnswerCancel);
    row("equals too early", "Text101_=16", true, AnswerOk);
}

void TestFlowDataFile::badRecords()
{
    QFETCH(QString, line);
    QFETCH(bool, cannotStore);
    QFETCH(int, answer);

    // A good record before and after shows what is kept and whether the
    // reading went on.
    FilesFixture f;
    S sheet;
    const QStringList lines{QStringLiteral("Text102_1 = 150"), line,
                            QStringLiteral("Text104_1 = 80")};
    f.platform.answer(answer);
    const bool stops = cannotStore || answer == AnswerCancel;
    if (stops)
        f.platform.answer(AnswerOk);
    int Read_Count = 0;
    const ReadEnd end = Read_Flow_Data_Lines(sheet, lines, f.st, Read_Count);

    const QString shownLine = line;
    QList<Box> expected{cannotStore ? invalid(2, shownLine) : notHandled(shownLine)};
    if (stops)
        expected.append(errorLoading);
    QCOMPARE_BOXES(f.platform.shown, expected);
    QCOMPARE(end, stops ? ReadEnd::Stopped : ReadEnd::Completed);
    QCOMPARE(Read_Count, stops ? 2 : 3);
    QCOMPARE(sheet.cell(S::Text102, 1), QStringLiteral("150"));
    QCOMPARE(sheet.cell(S::Text104, 1), stops ? QStringLiteral("75") : QStringLiteral("80"));
    QCOMPARE(sheet.cell(S::Text101, 30), QStringLiteral("0"));
    QVERIFY(f.platform.scriptDone());
}

void TestFlowDataFile::cannotOpen_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("dialog cancelled") << "cancel";
    QTest::newRow("missing file") << "missing";
    QTest::newRow("folder") << "folder";
    QTest::newRow("pipe") << "pipe";
    QTest::newRow("over 4 MiB") << "large";
    QTest::newRow("missing by name") << "name";
}

void TestFlowDataFile::cannotOpen()
{
    QFETCH(QString, kind);
    FilesFixture f;
    S sheet;
    sheet.setCell(S::Text101, 30, QStringLiteral("777"));
    const QStringList before = snapshot(sheet);
    f.st.File_Name = QStringLiteral("earlier");
    const QString path = f.path(QStringLiteral("x.dat"));
    QString name;
    if (kind == u"cancel") {
        f.platform.cancelDialog();
    } else if (kind == u"name") {
        name = QStringLiteral("gone.dat");
    } else {
        f.platform.choose(path);
        if (kind == u"folder")
            QVERIFY(QDir(f.folder()).mkdir(QStringLiteral("x.dat")));
        else if (kind == u"pipe")
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == u"large")
            f.write(QStringLiteral("x.dat"),
                    QByteArray("Text101_16 = 1\r\n").repeated(4 * 1024 * 1024 / 16 + 1));
    }
    f.platform.answer(AnswerOk);
    QVERIFY(!Load_Flow_Data_File(sheet, name, f.st));
    QCOMPARE_BOXES(f.platform.shown, {notLoaded});
    QCOMPARE(snapshot(sheet), before);
    if (kind == u"cancel")
        QCOMPARE(f.st.File_Name, QStringLiteral("earlier"));
}

void TestFlowDataFile::emptyFile()
{
    FilesFixture f;
    S sheet;
    sheet.setCell(S::Text207, 30, QStringLiteral("5"));
    f.platform.choose(f.write(QStringLiteral("empty.dat"), QByteArray()));
    f.platform.answer(AnswerOk);
    QVERIFY(Load_Flow_Data_File(sheet, QString(), f.st));
    QCOMPARE_BOXES(f.platform.shown, {count(QStringLiteral("0 Records Read"))});
    for (S::Array a : {S::Text101, S::Text106, S::Text107, S::Text108})
        QCOMPARE(sheet.cell(a, 29), QStringLiteral("0"));
    QCOMPARE(sheet.cell(S::Text207, 30), QStringLiteral("5"));
}

void TestFlowDataFile::binaryFile()
{
    FilesFixture f;
    S sheet;
    const QStringList before = snapshot(sheet);
    QByteArray bytes("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16);
    for (int i = 0; i < 2000; ++i)
        bytes += char(i * 7);
    f.platform.choose(f.write(QStringLiteral("picture.dat"), bytes));
    f.platform.answer(AnswerCancel);
    f.platform.answer(AnswerOk);
    QVERIFY(Load_Flow_Data_File(sheet, QString(), f.st));
    // The first line shows with its control characters made visible.
    QCOMPARE_BOXES(f.platform.shown, {notHandled(QString::fromUtf16(u"\u2030PNG")), errorLoading});
    QCOMPARE(sheet.cell(S::Text101, 29), QStringLiteral("0"));
    QCOMPARE(sheet.cell(S::Text102, 3), before[sheet.id(S::Text102, 3)]);
}

void TestFlowDataFile::truncatedFile()
{
    FilesFixture f;
    QByteArray bytes = golden("sample.dat");
    const qsizetype cut = bytes.indexOf("Text107_20 = ") + 9;
    bytes.truncate(cut);
    S sheet;
    sheet.setCell(S::Text107, 19, QStringLiteral("1"));
    sheet.setCell(S::Text108, 0, QStringLiteral("0.7"));
    sheet.setCell(S::Text102, 11, QStringLiteral("old average"));
    f.platform.choose(f.write(QStringLiteral("cut.dat"), bytes));
    f.platform.answer(AnswerOk, 2);
    QVERIFY(Load_Flow_Data_File(sheet, QString(), f.st));
    QCOMPARE_BOXES(f.platform.shown, {invalid(54, QStringLiteral("Text107_2")), errorLoading});
    // Read before the cut, kept after it, and no calculation ran.
    QCOMPARE(sheet.cell(S::Text107, 19), QStringLiteral("77"));
    QCOMPARE(sheet.cell(S::Text108, 0), QStringLiteral("0.7"));
    QCOMPARE(sheet.cell(S::Text102, 11), QStringLiteral("old average"));
}

void TestFlowDataFile::rowsWithoutRecordsBecomeZero()
{
    FilesFixture f;
    S sheet;
    for (S::Array a : {S::Text101, S::Text106, S::Text107, S::Text108, S::Text207, S::Text210})
        sheet.setCell(a, 28, QStringLiteral("9"));
    int Read_Count = 0;
    Read_Flow_Data_Lines(sheet, {QStringLiteral("Text101_16 = 0")}, f.st, Read_Count);
    for (S::Array a : {S::Text101, S::Text106, S::Text107, S::Text108})
        QCOMPARE(sheet.cell(a, 28), QStringLiteral("0"));
    QCOMPARE(sheet.cell(S::Text207, 28), QStringLiteral("9"));
    QCOMPARE(sheet.cell(S::Text210, 28), QStringLiteral("9"));
    QCOMPARE(sheet.cell(S::Text101, 27), QStringLiteral("700"));
}

void TestFlowDataFile::comments_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("comments");

    QTest::newRow("one line") << QStringList{"Comments = Good head"} << "Good head";
    QTest::newRow("key in capitals") << QStringList{"COMMENTS = x"} << "x";
    QTest::newRow("nothing after the key")
        << QStringList{"Comments = ", "next", "last"} << "\r\nnext\r\nlast";
    QTest::newRow("key alone") << QStringList{"Comments ="} << "";
    QTest::newRow("leading blanks kept") << QStringList{"Comments =   x"} << "  x";
    QTest::newRow("records after it are comments")
        << QStringList{"Comments = a", "Text101_16 = 5"} << "a\r\nText101_16 = 5";
    QTest::newRow("a second comments line is text")
        << QStringList{"Comments = a", "Comments = b"} << "a\r\nComments = b";
    QTest::newRow("blank lines kept") << QStringList{"Comments = a", "", ""} << "a\r\n\r\n";
    QTest::newRow("no blank after the equals") << QStringList{"Comments =x"} << "x";
}

void TestFlowDataFile::comments()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, comments);
    FilesFixture f;
    S sheet;
    sheet.setCell(S::Text38, S::Single, QStringLiteral("before"));
    int Read_Count = 0;
    QCOMPARE(Read_Flow_Data_Lines(sheet, lines, f.st, Read_Count), ReadEnd::Completed);
    QCOMPARE(sheet.comments(), comments);
    QCOMPARE(sheet.cell(S::Text101, 16), QStringLiteral("0"));
    QCOMPARE(Read_Count, lines.size());
}

void TestFlowDataFile::lineEndsAndEncodings_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("cr lf") << QByteArray("Text102_0 = Caf\xE9\r\nText101_16 = 5\r\n");
    QTest::newRow("lf") << QByteArray("Text102_0 = Caf\xE9\nText101_16 = 5\n");
    QTest::newRow("cr") << QByteArray("Text102_0 = Caf\xE9\rText101_16 = 5\r");
    QTest::newRow("no end on the last line") << QByteArray("Text102_0 = Caf\xE9\r\nText101_16 = 5");
    QTest::newRow("utf-8") << QByteArray("Text102_0 = Caf\xC3\xA9\r\nText101_16 = 5\r\n");
    QTest::newRow("utf-8 with bom")
        << QByteArray("\xEF\xBB\xBFText102_0 = Caf\xC3\xA9\r\nText101_16 = 5\r\n");
}

void TestFlowDataFile::lineEndsAndEncodings()
{
    QFETCH(QByteArray, bytes);
    FilesFixture f;
    S sheet;
    f.platform.choose(f.write(QStringLiteral("x.dat"), bytes));
    f.platform.answer(AnswerOk);
    QVERIFY(Load_Flow_Data_File(sheet, QString(), f.st));
    QCOMPARE_BOXES(f.platform.shown, {count(QStringLiteral("2 Records Read"))});
    QCOMPARE(sheet.cell(S::Text102, 0), QString::fromUtf16(u"Caf\u00E9"));
    QCOMPARE(sheet.cell(S::Text101, 16), QStringLiteral("5"));
}

void TestFlowDataFile::commaLocale()
{
    FilesFixture f;
    f.st.Set_Decimal_Separators(u',', u'.');
    S sheet;
    f.platform.choose(goldenPath("sample.dat"));
    f.platform.answer(AnswerOk);
    QVERIFY(Load_Flow_Data_File(sheet, QString(), f.st));
    QCOMPARE_BOXES(f.platform.shown, {count(QStringLiteral("125 Records Read"))});
    // Numbers take the comma; free text keeps its points.
    QCOMPARE(sheet.cell(S::Text102, 3), QStringLiteral("2,02"));
    QCOMPARE(sheet.cell(S::Text106, 22), QStringLiteral("193,5"));
    QCOMPARE(sheet.cell(S::Text101, 16), QStringLiteral("0"));
    sheet.setCell(S::Text102, 0, QStringLiteral("No. 7"));

    // Saving writes the cells as they stand.
    const QString path = f.path(QStringLiteral("comma.dat"));
    f.platform.clear();
    f.platform.choose(path);
    f.platform.answer(AnswerOk);
    QVERIFY(Save_Flow_Data_File(sheet, f.st));
    const QByteArray bytes = FilesFixture::read(path);
    QVERIFY(bytes.contains("\r\nText102_3 = 2,02\r\n"));
    QVERIFY(bytes.contains("\r\nText102_0 = No. 7\r\n"));
    QVERIFY(bytes.contains("\r\nText110_8 = 1,0\r\n"));
}

void TestFlowDataFile::pointLocaleReadsCommaFiles()
{
    FilesFixture f;
    S sheet;
    f.write(QStringLiteral("comma.dat"),
            "Text102_3 = 2,05\r\nText102_0 = A,B\r\nText104_3 = 1,6\r\n");
    QVERIFY(Load_Flow_Data_File(sheet, QStringLiteral("comma.dat"), f.st));
    QCOMPARE(sheet.cell(S::Text102, 3), QStringLiteral("2.05"));
    QCOMPARE(sheet.cell(S::Text104, 3), QStringLiteral("1.6"));
    QCOMPARE(sheet.cell(S::Text102, 0), QStringLiteral("A,B"));
}

void TestFlowDataFile::saveWritesTheCodePage_data()
{
    QTest::addColumn<QString>("part");
    QTest::addColumn<QByteArray>("record");

    QTest::newRow("ascii") << "E7TE" << QByteArray("Text102_0 = E7TE\r\n");
    QTest::newRow("windows-1252") << QString::fromUtf16(u"T\u00EAte \u20AC")
                                  << QByteArray("Text102_0 = T\xEAte \x80\r\n");
    QTest::newRow("utf-8 when it does not fit")
        << QString::fromUtf16(u"\u0108ylinder") << QByteArray("Text102_0 = \xC4\x88ylinder\r\n");
}

void TestFlowDataFile::saveWritesTheCodePage()
{
    QFETCH(QString, part);
    QFETCH(QByteArray, record);
    FilesFixture f;
    S sheet;
    sheet.setCell(S::Text102, 0, part);
    const QString path = f.path(QStringLiteral("cp.dat"));
    f.platform.choose(path);
    f.platform.answer(AnswerOk);
    QVERIFY(Save_Flow_Data_File(sheet, f.st));
    QVERIFY(FilesFixture::read(path).contains(record));

    S loaded;
    QVERIFY(Load_Flow_Data_File(loaded, QStringLiteral("cp.dat"), f.st));
    QCOMPARE(loaded.cell(S::Text102, 0), part);
}

void TestFlowDataFile::saveCancelled()
{
    FilesFixture f;
    S sheet;
    f.st.File_Name = QStringLiteral("earlier");
    f.platform.cancelDialog();
    f.platform.answer(AnswerOk);
    QVERIFY(!Save_Flow_Data_File(sheet, f.st));
    QCOMPARE_BOXES(f.platform.shown, {notSaved});
    QCOMPARE(f.st.File_Name, QStringLiteral("earlier"));
    QVERIFY(QDir(f.folder()).isEmpty());
}

void TestFlowDataFile::failedSaveKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("full disk") << "full";
    QTest::newRow("folder at the path") << "folder";
    QTest::newRow("parent is a file") << "parent";
}

void TestFlowDataFile::failedSaveKeepsTheOldFile()
{
    QFETCH(QString, kind);
    FilesFixture f;
    const QByteArray old = golden("sample.dat");
    QString path = f.write(QStringLiteral("old.dat"), old);
    QString kept = path;
    if (kind == u"folder") {
        path = f.path(QStringLiteral("sub"));
        QVERIFY(QDir(f.folder()).mkdir(QStringLiteral("sub")));
    } else if (kind == u"parent") {
        path = kept + QStringLiteral("/new.dat");
    }
    S sheet;
    sheet.setCell(S::Text102, 0, QString(4000, u'x'));
    f.platform.choose(path);
    f.platform.answer(AnswerOk);

    bool saved = true;
    if (kind == u"full") {
        // A file size limit fails writes as a full disk would.
        rlimit limit{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
        const rlimit before = limit;
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        limit.rlim_cur = 2048;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        saved = Save_Flow_Data_File(sheet, f.st);
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, handler);
    } else {
        saved = Save_Flow_Data_File(sheet, f.st);
    }
    QVERIFY(!saved);
    QCOMPARE_BOXES(f.platform.shown, {notSaved});
    QCOMPARE(FilesFixture::read(kept), old);
    QCOMPARE(QDir(f.folder()).entryList(QDir::Files), QStringList{"old.dat"});
}

void TestFlowDataFile::saveLeavesTheSheetAlone()
{
    FilesFixture f;
    S sheet;
    sheet.setCell(S::Text39, S::Single, QStringLiteral("/earlier/path.dat"));
    const QStringList before = snapshot(sheet);
    f.platform.choose(f.path(QStringLiteral("a.dat")));
    f.platform.answer(AnswerOk);
    QVERIFY(Save_Flow_Data_File(sheet, f.st));
    QCOMPARE(snapshot(sheet), before);
}

QTEST_APPLESS_MAIN(TestFlowDataFile)
#include "test_flow_data_file.moc"
