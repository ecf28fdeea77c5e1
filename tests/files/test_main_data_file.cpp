#include "files/main_data_file.h"
#include "files/record_lines.h"
#include "files/text_files.h"
#include "files_fixture.h"
#include "model/compare_model.h"
#include "model/flow_test_sheet.h"
#include "model/graph_window_state.h"
#include "model/main_model.h"
#include "test_hooks.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#include <memory>

using namespace zyt;
using namespace zyt::test;
using M = MainModel;
using S = Flow_Test_Sheet;

namespace {

const Box notLoaded = failureBox("MAIN Data File has Not been Loaded");
const Box notSaved = failureBox("MAIN Data File has NOT been Saved");
const Box errorLoading = failureBox(
    "Error Loading Main Data File --- If you have Not edited the file Please Contact us!");

Box notHandledBox(const QString &line)
{
    return Box{QStringLiteral("Record not Handled -->") + line, MsgButtons::OkCancel, MsgIcon::None,
               QStringLiteral("MAIN - Error Message")};
}

Box cannotApplyBox(int number, const char *description, int count, const QString &line)
{
    return Box{QStringLiteral("Error Number %1 -- %2\r\n\r\nInvalid Input Record # - %3   Data --> "
                              "%4\r\n\r\nThis Record has been Skipped --- If you have Not edited "
                              "the file Please Contact Customer Support!")
                   .arg(number)
                   .arg(QLatin1StringView(description))
                   .arg(count)
                   .arg(line),
               MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("VORN - Error Message")};
}

// The program's windows and the main window's hooks, which log their runs.
class MainFixture : public FilesFixture {
public:
    MainFixture()
    {
        for (auto &s : sheets)
            s = std::make_unique<S>();
        hooks.onCheck2 = [this] { events << QStringLiteral("metric ") + main.cell(M::Check2); };
        hooks.onCommand51 = [this] { events << QStringLiteral("estimator"); };
    }

    Models windows()
    {
        return {
            main,
            {sheets[0].get(), sheets[1].get(), sheets[2].get(), sheets[3].get(), sheets[4].get()},
            form50,
            form60};
    }

    ReadEnd read(const QStringList &lines)
    {
        Models w = windows();
        return readMainDataLines(w, lines, st, hooks);
    }

    // Everything the file keeps outside the main window's cells.
    QStringList settings() const
    {
        QString boxes;
        for (int k = 0; k < 4; ++k)
            boxes += form50.cell(CompareModel::Array(k));
        return {QStringLiteral("Logo_On=%1").arg(st.graph.Logo_On),
                QStringLiteral("Logo_File=") + st.graph.Logo_File,
                QStringLiteral("Top=%1").arg(form60.Picture2_Top),
                QStringLiteral("Left=%1").arg(form60.Picture2_Left),
                QStringLiteral("Visible=%1").arg(int(form60.Picture2_Visible)),
                QStringLiteral("Caption=") + form60.Logo_Caption,
                QStringLiteral("Grid_On=%1").arg(st.graph.Grid_On),
                QStringLiteral("Color=%1").arg(st.graph.Grid_Line_Color),
                QStringLiteral("Style=%1").arg(form60.Picture1_DrawStyle),
                QStringLiteral("Flags=%1%2%3%4")
                    .arg(st.graph.Quarter_D_Line)
                    .arg(st.graph.Auto_X_Lines)
                    .arg(st.graph.Mark_Points)
                    .arg(st.graph.Calc_Low_Y),
                QStringLiteral("Boxes=") + boxes};
    }

    QStringList cells() const
    {
        QStringList all;
        for (int id = 0; id < main.layout().cellCount(); ++id)
            all << main.text(id);
        return all;
    }

    std::array<std::unique_ptr<S>, 5> sheets;
    CompareModel form50;
    GraphWindowState form60;
    TestHooks hooks;
    QStringList events;
};

} // namespace

class TestMainDataFile : public QObject {
    Q_OBJECT

private slots:
    void writesTheStartStateAsTheGoldenFile();
    void rewrites_data();
    void rewrites();
    void autosaveRestoresEverything();
    void dialogs();
    void failures_data();
    void failures();
    void accepts_data();
    void accepts();
    void notHandled_data();
    void notHandled();
    void cancelEndsTheLoad();
    void cannotApply_data();
    void cannotApply();
    void thousandsOfBadRecords_data();
    void thousandsOfBadRecords();
    void metricSwitchRunsOnChangeOnly_data();
    void metricSwitchRunsOnChangeOnly();
    void preloads();
    void logo_data();
    void logo();
    void namesOutsideTheFolder_data();
    void namesOutsideTheFolder();
    void commaLocale();
};

void TestMainDataFile::writesTheStartStateAsTheGoldenFile()
{
    MainFixture f;
    const RecordWriter records = writeMainDataRecords(f.windows(), f.st.graph, f.st.numbers);
    QCOMPARE(records.Write_Count(), 37);
    QCOMPARE(records.bytes(), golden("dta/start.dta"));
    f.main.setCell(M::Option4, QString()); // no layout chosen: no record
    QCOMPARE(writeMainDataRecords(f.windows(), f.st.graph, f.st.numbers).Write_Count(), 36);
}

void TestMainDataFile::rewrites_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("the start state") << "dta/start.dta"
                                     << "dta/start.dta";
    QTest::newRow("every field") << "dta/every-field.dta"
                                 << "dta/every-field.dta";
    QTest::newRow("keys in any case and order, LF ends, a comma") << "dta/loose.dta"
                                                                  << "dta/loose-written.dta";
}

void TestMainDataFile::rewrites()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    // Read and written again, a file comes out as the program writes it.
    MainFixture f;
    for (const char *name : {"Ported.dat", "intake.dat", "logo.bmp"})
        f.write(QString::fromLatin1(name), {});
    QCOMPARE(f.read(splitLines(decodeFileText(golden(qPrintable(input))))), ReadEnd::Completed);
    QVERIFY(f.platform.shown.isEmpty());
    QCOMPARE(writeMainDataRecords(f.windows(), f.st.graph, f.st.numbers).bytes(),
             golden(qPrintable(expected)));
}

void TestMainDataFile::autosaveRestoresEverything()
{
    MainFixture a;
    a.main.setCell(M::Check1, QStringLiteral("1"));
    a.main.setCell(M::Check2, QStringLiteral("1"));
    a.main.setCell(M::Check3, QStringLiteral("1"));
    for (int k = 0; k < 5; ++k) {
        const QString name = QStringLiteral("Test%1.dat").arg(k + 1);
        a.main.setCell(M::Text1, k, name);
        a.write(name, QStringLiteral("Text102_0 = Head %1\r\n").arg(k + 1).toLatin1());
    }
    a.main.setCell(M::Option4, QStringLiteral("2"));
    const M::Array company[] = {M::Text94, M::Text95, M::Text96, M::Text97, M::Text98};
    for (int k = 0; k < 5; ++k)
        a.main.setCell(company[k], QStringLiteral("Company \u00C9 field %1").arg(k));
    int n = 0;
    for (auto [c, i] : {std::pair{M::Text101, 3},
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
        a.main.setCell(c, i, QStringLiteral("%1.5").arg(++n));
    a.main.setCell(M::Text38, QStringLiteral("Engine for the\r\n  spring race"));
    a.st.graph.Logo_On = 1;
    a.write(QStringLiteral("logo.bmp"), "BM");
    a.st.graph.Logo_File = QStringLiteral("logo.bmp");
    a.form60.Picture1_DrawStyle = 2;
    a.form60.Picture2_Top = 12.5;
    a.form60.Picture2_Left = 300;
    a.form60.Picture2_Visible = true;
    a.form60.Logo_Caption = QStringLiteral("Logo -- Is ON");
    a.st.graph.Quarter_D_Line = 0;
    a.st.graph.Auto_X_Lines = a.st.graph.Mark_Points = a.st.graph.Calc_Low_Y = 1;
    a.form50.setCell(CompareModel::Check1, QStringLiteral("0"));
    for (auto box : {CompareModel::Check2, CompareModel::Check3, CompareModel::Check4})
        a.form50.setCell(box, QStringLiteral("1"));
    a.st.graph.Grid_On = 0;
    a.st.graph.Grid_Line_Color = 255;

    Models w = a.windows();
    QVERIFY(saveAutosaveFile(w, a.st, a.hooks));
    QVERIFY(a.platform.shown.isEmpty());
    QCOMPARE(a.events, QStringList{"estimator"});
    QCOMPARE(a.st.files.File_Name, a.path(QStringLiteral("zxqw1234.sav")));
    const QByteArray bytes = FilesFixture::read(a.st.files.File_Name);
    QCOMPARE(bytes.count("\r\n"), 38); // 37 records, the comments on two lines
    QVERIFY(bytes.startsWith("Check1 = Yes\r\nCheck2 = Yes\r\nCheck3 = Yes\r\nFlow1 = Test1.dat"));

    MainFixture b;
    b.platform.setProgramFolder(a.folder());
    Models l = b.windows();
    Load_Autosave_File(l, b.st, b.hooks);
    QVERIFY(b.platform.shown.isEmpty());
    // The units switch ran as its record was read; the estimator runs last.
    QCOMPARE(b.events, (QStringList{"metric 1", "estimator"}));
    QCOMPARE(b.cells(), a.cells());
    QCOMPARE(b.settings(), a.settings());
    for (int k = 0; k < 5; ++k)
        QCOMPARE(b.sheets[size_t(k)]->cell(S::Text102, 0), QStringLiteral("Head %1").arg(k + 1));
}

void TestMainDataFile::dialogs()
{
    MainFixture f;
    const QString path = f.path(QStringLiteral("engine.dta"));
    f.platform.choose(path);
    f.platform.choose(path);
    Models w = f.windows();
    QVERIFY(Save_Main_Data_File(w, f.st, f.hooks));
    f.st.files.File_Name.clear();
    QVERIFY(Load_Main_Data_File(w, f.st, f.hooks));
    QVERIFY(f.platform.shown.isEmpty()); // neither shows a count
    const QString filter = QStringLiteral(
        "Text Files (*.txt)|*.txt|All Files (*.*)|*.*|Main Data Files (*.dta)|*.dta");
    for (int k = 0; k < 2; ++k) {
        const FileDialogRequest &d = f.platform.dialogs.value(k);
        QCOMPARE(d.kind, k == 0 ? FileDialogKind::Save : FileDialogKind::Open);
        QCOMPARE(d.filter, filter);
        QCOMPARE(d.filterIndex, 3);
        QCOMPARE(d.initialFolder, f.folder());
    }
    QCOMPARE(f.st.files.File_Name, path);
    QCOMPARE(f.events, (QStringList{"estimator", "estimator"}));
}

void TestMainDataFile::failures_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("save");
    QTest::newRow("load cancelled") << "cancel" << false;
    QTest::newRow("load missing") << "missing" << false;
    QTest::newRow("save cancelled") << "cancel" << true;
    QTest::newRow("save below a file") << "parent" << true;
}

void TestMainDataFile::failures()
{
    QFETCH(QString, kind);
    QFETCH(bool, save);
    MainFixture f;
    const QString old = f.write(QStringLiteral("old.dta"), "Check1 = Yes\r\n");
    const QString path = f.path(QStringLiteral("x.dta"));
    if (kind == u"cancel")
        f.platform.cancelDialog();
    else
        f.st.files.File_Name = kind == u"parent" ? old + QStringLiteral("/x.dta") : path;
    f.platform.answer(AnswerOk);
    const QStringList before = f.cells();
    Models w = f.windows();
    QVERIFY(
        !(save ? Save_Main_Data_File(w, f.st, f.hooks) : Load_Main_Data_File(w, f.st, f.hooks)));
    QCOMPARE_BOXES(f.platform.shown, {save ? notSaved : notLoaded});
    QCOMPARE(f.cells(), before);
    QCOMPARE(FilesFixture::read(old), QByteArray("Check1 = Yes\r\n"));
    // The estimator runs before a write is tried, never after a failed load.
    QCOMPARE(f.events, save && kind != u"cancel" ? QStringList{"estimator"} : QStringList{});
}

void TestMainDataFile::accepts_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("array"); // -1: settings outside the main window
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("value"); // or the settings changed, "name=value" apart by "|"

    auto cell = [](const char *line, M::Array a, int i, const char *value) {
        QTest::newRow(line) << QString::fromUtf8(line) << int(a) << i << QString::fromUtf8(value);
    };
    auto settings = [](const char *line, const char *changed) {
        QTest::newRow(line) << QString::fromUtf8(line) << -1 << 0 << QString::fromUtf8(changed);
    };
    cell("Text101_3 = 0.6", M::Text101, 3, "0.6");
    cell("TEXT111_3 = 6", M::Text111, 3, "6");
    cell("Text104_9 = 5.2", M::Text104, 9, "5.2");
    cell("Text109_3 = ABC", M::Text109, 3, "abc");
    cell("Text104_3= 4.5", M::Text104, 3, "4.5");
    cell("check1 = YES", M::Check1, M::Single, "1");
    cell("Check3 = yes ", M::Check3, M::Single, "0");
    cell("Check1 = No", M::Check1, M::Single, "0");
    cell("Flow2 = Ported.DAT", M::Text1, 1, "Ported.DAT");
    cell("Flow3 = abcd", M::Text1, 2, "No");
    cell("Option4 = 2", M::Option4, M::Single, "2");
    cell("comp_name = Quarnel Heads Ltd.", M::Text94, M::Single, "Quarnel Heads Ltd.");
    cell("Comp_Web = www.Example.com", M::Text98, M::Single, "www.Example.com");
    cell("Comp_Street = ", M::Text95, M::Single, "");
    settings("Logo_SW = 1", "Logo_On=1");
    settings("Logo_Name = c:\\logo.bmp", ""); // only while the logo is on
    settings("Logo_Top = 12,5", "Top=12.5");
    settings("Logo_Left = -7.25", "Left=-7.25");
    settings("Form50Check1 = no", "Flags=0000|Boxes=0000");
    settings("Form50Check3 = Yes", "Flags=1010|Boxes=1010");
    settings("Grid_SW = 0", "Grid_On=0");
    settings("Grid_Color = 255", "Color=255");
    settings("Grid_DrawStyle = 2", "Style=2");
}

void TestMainDataFile::accepts()
{
    QFETCH(QString, line);
    QFETCH(int, array);
    QFETCH(int, index);
    QFETCH(QString, value);
    MainFixture f;
    f.write(QStringLiteral("Ported.DAT"), "Text102_0 = X\r\n");
    // A record after it shows the reading goes on.
    QCOMPARE(f.read({line, QStringLiteral("Comments = after")}), ReadEnd::Completed);
    QVERIFY(f.platform.shown.isEmpty());
    if (array >= 0) {
        QCOMPARE(f.main.cell(M::Array(array), index), value);
    } else {
        QStringList expected = MainFixture().settings();
        for (const QString &change : value.split(u'|', Qt::SkipEmptyParts))
            for (QString &item : expected)
                if (item.section(u'=', 0, 0) == change.section(u'=', 0, 0))
                    item = change;
        QCOMPARE(f.settings(), expected);
    }
    QCOMPARE(f.main.cell(M::Text38), QStringLiteral("after"));
}

void TestMainDataFile::notHandled_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("estimator row not kept") << "Text101_4 = 1";
    QTest::newRow("estimator column not kept") << "Text107_3 = 1";
    QTest::newRow("unknown key") << "Something = 1";
    QTest::newRow("blank line") << "";
    QTest::newRow("layout without blanks") << "Option4=2";
    QTest::newRow("check box without equals") << "Check1 Yes";
}

void TestMainDataFile::notHandled()
{
    QFETCH(QString, line);
    MainFixture f;
    f.platform.answer(AnswerOk);
    const QStringList before = f.cells();
    QCOMPARE(f.read({line}), ReadEnd::Completed);
    QCOMPARE_BOXES(f.platform.shown, {notHandledBox(line)});
    QCOMPARE(f.cells(), before);
}

void TestMainDataFile::cancelEndsTheLoad()
{
    MainFixture f;
    f.st.files.File_Name =
        f.write(QStringLiteral("a.dta"), "Comp_Name = Before\r\nJunk\r\n"
                                         "Comp_City = After\r\nText104_3 = 4,5\r\n");
    f.platform.answer(AnswerCancel);
    f.platform.answer(AnswerOk);
    Models w = f.windows();
    QVERIFY(Load_Main_Data_File(w, f.st, f.hooks));
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

    auto row = [](const char *line, int n, const char *d) {
        QTest::newRow(line) << QString::fromLatin1(line) << n << QString::fromLatin1(d);
    };
    row("Text101_x = 1", 13, "Type mismatch");
    row("Text101_3", 5, "Invalid procedure call or argument");
    row("Option4 = 3", 340, "Control array element does not exist");
    row("Option4 = left", 13, "Type mismatch");
    row("Logo_SW = 99999", 6, "Overflow");
    row("Logo_Top = top", 13, "Type mismatch");
    row("Grid_Color = 1e12", 6, "Overflow");
    row("Grid_DrawStyle = 7", 380, "Invalid property value");
}

void TestMainDataFile::cannotApply()
{
    QFETCH(QString, line);
    QFETCH(int, number);
    QFETCH(QString, description);
    // One bad record costs only itself: the records after it still load.
    MainFixture f;
    f.platform.answer(AnswerOk);
    const QStringList start = f.settings();
    QCOMPARE(f.read({QStringLiteral("Comp_Name = First"), line, QStringLiteral("Comments = x")}),
             ReadEnd::Completed);
    QCOMPARE_BOXES(f.platform.shown,
                   {cannotApplyBox(number, description.toLatin1().constData(), 2, line)});
    QCOMPARE(f.main.cell(M::Text94), QStringLiteral("First"));
    QCOMPARE(f.main.cell(M::Text38), QStringLiteral("x"));
    QCOMPARE(f.main.cell(M::Option4), QStringLiteral("1"));
    QCOMPARE(f.settings(), start);
}

void TestMainDataFile::thousandsOfBadRecords_data()
{
    QTest::addColumn<QString>("bad"); // %1 is above the choices 0 to 2
    QTest::addColumn<bool>("known");  // a known key that cannot be applied
    QTest::newRow("records not handled") << "Junk %1" << false;
    QTest::newRow("records that cannot be applied") << "Option4 = %1" << true;
}

void TestMainDataFile::thousandsOfBadRecords()
{
    QFETCH(QString, bad);
    QFETCH(bool, known);
    // The first ten bad records' boxes, then one box for the other 9,990:
    // not a box each before the main window shows, at every start.
    MainFixture f;
    QStringList lines{QStringLiteral("Comp_Name = Before")};
    for (int k = 2; k < 10002; ++k)
        lines << bad.arg(k + 10);
    lines << QStringLiteral("Comp_City = After") << QStringLiteral("Comments = kept");
    f.platform.answer(AnswerOk, 11);
    QCOMPARE(f.read(lines), ReadEnd::Completed);
    QList<Box> boxes;
    for (int k = 2; k < 12; ++k)
        boxes << (known ? cannotApplyBox(340, "Control array element does not exist", k,
                                         bad.arg(k + 10))
                        : notHandledBox(bad.arg(k + 10)));
    boxes << Box{QStringLiteral("9,990 more Bad Records were Skipped without a Message."),
                 MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("MAIN - Error Message")};
    QCOMPARE_BOXES(f.platform.shown, boxes);
    QCOMPARE(f.main.cell(M::Text94), QStringLiteral("Before"));
    QCOMPARE(f.main.cell(M::Text96), QStringLiteral("After"));
    QCOMPARE(f.main.cell(M::Text38), QStringLiteral("kept"));
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
    QTest::newRow("other box") << "0"
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
    f.hooks.onCheck2 = [&] { f.events << f.sheets[0]->cell(S::Text102, 0); };
    f.platform.answer(AnswerOk);
    QCOMPARE(f.read({QStringLiteral("Check2 = Yes"), QStringLiteral("Flow1 = Intake.DAT"),
                     QStringLiteral("Flow2 = OTHER.dat"), QStringLiteral("Flow3 = deleted.dat"),
                     QStringLiteral("Flow5 = no")}),
             ReadEnd::Completed);
    QCOMPARE_BOXES(f.platform.shown, {failureBox("Flow Data File has Not been Loaded")});
    QCOMPARE(f.events, QStringList{"E7TE"}); // the switch ran before the preloads
    const char *names[] = {"Intake.DAT", "OTHER.dat", "deleted.dat", "No", "No"};
    const char *parts[] = {"Exact", "Case", "E7TE", "E7TE", "E7TE"};
    for (int k = 0; k < 5; ++k) {
        QCOMPARE(f.main.cell(M::Text1, k), QString::fromLatin1(names[k]));
        QCOMPARE(f.sheets[size_t(k)]->cell(S::Text102, 0), QString::fromLatin1(parts[k]));
    }
    // Preloaded, a sheet is calculated and keeps its path line.
    QCOMPARE(f.sheets[0]->cell(S::Text102, 30), QStringLiteral("0.0"));
    QCOMPARE(f.sheets[0]->path(), QStringLiteral("kept"));
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
    f.hooks.onLoadLogo = [&](const QString &p) {
        asked << p;
        return picture;
    };
    const QString line = QStringLiteral("Logo_Name = ") + name;
    if (error != 0)
        f.platform.answer(AnswerOk);
    QCOMPARE(f.read({QStringLiteral("Logo_SW = 1"), line, QStringLiteral("Grid_SW = 0")}),
             ReadEnd::Completed);
    QCOMPARE(f.st.graph.Logo_File, name);
    QCOMPARE(f.st.graph.Grid_On, 0);
    const bool shown = error == 0 && name.size() > 6;
    QCOMPARE(f.form60.Picture2_Visible, shown);
    QCOMPARE(f.form60.Logo_Caption == u"Logo -- Is ON", shown);
    QCOMPARE(asked, name.size() > 6 && error != 53 ? QStringList{path} : QStringList{});
    if (error == 53)
        QCOMPARE_BOXES(f.platform.shown, {cannotApplyBox(53, "File not found", 2, line)});
    else if (error == 481)
        QCOMPARE_BOXES(f.platform.shown, {cannotApplyBox(481, "Invalid picture", 2, line)});
    else
        QVERIFY(f.platform.shown.isEmpty());
}

void TestMainDataFile::namesOutsideTheFolder_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("absolute") << "/etc/passwd";
    QTest::newRow("up and out") << "../../../../etc/passwd";
    QTest::newRow("the process's environment") << "/proc/self/environ";
    QTest::newRow("a drive") << "C:\\secret.dat";
    QTest::newRow("a resource") << ":/secret.dat";
    QTest::newRow("a link leading out") << "out.dat";
    QTest::newRow("through a linked folder") << "linked/secret.dat";
}

void TestMainDataFile::namesOutsideTheFolder()
{
    QFETCH(QString, name);
    // Neither read, nor shown, nor written back by the next save.
    MainFixture f;
    QTemporaryDir outside;
    const QString secret = outside.filePath(QStringLiteral("secret.dat"));
    QFile file(secret);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("Text102_0 = Secret\r\n") > 0);
    file.close();
    QVERIFY(QFile::link(secret, f.path(QStringLiteral("out.dat"))));
    QVERIFY(QFile::link(outside.path(), f.path(QStringLiteral("linked"))));
    QStringList asked;
    f.hooks.onLoadLogo = [&](const QString &p) {
        asked << p;
        return true;
    };
    const QString logoLine = QStringLiteral("Logo_Name = ") + name;
    f.platform.answer(AnswerOk, 2);
    QCOMPARE(f.read({QStringLiteral("Logo_SW = 1"), QStringLiteral("Flow1 = ") + name, logoLine,
                     QStringLiteral("Comments = after")}),
             ReadEnd::Completed);
    QCOMPARE_BOXES(f.platform.shown, {failureBox("Flow Data File has Not been Loaded"),
                                      cannotApplyBox(75, "Path/File access error", 3, logoLine)});
    QCOMPARE(f.main.cell(M::Text1, 0), QStringLiteral("No"));
    QCOMPARE(f.sheets[0]->cell(S::Text102, 0), S().cell(S::Text102, 0));
    QCOMPARE(f.st.graph.Logo_File, QString());
    QVERIFY(asked.isEmpty());
    QCOMPARE(f.main.cell(M::Text38), QStringLiteral("after"));
    const QString written = writeMainDataRecords(f.windows(), f.st.graph, f.st.numbers).text();
    QVERIFY(!written.contains(name));
}

void TestMainDataFile::commaLocale()
{
    MainFixture f;
    f.st.numbers.setLocaleSeparators(u',', u'.');
    f.write(QStringLiteral("test.1.dat"), "Text102_3 = 2.05\r\n");
    f.st.files.File_Name = f.write(QStringLiteral("point.dta"),
                                   "Flow1 = test.1.dat\r\nComp_City = St. Louis\r\n"
                                   "Text104_3 = 4.125\r\nText101_8 = 10,5\r\nLogo_Top = 7.25\r\n"
                                   "Comments = \r\nv. 2\r\n");
    Models w = f.windows();
    const int box = f.main.layout().id(M::Text38, M::Single);
    QSignalSpy changes(&f.main, &CellModel::cellChanged);
    QVERIFY(Load_Main_Data_File(w, f.st, f.hooks));
    // The comments box is set once, whole, not line by line.
    QCOMPARE(std::count_if(changes.cbegin(), changes.cend(),
                           [&](const QList<QVariant> &c) { return c[0] == box; }),
             1);
    QVERIFY(f.platform.shown.isEmpty());
    // Numbers take the comma; names, addresses and comments stay as written.
    QCOMPARE(f.main.cell(M::Text104, 3), QStringLiteral("4,125"));
    QCOMPARE(f.main.cell(M::Text101, 8), QStringLiteral("10,5"));
    QCOMPARE(f.main.cell(M::Text1, 0), QStringLiteral("test.1.dat"));
    QCOMPARE(f.main.cell(M::Text96), QStringLiteral("St. Louis"));
    QCOMPARE(f.main.cell(M::Text38), QStringLiteral("\r\nv. 2")); // the old comments are gone
    QCOMPARE(f.sheets[0]->cell(S::Text102, 3), QStringLiteral("2,05"));

    f.st.files.File_Name = f.path(QStringLiteral("comma.dta"));
    QVERIFY(Save_Main_Data_File(w, f.st, f.hooks));
    const QByteArray bytes = FilesFixture::read(f.st.files.File_Name);
    QVERIFY(bytes.contains("\r\nText104_3 = 4,125\r\n"));
    QVERIFY(bytes.contains("\r\nLogo_Top = 7,25\r\n"));
    QVERIFY(bytes.contains("\r\nFlow1 = test.1.dat\r\n"));
}

QTEST_APPLESS_MAIN(TestMainDataFile)
#include "test_main_data_file.moc"
