#include "files/record_lines.h"
#include "main/fonts_alignment.h"
#include "main/graph_options.h"
#include "main/gui_file.h"
#include "settings_fixture.h"

#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace zyt;
using namespace zyt::test;
using M = Main_Model;
using S = Flow_Test_Sheet;
using F = SettingsFixture;

namespace {

enum Command { AllFont, EntryFont, AllFont_Flow, EntryFont_Flow };

void run(Command command, Settings_Windows &w, AppState &st)
{
    switch (command) {
    case AllFont:
        return AllFont_Click(w, st);
    case EntryFont:
        return EntryFont_Click(w, st);
    case AllFont_Flow:
        return AllFont_Flow_Click(w, st);
    case EntryFont_Flow:
        return EntryFont_Flow_Click(w, st);
    }
}

const FontChoice Courier{QStringLiteral("Courier New"), 8.25, true, false};

const CellLook &look(const CellModel &window, const char *array, int index)
{
    return window.look(window.find(QString::fromLatin1(array), index));
}

void setAlignment(CellModel &window, int id, int alignment)
{
    CellLook l = window.look(id);
    l.alignment = alignment;
    window.setLook(id, l);
}

QString invalid(int count, const QString &line)
{
    return F::box(QStringLiteral("Invalid Input Record # - %1   Data --> %2").arg(count).arg(line),
                  MsgButtons::OkCancel);
}

const QString ErrorReading = F::warning(
    QStringLiteral("Error Reading Parameter File --- If you have Not edited it, email US"));
const QString NotRead = F::warning(QStringLiteral("Parameter File has Not been Read"));
const QString NotSaved = F::warning(QStringLiteral("GUI File has NOT been Saved"));
const QString Filter =
    QStringLiteral("Text Files (*.txt)|*.txt|All Files (*.*)|*.*|GUI Files (*.gui)|*.gui");

QString count(int n, const char *what)
{
    return F::box(QString::number(n) + QLatin1StringView(what));
}

} // namespace

class TestGuiSettings : public QObject {
    Q_OBJECT

private slots:
    void fontCommands_data();
    void fontCommands();
    void cancelledFontDialogChangesNothing_data();
    void cancelledFontDialogChangesNothing();
    void alignment_data();
    void alignment();
    void rightAlignmentGivesFixedDecimals_data();
    void rightAlignmentGivesFixedDecimals();
    void writesNineteenRecords();
    void roundTrip();
    void reader_data();
    void reader();
    void notRead_data();
    void notRead();
    void writeFailures_data();
    void writeFailures();
};

void TestGuiSettings::fontCommands_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<bool>("mainAll");   // a locked box of the main window
    QTest::addColumn<bool>("mainEntry"); // its entry boxes, one unlocked just now
    QTest::addColumn<bool>("flowAll");
    QTest::addColumn<bool>("flowEntry");

    QTest::newRow("all, main") << int(AllFont) << true << true << false << false;
    QTest::newRow("entry, main") << int(EntryFont) << false << true << false << false;
    QTest::newRow("all, flow") << int(AllFont_Flow) << false << false << true << true;
    QTest::newRow("entry, flow") << int(EntryFont_Flow) << false << false << false << true;
}

void TestGuiSettings::fontCommands()
{
    QFETCH(int, command);
    QFETCH(bool, mainAll);
    QFETCH(bool, mainEntry);
    QFETCH(bool, flowAll);
    QFETCH(bool, flowEntry);

    F f;
    // The estimator unlocks a computed cell when the user takes it over.
    const int switched = f.main.find(u"Text102", 3);
    CellLook open = f.main.look(switched);
    open.readOnly = false;
    f.main.setLook(switched, open);
    const CellLook checkBox = look(f.main, "Check2", M::Single);
    const CellLook caption = look(*f.compare, "Text71", M::Single);

    f.platform.chooseFont(Courier);
    run(Command(command), *f.windows, f.st);

    QVERIFY(f.platform.shown.isEmpty());
    QCOMPARE(f.st.Font_Cancelled, 0);
    QCOMPARE(f.st.Font_Size, QStringLiteral("8.25"));
    auto took = [](const CellLook &l) {
        return l.fontName == u"Courier New" && l.fontSize == 8.25 && l.fontBold && !l.fontItalic;
    };
    QCOMPARE(took(look(f.main, "Text101", 7)), mainAll);
    QCOMPARE(took(look(f.main, "Text102", 3)), mainEntry);
    QCOMPARE(took(look(f.main, "Text38", M::Single)), mainEntry);
    for (const auto &sheet : f.sheets) {
        QCOMPARE(took(look(*sheet, "Text101", 1)), flowAll);
        QCOMPARE(took(look(*sheet, "Text39", S::Single)), flowAll);
        QCOMPARE(took(look(*sheet, "Text102", 1)), flowEntry);
        QCOMPARE(took(look(*sheet, "Text38", S::Single)), flowEntry);
    }
    QCOMPARE(took(look(*f.compare, "Text1", M::Single)), flowEntry);
    QCOMPARE(look(*f.compare, "Text71", M::Single), caption);
    QCOMPARE(look(f.main, "Check2", M::Single), checkBox);
}

void TestGuiSettings::cancelledFontDialogChangesNothing_data()
{
    QTest::addColumn<int>("command");
    for (int c : {AllFont, EntryFont, AllFont_Flow, EntryFont_Flow})
        QTest::addRow("command %d", c) << c;
}

void TestGuiSettings::cancelledFontDialogChangesNothing()
{
    QFETCH(int, command);
    F f;
    f.platform.chooseFont(Courier);
    AllFont_Click(*f.windows, f.st);
    const QList<CellLook> main = F::looks(f.main);
    const QList<CellLook> sheet = F::looks(*f.sheets[4]);

    f.platform.cancelFontDialog();
    f.platform.answer(AnswerOk);
    run(Command(command), *f.windows, f.st);

    QCOMPARE(f.boxes(), QStringList{F::warning(QStringLiteral("No Font Selected"))});
    QCOMPARE(f.st.Font_Cancelled, 1);
    QCOMPARE(f.st.Font_Name, QStringLiteral("Courier New"));
    QCOMPARE(F::looks(f.main), main);
    QCOMPARE(F::looks(*f.sheets[4]), sheet);
}

void TestGuiSettings::alignment_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<bool>("recalculated");
    QTest::newRow("left") << 0 << false;
    QTest::newRow("centre") << 2 << false;
    QTest::newRow("right") << 1 << true;
}

void TestGuiSettings::alignment()
{
    QFETCH(int, alignment);
    QFETCH(bool, recalculated);
    F f;
    f.st.Box_Alignment = 1 - alignment; // anything else
    const int comments = look(f.main, "Text38", M::Single).alignment;
    const int caption = look(*f.compare, "Text71", M::Single).alignment;
    for (const auto &sheet : f.sheets) // a look no command gives
        setAlignment(*sheet, sheet->find(u"Text38", S::Single), 5);

    if (alignment == 0)
        AligLeft_Click(*f.windows, f.st);
    else if (alignment == 2)
        AligCenter_Click(*f.windows, f.st);
    else
        AligRight_Click(*f.windows, f.st);

    QVERIFY(f.platform.shown.isEmpty());
    QCOMPARE(f.st.Box_Alignment, alignment);
    QCOMPARE(look(f.main, "Text101", 3).alignment, alignment);
    QCOMPARE(look(f.main, "Text94", M::Single).alignment, alignment);
    QCOMPARE(look(f.main, "Text38", M::Single).alignment, comments);
    QCOMPARE(look(*f.compare, "Text1", M::Single).alignment, alignment);
    QCOMPARE(look(*f.compare, "Text71", M::Single).alignment, caption);
    QCOMPARE(look(*f.compare, "Text72", M::Single).alignment, caption);
    for (const auto &sheet : f.sheets) {
        QCOMPARE(look(*sheet, "Text102", 17).alignment, alignment);
        QCOMPARE(look(*sheet, "Text38", S::Single).alignment, 5);
        QCOMPARE(sheet->cell(S::Text115, 7).isEmpty(), !recalculated);
    }
}

void TestGuiSettings::rightAlignmentGivesFixedDecimals_data()
{
    QTest::addColumn<int>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::newRow("throat/valve ratio") << int(S::Text115) << 7 << "0.8000";
    QTest::newRow("valve/bore ratio") << int(S::Text113) << 8 << "0.5050";
    QTest::newRow("0.25D lift") << int(S::Text102) << 9 << "505.00";
    QTest::newRow("correction") << int(S::Text110) << 8 << "1.0000";
    QTest::newRow("area ratio") << int(S::Text107) << 4 << "0.780";
    QTest::newRow("one decimal stays") << int(S::Text102) << 17 << "35.8";
}

void TestGuiSettings::rightAlignmentGivesFixedDecimals()
{
    QFETCH(int, array);
    QFETCH(int, index);
    QFETCH(QString, text);
    F f;
    AligRight_Click(*f.windows, f.st);
    for (const auto &sheet : f.sheets)
        QCOMPARE(sheet->cell(S::Array(array), index), text);
}

void TestGuiSettings::writesNineteenRecords()
{
    F f;
    auto setFont = [](CellModel &w, const char *array, int index, const char *name, double size,
                      bool bold, bool italic) {
        const int id = w.find(QString::fromLatin1(array), index);
        CellLook l = w.look(id);
        l.fontName = QString::fromLatin1(name);
        l.fontSize = size;
        l.fontBold = bold;
        l.fontItalic = italic;
        w.setLook(id, l);
    };
    setFont(f.main, "Text101", 7, "Arial", 8.25, true, false);
    setFont(f.main, "Text101", 8, "Courier New", 12, false, true);
    // Form1's Text101(1) keeps the window's own font.
    setFont(*f.sheets[0], "Text102", 1, "Times", 200, true, true);
    f.st.Box_Alignment = 1;
    Align_All_Forms(*f.windows, f.st);
    f.graph.Picture1_ForeColor = 16711680;
    const QString file = f.path(QStringLiteral("my.gui"));
    f.platform.choose(file);
    f.platform.answer(AnswerOk);

    Write_GUI_Click(*f.windows, f.st);

    QCOMPARE(f.boxes(), QStringList{count(19, " Records Written")});
    QCOMPARE(f.platform.dialogs.size(), 1);
    QCOMPARE(f.platform.dialogs[0].kind, FileDialogKind::Save);
    QCOMPARE(f.platform.dialogs[0].filter, Filter);
    QCOMPARE(f.platform.dialogs[0].filterIndex, 3);
    QCOMPARE(f.platform.dialogs[0].initialFolder, f.platform.path());
    QCOMPARE(f.st.File_Name, file);
    QCOMPARE(F::read(file), QByteArray("; Please Do not Edit or Change the Order of any of these "
                                       "Lines\r\n"
                                       "All Box Main Font Name = Arial\r\n"
                                       "All Box Main Font Size = 8\r\n"
                                       "All Box Main Font Bold = -1\r\n"
                                       "All Box Main Font Italic = 0\r\n"
                                       "Entry Box Main Font Name = Courier New\r\n"
                                       "Entry Box Main Font Size = 12\r\n"
                                       "Entry Box Main Font Bold = 0\r\n"
                                       "Entry Box Main Font Italic = -1\r\n"
                                       "All Box Flow Font Name = Sans Serif\r\n"
                                       "All Box Flow Font Size = 8\r\n"
                                       "All Box Flow Font Bold = 0\r\n"
                                       "All Box Flow Font Italic = 0\r\n"
                                       "Entry Box Flow Font Name = Times\r\n"
                                       "Entry Box Flow Font Size = 200\r\n"
                                       "Entry Box Flow Font Bold = -1\r\n"
                                       "Entry Box Flow Font Italic = -1\r\n"
                                       "Box Alignment = 1\r\n"
                                       "Graph Font Color = 16711680\r\n"));
}

void TestGuiSettings::roundTrip()
{
    F a;
    const FontChoice fonts[] = {{QStringLiteral("Arial"), 10, false, true},
                                {QStringLiteral("Courier New"), 12, true, false},
                                {QStringLiteral("DejaVu Serif"), 9, true, true},
                                {QStringLiteral("Liberation Mono"), 11, false, false}};
    for (int c : {AllFont, EntryFont, AllFont_Flow, EntryFont_Flow}) {
        a.platform.chooseFont(fonts[c]);
        run(Command(c), *a.windows, a.st);
    }
    AligRight_Click(*a.windows, a.st);
    a.platform.chooseColor(255);
    FontColor_Click(a.graph, a.st);
    const QString file = a.path(QStringLiteral("round.gui"));
    a.platform.choose(file);
    a.platform.answer(AnswerOk);
    Write_GUI_Click(*a.windows, a.st);

    F b;
    b.platform.setProgramFolder(a.platform.path());
    b.platform.choose(file);
    b.platform.answer(AnswerOk);
    Read_GUI_Click(*b.windows, b.st);

    QCOMPARE(b.boxes(), QStringList{count(19, " Records Read")});
    QCOMPARE(b.st.Box_Alignment, 1);
    QCOMPARE(b.graph.Picture1_ForeColor, 255);
    // Face names come back in lower case, as the reader applies them.
    auto lowered = [](QList<CellLook> looks) {
        for (CellLook &l : looks)
            l.fontName = l.fontName.toLower();
        return looks;
    };
    QCOMPARE(F::looks(b.main), lowered(F::looks(a.main)));
    QCOMPARE(F::looks(*b.compare), lowered(F::looks(*a.compare)));
    for (size_t k = 0; k < b.sheets.size(); ++k) {
        QCOMPARE(F::looks(*b.sheets[k]), lowered(F::looks(*a.sheets[k])));
        QCOMPARE(b.sheets[k]->cell(S::Text115, 7), QStringLiteral("0.8000"));
    }
}

void TestGuiSettings::reader_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<int>("alignment"); // Box_Alignment after
    QTest::addColumn<int>("marker");    // a sheet cell's alignment, 0 unless realigned
    QTest::addColumn<bool>("recalculated");
    QTest::addColumn<QString>("font"); // the main window's caption cell
    QTest::addColumn<double>("size");
    QTest::addColumn<int>("color");

    const QStringList group = {"All Box Main Font Name = Arial", "All Box Main Font Size = 14",
                               "All Box Main Font Bold = 0", "All Box Main Font Italic = 0"};
    auto withSize = [&](const char *size) {
        QStringList g = group;
        g[1] = QStringLiteral("All Box Main Font Size = ") + QLatin1StringView(size);
        return g;
    };
    const QList<int> none;
    const QList<int> ok{AnswerOk};
    const QList<int> okStop{AnswerOk, AnswerOk};         // the record, the stop
    const QList<int> cancelStop{AnswerCancel, AnswerOk}; // the record, the stop

    QTest::newRow("a group applies at its italic line")
        << group << none << QStringList{count(4, " Records Read")} << 0 << 0 << false << "arial"
        << 14.0 << 0;
    QTest::newRow("keys in capitals, face name in lower case")
        << QStringList{"ALL BOX MAIN FONT NAME = ARIAL", "ALL BOX MAIN FONT ITALIC = -1"} << none
        << QStringList{count(2, " Records Read")} << 0 << 0 << false << "arial" << 0.0 << 0;
    QTest::newRow("no italic line, no font")
        << group.mid(0, 3) << none << QStringList{count(3, " Records Read")} << 0 << 0 << false
        << "" << 0.0 << 0;
    QTest::newRow("comment line") << QStringList{"; any words"} << none
                                  << QStringList{count(1, " Records Read")} << 0 << 0 << false << ""
                                  << 0.0 << 0;
    QTest::newRow("right alignment realigns and recalculates")
        << QStringList{"Box Alignment = 1"} << none << QStringList{count(1, " Records Read")} << 1
        << 1 << true << "" << 0.0 << 0;
    QTest::newRow("alignment as shown changes nothing")
        << QStringList{"Box Alignment = 2"} << none << QStringList{count(1, " Records Read")} << 2
        << 0 << false << "" << 0.0 << 0;
    QTest::newRow("colour after a blank")
        << QStringList{"Graph Font Color =  65535"} << none
        << QStringList{count(1, " Records Read")} << 0 << 0 << false << "" << 0.0 << 65535;
    QTest::newRow("empty line, OK reads on")
        << QStringList{"", "Box Alignment = 1"} << ok
        << QStringList{invalid(1, ""), count(2, " Records Read")} << 1 << 1 << true << "" << 0.0
        << 0;
    QTest::newRow("unknown key, Cancel stops")
        << QStringList{"Font Colour = 5", "Box Alignment = 1"} << cancelStop
        << QStringList{invalid(1, "Font Colour = 5"), ErrorReading, count(1, " Records Read")} << 0
        << 0 << false << "" << 0.0 << 0;
    QTest::newRow("size 0 is a bad record")
        << withSize("0") << ok
        << QStringList{invalid(2, "All Box Main Font Size = 0"), count(4, " Records Read")} << 0
        << 0 << false << "arial" << 0.0 << 0;
    QTest::newRow("size 500 is a bad record")
        << withSize("500") << ok
        << QStringList{invalid(2, "All Box Main Font Size = 500"), count(4, " Records Read")} << 0
        << 0 << false << "arial" << 0.0 << 0;
    QTest::newRow("size no number is a bad record")
        << withSize("big") << ok
        << QStringList{invalid(2, "All Box Main Font Size = big"), count(4, " Records Read")} << 0
        << 0 << false << "arial" << 0.0 << 0;
    QTest::newRow("alignment 3 is a bad record")
        << QStringList{"Box Alignment = 3"} << ok
        << QStringList{invalid(1, "Box Alignment = 3"), count(1, " Records Read")} << 0 << 0
        << false << "" << 0.0 << 0;
    QTest::newRow("alignment no number stops")
        << QStringList{"Box Alignment = right", "Graph Font Color = 255"} << okStop
        << QStringList{invalid(1, "Box Alignment = right"), ErrorReading, count(1, " Records Read")}
        << 0 << 0 << false << "" << 0.0 << 0;
    QTest::newRow("bold no number stops, what came before stays")
        << QStringList{"Graph Font Color = 255", "All Box Main Font Bold = yes"} << okStop
        << QStringList{invalid(2, "All Box Main Font Bold = yes"), ErrorReading,
                       count(2, " Records Read")}
        << 0 << 0 << false << "" << 0.0 << 255;
    QTest::newRow("colour the graph cannot take stops")
        << QStringList{"Graph Font Color = -1"} << cancelStop
        << QStringList{invalid(1, "Graph Font Color = -1"), ErrorReading, count(1, " Records Read")}
        << 0 << 0 << false << "" << 0.0 << 0;
}

void TestGuiSettings::reader()
{
    QFETCH(QStringList, lines);
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, boxes);
    QFETCH(int, alignment);
    QFETCH(int, marker);
    QFETCH(bool, recalculated);
    QFETCH(QString, font);
    QFETCH(double, size);
    QFETCH(int, color);

    F f;
    S &form3 = *f.sheets[2];
    const int markerId = form3.find(u"Text102", 17);
    setAlignment(form3, markerId, 0);
    RecordWriter file;
    for (const QString &line : lines)
        file.Write_Record_Line(line);
    f.platform.choose(f.write(QStringLiteral("in.gui"), file.bytes()));
    for (int a : answers)
        f.platform.answer(a);
    f.platform.answer(AnswerOk); // the count

    Read_GUI_Click(*f.windows, f.st);

    QCOMPARE(f.boxes(), boxes);
    QCOMPARE(f.platform.dialogs[0].kind, FileDialogKind::Open);
    QCOMPARE(f.platform.dialogs[0].filter, Filter);
    QCOMPARE(f.platform.dialogs[0].filterIndex, 3);
    QCOMPARE(f.st.Box_Alignment, alignment);
    QCOMPARE(form3.look(markerId).alignment, marker);
    QCOMPARE(form3.cell(S::Text115, 7).isEmpty(), !recalculated);
    QCOMPARE(look(f.main, "Text101", 7).fontName, font);
    QCOMPARE(look(f.main, "Text101", 7).fontSize, size);
    QCOMPARE(f.graph.Picture1_ForeColor, color);
    QVERIFY(f.platform.scriptDone());
}

void TestGuiSettings::notRead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("dialog cancelled") << "cancel";
    QTest::newRow("missing file") << "missing";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("too large") << "large";
}

void TestGuiSettings::notRead()
{
    QFETCH(QString, kind);
    F f;
    if (kind == u"cancel")
        f.platform.cancelDialog();
    else if (kind == u"missing")
        f.platform.choose(f.path(QStringLiteral("none.gui")));
    else if (kind == u"folder")
        f.platform.choose(f.platform.path());
    else
        f.platform.choose(f.write(QStringLiteral("big.gui"), QByteArray(5 * 1024 * 1024, ';')));
    f.platform.answer(AnswerOk);
    const QList<CellLook> before = F::looks(f.main);

    Read_GUI_Click(*f.windows, f.st);

    QCOMPARE(f.boxes(), QStringList{NotRead});
    QCOMPARE(F::looks(f.main), before);
}

void TestGuiSettings::writeFailures_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("dialog cancelled") << "cancel";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("disk full") << "full";
}

void TestGuiSettings::writeFailures()
{
    QFETCH(QString, kind);
    F f;
    const QByteArray old = "; the file that was there\r\n";
    const QString kept = f.write(QStringLiteral("old.gui"), old);
    if (kind == u"cancel")
        f.platform.cancelDialog();
    else if (kind == u"folder")
        f.platform.choose(f.platform.path());
    else
        f.platform.choose(kept);
    f.platform.answer(AnswerOk);

    if (kind == u"full") {
        // A file size limit fails writes as a full disk would.
        rlimit limit{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
        const rlimit before = limit;
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        limit.rlim_cur = 100;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        Write_GUI_Click(*f.windows, f.st);
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, handler);
    } else {
        Write_GUI_Click(*f.windows, f.st);
    }

    QCOMPARE(f.boxes(), QStringList{NotSaved});
    QCOMPARE(F::read(kept), old);
    QCOMPARE(QDir(f.platform.path()).entryList(QDir::Files), QStringList{"old.gui"});
}

QTEST_MAIN(TestGuiSettings)
#include "test_gui_settings.moc"
