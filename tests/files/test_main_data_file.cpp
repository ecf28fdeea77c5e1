#include "calc/flow_test_sheet.h"
#include "compare/compare_state.h"
#include "files/main_data_file.h"
#include "files/record_lines.h"
#include "files_fixture.h"
#include "main/main_model.h"

#include <QDir>
#include <QTest>

#include <memory>

using namespace zyt;
using namespace zyt::test;
using M = Main_Model;
using S = Flow_Test_Sheet;

namespace {

const QString Vorn = QStringLiteral("VORN - Error Message");
const QString MainTitle = QStringLiteral("MAIN - Error Message");
const QString Filter =
    QStringLiteral("Text Files (*.txt)|*.txt|All Files (*.*)|*.*|Main Data Files (*.dta)|*.dta");
const Box notLoaded{QStringLiteral("MAIN Data File has Not been Loaded"), MsgButtons::Ok,
                    MsgIcon::Exclamation, std::nullopt};
const Box notSaved{QStringLiteral("MAIN Data File has NOT been Saved"), MsgButtons::Ok,
                   MsgIcon::Exclamation, std::nullopt};
const Box errorLoading{
    QStringLiteral(
        "Error Loading Main Data File --- If you have Not edited the file Please Contact us!"),
    MsgButtons::Ok, MsgIcon::Exclamation, std::nullopt};
const Box flowNotLoaded{QStringLiteral("Flow Data File has Not been Loaded"), MsgButtons::Ok,
                        MsgIcon::Exclamation, std::nullopt};

Box notHandledBox(const QString &line)
{
    return Box{QStringLiteral("Record not Handled -->") + line, MsgButtons::OkCancel, MsgIcon::None,
               MainTitle};
}

Box cannotApplyBox(int number, const QString &description, int count, const QString &line)
{
    return Box{QStringLiteral("Error Number %1 -- %2\r\n\r\nInvalid Input Record # - %3   Data --> "
                              "%4\r\n\r\nError Loading MAIN Data File --- If you have Not edited "
                              "the file Please Contact Customer Support!")
                   .arg(number)
                   .arg(description)
                   .arg(count)
                   .arg(line),
               MsgButtons::Ok, MsgIcon::Exclamation, Vorn};
}

QByteArray golden(const char *name)
{
    return FilesFixture::read(QStringLiteral(ZYT_TEST_DATA "/") + QString::fromLatin1(name));
}

// The program's windows and the handlers the main data file runs.
class MainFixture : public FilesFixture {
public:
    MainFixture()
    {
        for (auto &s : sheets)
            s = std::make_unique<S>();
        st.Check2_Click = [this] {
            events << QStringLiteral("metric %1").arg(main.cell(M::Check2));
        };
        st.Command51_Click = [this] { events << QStringLiteral("estimator"); };
    }

    Main_Data_Windows windows()
    {
        return Main_Data_Windows{
            main,
            {sheets[0].get(), sheets[1].get(), sheets[2].get(), sheets[3].get(), sheets[4].get()},
            form50,
            form60};
    }

    ReadEnd read(const QStringList &lines)
    {
        Main_Data_Windows w = windows();
        return Read_Main_Data_Lines(w, lines, st);
    }

    // What the file set, by the name of its record.
    QString state(const QString &what) const
    {
        if (what.startsWith(u"Text1_"))
            return main.cell(M::Text1, what.mid(6).toInt());
        if (what.startsWith(u"Text1") && what.contains(u'_')) {
            const qsizetype u = what.indexOf(u'_');
            return *main.text(what.left(u), what.mid(u + 1).toInt());
        }
        if (what.startsWith(u"Form50"))
            return *form50.text(what.mid(6), CellLayout::Single);
        if (what == u"Logo_On")
            return QString::number(st.Logo_On);
        if (what == u"Logo_File")
            return st.Logo_File;
        if (what == u"Picture2_Top")
            return QString::number(form60.Picture2_Top);
        if (what == u"Picture2_Left")
            return QString::number(form60.Picture2_Left);
        if (what == u"Picture2_Visible")
            return QString::number(int(form60.Picture2_Visible));
        if (what == u"Logo_Caption")
            return form60.Logo_Caption;
        if (what == u"Grid_On")
            return QString::number(st.Grid_On);
        if (what == u"Grid_Line_Color")
            return QString::number(st.Grid_Line_Color);
        if (what == u"Picture1_DrawStyle")
            return QString::number(form60.Picture1_DrawStyle);
        if (what == u"flags")
            return QStringLiteral("%1%2%3%4")
                .arg(st.Quarter_D_Line)
                .arg(st.Auto_X_Lines)
                .arg(st.Mark_Points)
                .arg(st.Calc_Low_Y);
        return *main.text(what, CellLayout::Single);
    }

    std::array<std::unique_ptr<S>, 5> sheets;
    Compare_Model form50;
    Graph_Window_State form60;
    QStringList events;
};

// Every stored value away from its start.
void setEverything(MainFixture &f)
{
    M &m = f.main;
    m.setCell(M::Check1, QStringLiteral("1"));
    m.setCell(M::Check2, QStringLiteral("1"));
    m.setCell(M::Check3, QStringLiteral("1"));
    for (int k = 0; k < 5; ++k)
        m.setCell(M::Text1, k, QStringLiteral("Test%1.dat").arg(k + 1));
    m.setCell(M::Option4, QStringLiteral("2"));
    m.setCell(M::Text94, QStringLiteral("Quarnel Airpath Studio"));
    m.setCell(M::Text95, QStringLiteral("12 Rue de l'\u00C9cole"));
    m.setCell(M::Text96, QStringLiteral("St. Louis, MO 63101"));
    m.setCell(M::Text97, QStringLiteral("555-0100, Fax 555-0101"));
    m.setCell(M::Text98, QStringLiteral("www.Example.com"));
    f.st.Logo_On = 1;
    f.st.Logo_File = f.write(QStringLiteral("logo.bmp"), "BM");
    f.form60.Picture2_Top = 12.5;
    f.form60.Picture2_Left = 300;
    f.st.Quarter_D_Line = 0;
    f.st.Auto_X_Lines = 1;
    f.st.Mark_Points = 1;
    f.st.Calc_Low_Y = 1;
    f.st.Grid_On = 0;
    f.st.Grid_Line_Color = 255;
    f.form60.Picture1_DrawStyle = 2;
    int n = 0;
    for (auto [a, i] : {std::pair{M::Text101, 3},
                        {M::Text101, 8},
                        {M::Text102, 9},
                        {M::Text103, 3},
                        {M::Text103, 8},
                        {M::Text104, 3},
                        {M::Text104, 9},
                        {M::Text105, 3},
                        {M::Text106, 9},
                        {M::Text109, 3},
                        {M::Text111, 3}})
        m.setCell(a, i, QStringLiteral("%1.5").arg(++n));
    m.setCell(M::Text38, QStringLiteral("Engine for the\r\n  spring race"));
}

} // namespace

class TestMainDataFile : public QObject {
    Q_OBJECT

private slots:
    void writesTheStartStateAsTheGoldenFile();
    void noLayoutOptionNoRecord();
    void autosaveRestoresEverything();
    void saveAndLoadThroughTheDialogs();
    void dialogCancelled();
    void cannotOpen_data();
    void cannotOpen();
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
    void accepts_data();
    void accepts();
    void notHandled_data();
    void notHandled();
    void cancelEndsTheLoad();
    void cannotApply_data();
    void cannotApply();
    void metricSwitchRunsOnChangeOnly_data();
    void metricSwitchRunsOnChangeOnly();
    void preloads();
    void preloadFailureGoesOn();
    void logo_data();
    void logo();
    void comments_data();
    void comments();
    void commaLocale();
    void emptyFile();
    void binaryFile();
    void autosaveMissingIsSilent_data();
    void autosaveMissingIsSilent();
};

void TestMainDataFile::writesTheStartStateAsTheGoldenFile()
{
    MainFixture f;
    const Main_Data_Windows w = f.windows();
    const RecordWriter records = Write_Main_Data_Records(w, f.st);
    QCOMPARE(records.Write_Count(), 37);
    QCOMPARE(records.bytes(), golden("main_start.dta"));
}

void TestMainDataFile::noLayoutOptionNoRecord()
{
    MainFixture f;
    f.main.setCell(M::Option4, QString());
    const Main_Data_Windows w = f.windows();
    const RecordWriter records = Write_Main_Data_Records(w, f.st);
    QCOMPARE(records.Write_Count(), 36);
    QVERIFY(!records.text().contains(u"Option4"));
}

void TestMainDataFile::autosaveRestoresEverything()
{
    MainFixture saver;
    setEverything(saver);
    for (int k = 0; k < 5; ++k)
        saver.write(QStringLiteral("Test%1.dat").arg(k + 1),
                    QStringLiteral("Text102_0 = Head %1\r\n").arg(k + 1).toLatin1());
    Main_Data_Windows w = saver.windows();
    QVERIFY(Save_Autosave_File(w, saver.st));
    QVERIFY(saver.platform.shown.isEmpty());
    QCOMPARE(saver.events, QStringList{"estimator"});
    const QString path = QDir(saver.folder()).filePath(QStringLiteral("zxqw1234.sav"));
    QCOMPARE(saver.st.File_Name, path);
    const QByteArray bytes = FilesFixture::read(path);
    QCOMPARE(bytes.count("\r\n"), 38); // 37 records, the comments on two lines
    QVERIFY(
        bytes.startsWith("Check1 = Yes\r\nCheck2 = Yes\r\nCheck3 = Yes\r\nFlow1 = Test1.dat\r\n"));
    QVERIFY(bytes.contains("\r\nComp_Street = 12 Rue de l'\xC9"
                           "cole\r\n"));
    QVERIFY(bytes.endsWith("\r\nComments = Engine for the\r\n  spring race\r\n"));

    MainFixture loader;
    loader.platform.setProgramFolder(saver.folder());
    Main_Data_Windows l = loader.windows();
    Load_Autosave_File(l, loader.st);
    QVERIFY2(loader.platform.shown.isEmpty(), qPrintable(loader.platform.texts().join(u'|')));
    // The units switch runs as its record is read, before the preloads;
    // the estimator runs last.
    QCOMPARE(loader.events, (QStringList{"metric 1", "estimator"}));
    for (int id = 0; id < M::mainLayout().cellCount(); ++id)
        QCOMPARE(loader.main.text(id), saver.main.text(id));
    for (int k = 0; k < 5; ++k)
        QCOMPARE(loader.sheets[size_t(k)]->cell(S::Text102, 0),
                 QStringLiteral("Head %1").arg(k + 1));
    for (const char *what : {"Logo_On", "Logo_File", "Picture2_Top", "Picture2_Left", "Grid_On",
                             "Grid_Line_Color", "Picture1_DrawStyle", "flags"})
        QCOMPARE(loader.state(QString::fromLatin1(what)), saver.state(QString::fromLatin1(what)));
    QCOMPARE(loader.state(QStringLiteral("Picture2_Visible")), QStringLiteral("1"));
    QCOMPARE(loader.form60.Logo_Caption, QStringLiteral("Logo -- Is ON"));
    QCOMPARE(loader.form50.cell(Compare_Model::Check1), QStringLiteral("0"));
    QCOMPARE(loader.form50.cell(Compare_Model::Check2), QStringLiteral("1"));
}

void TestMainDataFile::saveAndLoadThroughTheDialogs()
{
    MainFixture f;
    f.main.setCell(M::Text104, 3, QStringLiteral("4.03"));
    const QString path = f.path(QStringLiteral("engine.dta"));
    f.platform.choose(path);
    Main_Data_Windows w = f.windows();
    QVERIFY(Save_Main_Data_File(w, f.st));
    QCOMPARE(f.platform.dialogs.size(), 1);
    QCOMPARE(f.platform.dialogs[0].kind, FileDialogKind::Save);
    QCOMPARE(f.platform.dialogs[0].filter, Filter);
    QCOMPARE(f.platform.dialogs[0].filterIndex, 3);
    QCOMPARE(f.platform.dialogs[0].initialFolder, f.folder());
    QVERIFY(f.platform.shown.isEmpty()); // saving shows no count
    QCOMPARE(f.st.File_Name, path);

    MainFixture g;
    g.platform.choose(path);
    Main_Data_Windows l = g.windows();
    QVERIFY(Load_Main_Data_File(l, g.st));
    QCOMPARE(g.platform.dialogs[0].kind, FileDialogKind::Open);
    QCOMPARE(g.platform.dialogs[0].filter, Filter);
    QCOMPARE(g.platform.dialogs[0].filterIndex, 3);
    QVERIFY(g.platform.shown.isEmpty()); // loading shows no count
    QCOMPARE(g.main.cell(M::Text104, 3), QStringLiteral("4.03"));
    QCOMPARE(g.st.File_Name, path);
    QCOMPARE(g.events, QStringList{"estimator"});
}

void TestMainDataFile::dialogCancelled()
{
    MainFixture f;
    Main_Data_Windows w = f.windows();
    f.platform.cancelDialog();
    f.platform.answer(AnswerOk);
    QVERIFY(!Save_Main_Data_File(w, f.st));
    QCOMPARE_BOXES(f.platform.shown, {notSaved});
    QCOMPARE(f.st.File_Name, QString());
    QVERIFY(f.events.isEmpty());
    f.platform.clear();
    f.platform.cancelDialog();
    f.platform.answer(AnswerOk);
    QVERIFY(!Load_Main_Data_File(w, f.st));
    QCOMPARE_BOXES(f.platform.shown, {notLoaded});
    QVERIFY(f.events.isEmpty());
    QVERIFY(QDir(f.folder()).isEmpty());
}

void TestMainDataFile::cannotOpen_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("folder") << "folder";
    QTest::newRow("over 4 MiB") << "large";
}

void TestMainDataFile::cannotOpen()
{
    QFETCH(QString, kind);
    MainFixture f;
    f.st.File_Name = f.path(QStringLiteral("x.dta"));
    if (kind == u"folder")
        QVERIFY(QDir(f.folder()).mkdir(QStringLiteral("x.dta")));
    else if (kind == u"large")
        f.write(QStringLiteral("x.dta"), QByteArray(4 * 1024 * 1024 + 1, 'x'));
    f.platform.answer(AnswerOk);
    Main_Data_Windows w = f.windows();
    QVERIFY(!Load_Main_Data_File(w, f.st));
    QCOMPARE_BOXES(f.platform.shown, {notLoaded});
    QVERIFY(f.events.isEmpty());
    QCOMPARE(f.main.cell(M::Text38), QStringLiteral("C O M M E N T S"));
}

void TestMainDataFile::failedSaveKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder at the path") << "folder";
    QTest::newRow("parent is a file") << "parent";
}

void TestMainDataFile::failedSaveKeepsTheOldFile()
{
    QFETCH(QString, kind);
    MainFixture f;
    const QString old = f.write(QStringLiteral("zxqw1234.sav"), "Check1 = Yes\r\n");
    if (kind == u"folder") {
        // The autosave file is written at exit, whatever stands in its way.
        QVERIFY(QFile::remove(old));
        QVERIFY(QDir(f.folder()).mkpath(QStringLiteral("zxqw1234.sav/keep")));
        Main_Data_Windows w = f.windows();
        f.platform.answer(AnswerOk);
        QVERIFY(!Save_Autosave_File(w, f.st));
        QVERIFY(QFileInfo(f.path(QStringLiteral("zxqw1234.sav/keep"))).isDir());
    } else {
        f.st.File_Name = old + QStringLiteral("/inner.dta");
        Main_Data_Windows w = f.windows();
        f.platform.answer(AnswerOk);
        QVERIFY(!Save_Main_Data_File(w, f.st));
        QCOMPARE(FilesFixture::read(old), QByteArray("Check1 = Yes\r\n"));
    }
    QCOMPARE_BOXES(f.platform.shown, {notSaved});
}

void TestMainDataFile::accepts_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("value");

    auto row = [](const char *line, const char *what, const char *value) {
        QTest::newRow(line) << QString::fromUtf8(line) << QString::fromLatin1(what)
                            << QString::fromUtf8(value);
    };
    row("Text101_3 = 0.6", "Text101_3", "0.6");
    row("TEXT111_3 = 6", "Text111_3", "6");
    row("Text101_8 = 11", "Text101_8", "11");
    row("Text102_9 = 210", "Text102_9", "210");
    row("Text103_3 = 2.5", "Text103_3", "2.5");
    row("Text103_8 = 300", "Text103_8", "300");
    row("Text104_3 = 4.03", "Text104_3", "4.03");
    row("Text104_9 = 5.2", "Text104_9", "5.2");
    row("Text105_3 = 3.75", "Text105_3", "3.75");
    row("Text106_9 = 2.1", "Text106_9", "2.1");
    row("Text109_3 = 7500", "Text109_3", "7500");
    row("Text109_3 = ABC", "Text109_3", "abc");
    row("Text104_3= 4.5", "Text104_3", "4.5");
    row("Check1 = Yes", "Check1", "1");
    row("check1 = YES", "Check1", "1");
    row("Check3 = Yes", "Check3", "1");
    row("Check3 = yes ", "Check3", "0");
    row("Check3 = y", "Check3", "0");
    row("Check2 = No", "Check2", "0");
    row("Flow2 = Ported.dat", "Text1_1", "Ported.dat");
    row("Flow3 = abcd", "Text1_2", "No");
    row("Flow4 = ", "Text1_3", "No");
    row("Option4 = 0", "Option4", "0");
    row("Option4 = 2", "Option4", "2");
    row("Comp_Name = Quarnel Heads Ltd.", "Text94", "Quarnel Heads Ltd.");
    row("comp_street = 1 Main St", "Text95", "1 Main St");
    row("Comp_City = Springfield", "Text96", "Springfield");
    row("Comp_Phone = 555-0100", "Text97", "555-0100");
    row("Comp_Web = www.Example.com", "Text98", "www.Example.com");
    row("Comp_Name = ", "Text94", "");
    row("Logo_SW = 1", "Logo_On", "1");
    row("Logo_SW = 0", "Logo_On", "0");
    row("Logo_Name = c:\\logo.bmp", "Logo_File", ""); // only while the logo is on
    row("Logo_Top = 12.5", "Picture2_Top", "12.5");
    row("Logo_Top = 12,5", "Picture2_Top", "12.5");
    row("Logo_Left = -7", "Picture2_Left", "-7");
    row("Form50Check1 = No", "Form50Check1", "0");
    row("Form50Check1 = no", "flags", "0000");
    row("Form50Check2 = Yes", "Form50Check2", "1");
    row("Form50Check3 = Yes", "flags", "1010");
    row("Form50Check4 = YES", "flags", "1001");
    row("Grid_SW = 0", "Grid_On", "0");
    row("Grid_Color = 255", "Grid_Line_Color", "255");
    row("Grid_Color = -1", "Grid_Line_Color", "-1");
    row("Grid_DrawStyle = 2", "Picture1_DrawStyle", "2");
}

void TestMainDataFile::accepts()
{
    QFETCH(QString, line);
    QFETCH(QString, what);
    QFETCH(QString, value);
    MainFixture f;
    f.write(QStringLiteral("Ported.dat"), "Text102_0 = X\r\n");
    // A record after it shows the reading went on.
    const M::Array next = what == u"Text96" ? M::Text97 : M::Text96;
    const QString nextLine = next == M::Text96 ? QStringLiteral("Comp_City = After")
                                               : QStringLiteral("Comp_Phone = After");
    QCOMPARE(f.read({line, nextLine}), ReadEnd::Completed);
    QVERIFY2(f.platform.shown.isEmpty(), qPrintable(f.platform.texts().join(u'|')));
    QCOMPARE(f.state(what), value);
    QCOMPARE(f.main.cell(next), QStringLiteral("After"));
}

void TestMainDataFile::notHandled_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("estimator row not stored") << "Text101_4 = 1";
    QTest::newRow("estimator column not stored") << "Text107_3 = 1";
    QTest::newRow("index past the rows") << "Text101_99 = 1";
    QTest::newRow("negative index") << "Text104_-3 = 1";
    QTest::newRow("unknown key") << "Something = 1";
    QTest::newRow("blank line") << "";
    QTest::newRow("layout without blanks") << "Option4=2";
    QTest::newRow("check box without equals") << "Check1 Yes";
    QTest::newRow("company without equals") << "Comp_Name";
    QTest::newRow("a flow data record") << "Text207_16 = 5";
}

void TestMainDataFile::notHandled()
{
    QFETCH(QString, line);
    MainFixture f;
    f.platform.answer(AnswerOk);
    const QStringList before = [&] {
        QStringList all;
        for (int id = 0; id < M::mainLayout().cellCount(); ++id)
            all << f.main.text(id);
        return all;
    }();
    QCOMPARE(f.read({line, QStringLiteral("Comp_City = After")}), ReadEnd::Completed);
    QCOMPARE_BOXES(f.platform.shown, {notHandledBox(line)});
    QCOMPARE(f.main.cell(M::Text96), QStringLiteral("After"));
    for (int id = 0; id < M::mainLayout().cellCount(); ++id)
        if (id != f.main.layout().id(M::Text96, M::Single))
            QCOMPARE(f.main.text(id), before[id]);
}

void TestMainDataFile::cancelEndsTheLoad()
{
    MainFixture f;
    f.write(QStringLiteral("a.dta"), "Comp_Name = Before\r\nJunk\r\nComp_City = After\r\n"
                                     "Text104_3 = 4,5\r\n");
    f.st.File_Name = f.path(QStringLiteral("a.dta"));
    f.platform.answer(AnswerCancel);
    f.platform.answer(AnswerOk);
    Main_Data_Windows w = f.windows();
    QVERIFY(Load_Main_Data_File(w, f.st));
    QCOMPARE_BOXES(f.platform.shown, {notHandledBox(QStringLiteral("Junk")), errorLoading});
    QCOMPARE(f.main.cell(M::Text94), QStringLiteral("Before"));
    QCOMPARE(f.main.cell(M::Text96), QString());
    QVERIFY(f.events.isEmpty()); // no estimator run
}

void TestMainDataFile::cannotApply_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("description");

    auto row = [](const char *name, const char *line, int n, const char *d) {
        QTest::newRow(name) << QString::fromLatin1(line) << n << QString::fromLatin1(d);
    };
    row("index no number", "Text101_x = 1", 13, "Type mismatch");
    row("index missing", "Text101_ = 1", 13, "Type mismatch");
    row("indexed key without equals", "Text101_3", 5, "Invalid procedure call or argument");
    row("layout index 3", "Option4 = 3", 340, "Control array element does not exist");
    row("layout index negative", "Option4 = -1", 340, "Control array element does not exist");
    row("layout index no number", "Option4 = left", 13, "Type mismatch");
    row("logo switch no number", "Logo_SW = on", 13, "Type mismatch");
    row("logo switch too large", "Logo_SW = 99999", 6, "Overflow");
    row("logo top no number", "Logo_Top = top", 13, "Type mismatch");
    row("grid switch empty", "Grid_SW = ", 13, "Type mismatch");
    row("grid colour too large", "Grid_Color = 1e12", 6, "Overflow");
    row("grid style unknown", "Grid_DrawStyle = 7", 380, "Invalid property value");
}

void TestMainDataFile::cannotApply()
{
    QFETCH(QString, line);
    QFETCH(int, number);
    QFETCH(QString, description);
    // One bad record costs only itself: the records after it still load.
    MainFixture f;
    f.platform.answer(AnswerOk);
    QCOMPARE(f.read({QStringLiteral("Comp_Name = First"), line, QStringLiteral("Grid_SW = 0")}),
             ReadEnd::Completed);
    QCOMPARE_BOXES(f.platform.shown, {cannotApplyBox(number, description, 2, line)});
    QCOMPARE(f.main.cell(M::Text94), QStringLiteral("First"));
    QCOMPARE(f.st.Grid_On, 0);
    QCOMPARE(f.main.cell(M::Option4), QStringLiteral("1"));
    QCOMPARE(f.st.Logo_On, 0);
}

void TestMainDataFile::metricSwitchRunsOnChangeOnly_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("events");
    QTest::newRow("to metric") << "0"
                               << "Check2 = Yes" << QStringList{"metric 1"};
    QTest::newRow("to standard") << "1"
                                 << "Check2 = No" << QStringList{"metric 0"};
    QTest::newRow("already metric") << "1"
                                    << "Check2 = Yes" << QStringList{};
    QTest::newRow("already standard") << "0"
                                      << "Check2 = No" << QStringList{};
    QTest::newRow("other boxes") << "0"
                                 << "Check1 = Yes" << QStringList{};
}

void TestMainDataFile::metricSwitchRunsOnChangeOnly()
{
    QFETCH(QString, start);
    QFETCH(QString, line);
    QFETCH(QStringList, events);
    MainFixture f;
    f.main.setCell(M::Check2, start);
    QCOMPARE(f.read({line}), ReadEnd::Completed);
    QCOMPARE(f.events, events);
}

void TestMainDataFile::preloads()
{
    MainFixture f;
    f.write(QStringLiteral("Intake.DAT"), "Text102_0 = Exact\r\n");
    f.write(QStringLiteral("other.dat"), "Text102_0 = Case\r\n");
    f.sheets[0]->setCell(S::Text39, S::Single, QStringLiteral("kept"));
    const QStringList lines{QStringLiteral("Check2 = Yes"), QStringLiteral("Flow1 = Intake.DAT"),
                            QStringLiteral("Flow2 = OTHER.dat"), QStringLiteral("Flow5 = no")};
    f.st.Check2_Click = [&] {
        f.events << QStringLiteral("metric while sheet 1 holds ") +
                        f.sheets[0]->cell(S::Text102, 0);
    };
    QCOMPARE(f.read(lines), ReadEnd::Completed);
    QVERIFY(f.platform.shown.isEmpty());
    QCOMPARE(f.events, QStringList{"metric while sheet 1 holds E7TE"});
    QCOMPARE(f.main.cell(M::Text1, 0), QStringLiteral("Intake.DAT"));
    QCOMPARE(f.main.cell(M::Text1, 1), QStringLiteral("OTHER.dat"));
    QCOMPARE(f.main.cell(M::Text1, 4), QStringLiteral("No"));
    QCOMPARE(f.sheets[0]->cell(S::Text102, 0), QStringLiteral("Exact"));
    QCOMPARE(f.sheets[1]->cell(S::Text102, 0), QStringLiteral("Case"));
    QCOMPARE(f.sheets[4]->cell(S::Text102, 0), QStringLiteral("E7TE"));
    // Preloaded, the sheet is calculated and keeps its path line.
    QCOMPARE(f.sheets[0]->cell(S::Text102, 30), QStringLiteral("0.0"));
    QCOMPARE(f.sheets[0]->path(), QStringLiteral("kept"));
}

void TestMainDataFile::preloadFailureGoesOn()
{
    MainFixture f;
    f.platform.answer(AnswerOk);
    QCOMPARE(f.read({QStringLiteral("Flow3 = deleted.dat"), QStringLiteral("Comp_Name = Next")}),
             ReadEnd::Completed);
    QCOMPARE_BOXES(f.platform.shown, {flowNotLoaded});
    QCOMPARE(f.main.cell(M::Text1, 2), QStringLiteral("deleted.dat"));
    QCOMPARE(f.main.cell(M::Text94), QStringLiteral("Next"));
}

void TestMainDataFile::logo_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("picture"); // what the graph window's loader says
    QTest::addColumn<int>("error");    // 0 when the record applies

    QTest::newRow("picture") << "logo.bmp" << true << 0;
    QTest::newRow("no picture file") << "gone.bmp" << true << 53;
    QTest::newRow("not a picture") << "logo.bmp" << false << 481;
    QTest::newRow("short name") << "a.bmp" << true << 0;
}

void TestMainDataFile::logo()
{
    QFETCH(QString, name);
    QFETCH(bool, picture);
    QFETCH(int, error);
    MainFixture f;
    const QString path = f.write(QStringLiteral("logo.bmp"), "BM");
    QStringList asked;
    f.st.Load_Logo_Picture = [&](const QString &p) {
        asked << p;
        return picture;
    };
    const QString line = QStringLiteral("Logo_Name = ") + name;
    if (error != 0)
        f.platform.answer(AnswerOk);
    QCOMPARE(f.read({QStringLiteral("Logo_SW = 1"), line, QStringLiteral("Grid_SW = 0")}),
             ReadEnd::Completed);
    QCOMPARE(f.st.Logo_On, 1);
    QCOMPARE(f.st.Logo_File, name);
    QCOMPARE(f.st.Grid_On, 0);
    const bool shown = error == 0 && name.size() > 6;
    QCOMPARE(f.form60.Picture2_Visible, shown);
    QCOMPARE(f.form60.Logo_Caption,
             shown ? QStringLiteral("Logo -- Is ON") : QStringLiteral("Logo -- Is OFF"));
    if (error == 53) {
        QCOMPARE_BOXES(f.platform.shown,
                       {cannotApplyBox(53, QStringLiteral("File not found"), 2, line)});
        QVERIFY(asked.isEmpty());
    } else if (error == 481) {
        QCOMPARE_BOXES(f.platform.shown,
                       {cannotApplyBox(481, QStringLiteral("Invalid picture"), 2, line)});
    } else {
        QVERIFY(f.platform.shown.isEmpty());
        QCOMPARE(asked, name.size() > 6 ? QStringList{path} : QStringList{});
    }
}

void TestMainDataFile::comments_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("comments");
    QTest::newRow("one line") << QStringList{"Comments = Race engine"} << "Race engine";
    QTest::newRow("several lines") << QStringList{"Comments = a", "", "  c"} << "a\r\n\r\n  c";
    QTest::newRow("empty comments replace the old")
        << QStringList{"Comments = ", "next"} << "\r\nnext";
    QTest::newRow("only the key") << QStringList{"Comments ="} << "";
    QTest::newRow("records after it are text")
        << QStringList{"Comments = a", "Check2 = Yes", "Comments = b"}
        << "a\r\nCheck2 = Yes\r\nComments = b";
}

void TestMainDataFile::comments()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, comments);
    MainFixture f;
    QCOMPARE(f.read(lines), ReadEnd::Completed);
    QCOMPARE(f.main.cell(M::Text38), comments);
    QCOMPARE(f.main.cell(M::Check2), QStringLiteral("0"));
    QVERIFY(f.events.isEmpty());
}

void TestMainDataFile::commaLocale()
{
    MainFixture f;
    f.st.Set_Decimal_Separators(u',', u'.');
    f.write(QStringLiteral("point.dta"), "Flow1 = test.1.dat\r\nComp_City = St. Louis\r\n"
                                         "Text104_3 = 4.125\r\nText101_8 = 10,5\r\n"
                                         "Logo_Top = 7.25\r\nComments = v. 2\r\n");
    f.write(QStringLiteral("test.1.dat"), "Text102_3 = 2.05\r\n");
    f.st.File_Name = f.path(QStringLiteral("point.dta"));
    Main_Data_Windows w = f.windows();
    QVERIFY(Load_Main_Data_File(w, f.st));
    QVERIFY(f.platform.shown.isEmpty());
    // Numbers take the comma; names, addresses and comments stay as written.
    QCOMPARE(f.main.cell(M::Text104, 3), QStringLiteral("4,125"));
    QCOMPARE(f.main.cell(M::Text101, 8), QStringLiteral("10,5"));
    QCOMPARE(f.main.cell(M::Text1, 0), QStringLiteral("test.1.dat"));
    QCOMPARE(f.main.cell(M::Text96), QStringLiteral("St. Louis"));
    QCOMPARE(f.main.cell(M::Text38), QStringLiteral("v. 2"));
    QCOMPARE(f.form60.Picture2_Top, 7.25);
    QCOMPARE(f.sheets[0]->cell(S::Text102, 3), QStringLiteral("2,05"));

    f.st.File_Name = f.path(QStringLiteral("comma.dta"));
    QVERIFY(Save_Main_Data_File(w, f.st));
    const QByteArray bytes = FilesFixture::read(f.st.File_Name);
    QVERIFY(bytes.contains("\r\nText104_3 = 4,125\r\n"));
    QVERIFY(bytes.contains("\r\nLogo_Top = 7,25\r\n"));
    QVERIFY(bytes.contains("\r\nFlow1 = test.1.dat\r\n"));
}

void TestMainDataFile::emptyFile()
{
    MainFixture f;
    f.st.File_Name = f.write(QStringLiteral("empty.dta"), QByteArray());
    Main_Data_Windows w = f.windows();
    QVERIFY(Load_Main_Data_File(w, f.st));
    QVERIFY(f.platform.shown.isEmpty());
    QCOMPARE(f.events, QStringList{"estimator"});
    QCOMPARE(f.main.cell(M::Text38), QStringLiteral("C O M M E N T S"));
}

void TestMainDataFile::binaryFile()
{
    MainFixture f;
    QByteArray bytes("\x7F"
                     "ELF\x02\x01\x01",
                     7);
    bytes += QByteArray(3000, '\0');
    f.st.File_Name = f.write(QStringLiteral("program.dta"), bytes);
    f.platform.answer(AnswerCancel);
    f.platform.answer(AnswerOk);
    Main_Data_Windows w = f.windows();
    QVERIFY(Load_Main_Data_File(w, f.st));
    const QString shown = QString::fromUtf16(u"\u2421ELF\u2402\u2401\u2401") +
                          QString(193, QChar(0x2400)) + QStringLiteral("...");
    QCOMPARE_BOXES(f.platform.shown, {notHandledBox(shown), errorLoading});
    QVERIFY(f.events.isEmpty());
}

void TestMainDataFile::autosaveMissingIsSilent_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("no file") << "none";
    QTest::newRow("folder in its place") << "folder";
}

void TestMainDataFile::autosaveMissingIsSilent()
{
    QFETCH(QString, kind);
    MainFixture f;
    if (kind == u"folder")
        QVERIFY(QDir(f.folder()).mkdir(QStringLiteral("zxqw1234.sav")));
    Main_Data_Windows w = f.windows();
    Load_Autosave_File(w, f.st);
    QVERIFY(f.platform.shown.isEmpty());
    QVERIFY(f.events.isEmpty());
    QCOMPARE(f.st.File_Name, f.path(QStringLiteral("zxqw1234.sav")));
}

QTEST_APPLESS_MAIN(TestMainDataFile)
#include "test_main_data_file.moc"
