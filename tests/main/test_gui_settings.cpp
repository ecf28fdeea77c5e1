#include "golden_files.h"
#include "main/fonts_alignment.h"
#include "main/graph_options.h"
#include "main/gui_file.h"
#include "settings_fixture.h"

#include <QTest>

using namespace zyt;
using namespace zyt::test;
using S = Flow_Test_Sheet;
using F = SettingsFixture;

namespace {

void (*const fontCommands[])(Models &, AppState &) = {AllFont_Click, EntryFont_Click,
                                                      AllFont_Flow_Click, EntryFont_Flow_Click};

QString invalid(int count, const QString &line)
{
    return F::box(QStringLiteral("Invalid Input Record # - %1   Data --> %2").arg(count).arg(line),
                  MsgButtons::OkCancel);
}
QString count(int n, const char *what) { return F::box(QString::number(n) + QLatin1String(what)); }

const QString ErrorReading = F::warning(
    QStringLiteral("Error Reading Parameter File --- If you have Not edited it, email US"));
const QString Filter =
    QStringLiteral("Text Files (*.txt)|*.txt|All Files (*.*)|*.*|GUI Files (*.gui)|*.gui");

} // namespace

class TestGuiSettings : public QObject {
    Q_OBJECT

private slots:
    void fonts_data();
    void fonts();
    void alignment_data();
    void alignment();
    void writesNineteenRecords();
    void roundTrip();
    void rewrites();
    void reader_data();
    void reader();
    void notRead_data();
    void notRead();
    void writeFailures_data();
    void writeFailures();
};

void TestGuiSettings::fonts_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QList<bool>>("took"); // main all, main entry, flow all, flow entry

    QTest::newRow("all, main") << 0 << false << QList<bool>{true, true, false, false};
    QTest::newRow("entry, main") << 1 << false << QList<bool>{false, true, false, false};
    QTest::newRow("all, flow") << 2 << false << QList<bool>{false, false, true, true};
    QTest::newRow("entry, flow") << 3 << false << QList<bool>{false, false, false, true};
    QTest::newRow("all, main, cancelled") << 0 << true << QList<bool>{false, false, false, false};
    QTest::newRow("entry, flow, cancelled") << 3 << true << QList<bool>{false, false, false, false};
}

void TestGuiSettings::fonts()
{
    QFETCH(int, command);
    QFETCH(bool, cancel);
    QFETCH(QList<bool>, took);
    F f;
    // A computed cell the user has just taken over takes entry fonts.
    const int switched = f.main.find(u"Text102", 3);
    CellLook open = f.main.look(switched);
    open.readOnly = false;
    f.main.setLook(switched, open);
    const QList<CellLook> main = F::looks(f.main);
    const CellLook caption = F::look(*f.compare, "Text71");
    if (cancel) {
        f.platform.cancelFontDialog();
        f.platform.answer(AnswerOk);
    } else {
        f.platform.chooseFont(FontChoice{QStringLiteral("Courier New"), 8.25, true, false});
    }

    fontCommands[command](*f.windows, f.st);

    QCOMPARE(f.boxes(),
             cancel ? QStringList{F::warning(QStringLiteral("No Font Selected"))} : QStringList{});
    QCOMPARE(f.st.looks.Font_Cancelled, cancel ? 1 : 0);
    auto has = [](const CellLook &l) {
        return l.fontName == u"Courier New" && l.fontSize == 8.25 && l.fontBold && !l.fontItalic;
    };
    QCOMPARE(has(F::look(f.main, "Text101", 7)), took[0]);
    QCOMPARE(has(F::look(f.main, "Text102", 3)), took[1]);
    QCOMPARE(has(F::look(f.main, "Text38")), took[1]);
    for (const auto &sheet : f.sheets) {
        QCOMPARE(has(F::look(*sheet, "Text101", 1)), took[2]);
        QCOMPARE(has(F::look(*sheet, "Text39")), took[2]);
        QCOMPARE(has(F::look(*sheet, "Text102", 1)), took[3]);
        QCOMPARE(has(F::look(*sheet, "Text38")), took[3]);
    }
    QCOMPARE(has(F::look(*f.compare, "Text1")), took[3]);
    QCOMPARE(F::look(*f.compare, "Text71"), caption);
    QCOMPARE(F::look(f.main, "Check2"), main[f.main.find(u"Check2", -1)]);
    if (cancel)
        QCOMPARE(F::looks(f.main), main);
}

void TestGuiSettings::alignment_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QStringList>("results"); // a sheet's Text115(7), Text113(8), Text102(9)
    QTest::newRow("left") << 0 << QStringList{"", "", "505"};
    QTest::newRow("centre") << 2 << QStringList{"", "", "505"};
    QTest::newRow("right: recalculated in fixed decimals")
        << 1 << QStringList{"0.8000", "0.5050", "505.00"};
}

void TestGuiSettings::alignment()
{
    QFETCH(int, alignment);
    QFETCH(QStringList, results);
    F f;
    const int comments = F::look(f.main, "Text38").alignment;
    const int caption = F::look(*f.compare, "Text71").alignment;

    void (*const commands[])(Models &, AppState &) = {AligLeft_Click, AligRight_Click,
                                                      AligCenter_Click};
    commands[alignment](*f.windows, f.st);

    QVERIFY(f.platform.shown.isEmpty());
    QCOMPARE(f.st.numbers.Box_Alignment, alignment);
    QCOMPARE(F::look(f.main, "Text101", 3).alignment, alignment);
    QCOMPARE(F::look(f.main, "Text38").alignment, comments);
    QCOMPARE(F::look(*f.compare, "Text1").alignment, alignment);
    QCOMPARE(F::look(*f.compare, "Text72").alignment, caption);
    for (const auto &sheet : f.sheets) {
        QCOMPARE(F::look(*sheet, "Text102", 17).alignment, alignment);
        QCOMPARE(F::look(*sheet, "Text38").alignment, 0);
        QCOMPARE((QStringList{sheet->cell(S::Text115, 7), sheet->cell(S::Text113, 8),
                              sheet->cell(S::Text102, 9)}),
                 results);
    }
}

void TestGuiSettings::writesNineteenRecords()
{
    F f;
    auto setFont = [](CellModel &w, const char *array, int index, const FontChoice &font) {
        CellLook l = F::look(w, array, index);
        l.fontName = font.name;
        l.fontSize = font.size;
        l.fontBold = font.bold;
        l.fontItalic = font.italic;
        w.setLook(w.find(QString::fromLatin1(array), index), l);
    };
    setFont(f.main, "Text101", 7, {QStringLiteral("Arial"), 8.25, true, false});
    setFont(f.main, "Text101", 8, {QStringLiteral("Courier New"), 12, false, true});
    // Form1's Text101(1) keeps the window's own font.
    setFont(*f.sheets[0], "Text102", 1, {QStringLiteral("Times"), 200, true, true});
    AligRight_Click(*f.windows, f.st);
    f.graph.Picture1_ForeColor = 16711680;
    const QString file = f.path(QStringLiteral("my.gui"));
    f.platform.choose(file);
    f.platform.answer(AnswerOk);

    Write_GUI_Click(*f.windows, f.st);

    QCOMPARE(f.boxes(), QStringList{count(19, " Records Written")});
    const FileDialogRequest &d = f.platform.dialogs[0];
    QCOMPARE(d.kind, FileDialogKind::Save);
    QCOMPARE(d.filter, Filter);
    QCOMPARE(d.filterIndex, 3);
    QCOMPARE(d.initialFolder, f.platform.path());
    QCOMPARE(f.st.files.File_Name, file);
    QCOMPARE(F::read(file), golden("gui/fonts.gui"));
}

void TestGuiSettings::roundTrip()
{
    F a;
    const FontChoice fonts[] = {{QStringLiteral("Arial"), 10, false, true},
                                {QStringLiteral("Courier New"), 12, true, false},
                                {QStringLiteral("DejaVu Serif"), 9, true, true},
                                {QStringLiteral("Liberation Mono"), 11, false, false}};
    for (int c = 0; c < 4; ++c) {
        a.platform.chooseFont(fonts[c]);
        fontCommands[c](*a.windows, a.st);
    }
    AligRight_Click(*a.windows, a.st);
    a.platform.chooseColor(255);
    FontColor_Click(a.graph, a.st, a.hooks);
    const QString file = a.path(QStringLiteral("round.gui"));
    a.platform.choose(file);
    a.platform.answer(AnswerOk);
    Write_GUI_Click(*a.windows, a.st);

    F b;
    b.platform.choose(file);
    b.platform.answer(AnswerOk);
    Read_GUI_Click(*b.windows, b.st);

    QCOMPARE(b.boxes(), QStringList{count(19, " Records Read")});
    QCOMPARE(b.st.numbers.Box_Alignment, 1);
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

void TestGuiSettings::rewrites()
{
    // Read and written again, a file comes out as the program writes it:
    // face names as the reader applies them, sizes whole.
    F f;
    f.platform.choose(f.path(QStringLiteral("in.gui")));
    f.platform.choose(f.path(QStringLiteral("out.gui")));
    f.platform.answer(AnswerOk, 2);
    QFile in(f.path(QStringLiteral("in.gui")));
    QVERIFY(in.open(QIODevice::WriteOnly) && in.write(golden("gui/loose.gui")) > 0);
    in.close();
    Read_GUI_Click(*f.windows, f.st);
    Write_GUI_Click(*f.windows, f.st);
    QCOMPARE(f.boxes(), (QStringList{count(20, " Records Read"), count(19, " Records Written")}));
    QVERIFY(f.platform.waits == 2 &&
            f.platform.waitDepth == 0); // the wait pointer while each works
    QCOMPARE(F::read(f.path(QStringLiteral("out.gui"))), golden("gui/loose-rewritten.gui"));
}

void TestGuiSettings::reader_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QList<int>>("answers"); // besides the count's OK
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<int>("alignment");   // of a sheet cell left at 0 unless realigned
    QTest::addColumn<bool>("calculated"); // the sheets
    QTest::addColumn<QString>("font");    // of the main window's caption cell
    QTest::addColumn<int>("color");

    const QStringList group = {"All Box Main Font Name = Arial", "All Box Main Font Size = 14",
                               "All Box Main Font Bold = 0", "All Box Main Font Italic = 0"};
    QStringList size500 = group;
    size500[1] = QStringLiteral("All Box Main Font Size = 500");
    const QList<int> none;
    const QList<int> ok{AnswerOk};
    const QList<int> okStop{AnswerOk, AnswerOk};
    const QList<int> cancelStop{AnswerCancel, AnswerOk};
    auto read = [](int n) { return count(n, " Records Read"); };

    QTest::newRow("a group applies at its italic line")
        << group << none << QStringList{read(4)} << 0 << false << "arial" << 0;
    QTest::newRow("no italic line, no font")
        << group.mid(0, 3) << none << QStringList{read(3)} << 0 << false << "" << 0;
    QTest::newRow("keys in capitals, a comment")
        << QStringList{"; note", "ALL BOX MAIN FONT NAME = ARIAL", "ALL BOX MAIN FONT ITALIC = -1"}
        << none << QStringList{read(3)} << 0 << false << "arial" << 0;
    QTest::newRow("right alignment realigns and recalculates")
        << QStringList{"Box Alignment = 1"} << none << QStringList{read(1)} << 1 << true << "" << 0;
    QTest::newRow("alignment as shown changes nothing")
        << QStringList{"Box Alignment = 2"} << none << QStringList{read(1)} << 0 << false << ""
        << 0;
    QTest::newRow("colour after a blank") << QStringList{"Graph Font Color =  65535"} << none
                                          << QStringList{read(1)} << 0 << false << "" << 65535;
    QTest::newRow("empty line, OK reads on")
        << QStringList{"", "Box Alignment = 1"} << ok << QStringList{invalid(1, ""), read(2)} << 1
        << true << "" << 0;
    QTest::newRow("unknown key, Cancel stops")
        << QStringList{"Font Colour = 5", "Box Alignment = 1"} << cancelStop
        << QStringList{invalid(1, "Font Colour = 5"), ErrorReading, read(1)} << 0 << false << ""
        << 0;
    QTest::newRow("size 500 is a bad record")
        << size500 << ok << QStringList{invalid(2, "All Box Main Font Size = 500"), read(4)} << 0
        << false << "arial" << 0;
    QTest::newRow("alignment 3 is a bad record")
        << QStringList{"Box Alignment = 3"} << ok
        << QStringList{invalid(1, "Box Alignment = 3"), read(1)} << 0 << false << "" << 0;
    QTest::newRow("no number stops, what came before stays")
        << QStringList{"Graph Font Color = 255", "Box Alignment = right", "Box Alignment = 1"}
        << okStop << QStringList{invalid(2, "Box Alignment = right"), ErrorReading, read(2)} << 0
        << false << "" << 255;
    // Past the tenth bad record one box counts the others.
    QStringList twelve(12, QString()), twelveBoxes;
    for (int k = 1; k <= 10; ++k)
        twelveBoxes << invalid(k, "");
    QTest::newRow("twelve empty lines")
        << (twelve << "Box Alignment = 1") << QList<int>(11, AnswerOk)
        << (twelveBoxes << F::warning(
                               QStringLiteral("2 more Bad Records were Skipped without a Message."))
                        << read(13))
        << 1 << true << "" << 0;
    QTest::newRow("colour the graph cannot take stops")
        << QStringList{"Graph Font Color = -1"} << cancelStop
        << QStringList{invalid(1, "Graph Font Color = -1"), ErrorReading, read(1)} << 0 << false
        << "" << 0;
}

void TestGuiSettings::reader()
{
    QFETCH(QStringList, lines);
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, boxes);
    QFETCH(int, alignment);
    QFETCH(bool, calculated);
    QFETCH(QString, font);
    QFETCH(int, color);
    F f;
    S &form3 = *f.sheets[2];
    const int marker = form3.find(u"Text102", 17);
    CellLook left = form3.look(marker);
    left.alignment = 0;
    form3.setLook(marker, left);
    f.platform.choose(f.write(QStringLiteral("in.gui"), lines));
    for (int a : answers)
        f.platform.answer(a);
    f.platform.answer(AnswerOk);

    Read_GUI_Click(*f.windows, f.st);

    QCOMPARE(f.boxes(), boxes);
    QCOMPARE(f.platform.dialogs[0].kind, FileDialogKind::Open);
    QCOMPARE(f.platform.dialogs[0].filter, Filter);
    QCOMPARE(f.platform.dialogs[0].filterIndex, 3);
    QCOMPARE(form3.look(marker).alignment, alignment);
    QCOMPARE(form3.cell(S::Text115, 7).isEmpty(), !calculated);
    QCOMPARE(F::look(f.main, "Text101", 7).fontName, font);
    QCOMPARE(f.graph.Picture1_ForeColor, color);
    QVERIFY(f.platform.scriptDone());
}

void TestGuiSettings::notRead_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::newRow("dialog cancelled") << true;
    QTest::newRow("file missing") << false;
}

void TestGuiSettings::notRead()
{
    QFETCH(bool, cancel);
    F f;
    if (cancel)
        f.platform.cancelDialog();
    else
        f.platform.choose(f.path(QStringLiteral("none.gui")));
    f.platform.answer(AnswerOk);
    Read_GUI_Click(*f.windows, f.st);
    QCOMPARE(f.boxes(),
             QStringList{F::warning(QStringLiteral("Parameter File has Not been Read"))});
}

void TestGuiSettings::writeFailures_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::newRow("dialog cancelled") << true;
    QTest::newRow("disk full") << false;
}

void TestGuiSettings::writeFailures()
{
    QFETCH(bool, cancel);
    F f;
    const QString kept = f.write(QStringLiteral("old.gui"), {"; the file that was there"});
    const QByteArray old = F::read(kept);
    if (cancel)
        f.platform.cancelDialog();
    else
        f.platform.choose(kept);
    f.platform.answer(AnswerOk);
    F::withFullDisk(100, [&] { Write_GUI_Click(*f.windows, f.st); });
    QCOMPARE(f.boxes(), QStringList{F::warning(QStringLiteral("GUI File has NOT been Saved"))});
    QCOMPARE(F::read(kept), old);
    QCOMPARE(QDir(f.platform.path()).entryList(QDir::Files), QStringList{"old.gui"});
}

QTEST_MAIN(TestGuiSettings)
#include "test_gui_settings.moc"
