#include "golden_files.h"
#include "main/company_file.h"
#include "main/graph_options.h"
#include "main/printer_choice.h"
#include "settings_fixture.h"

#include <QTest>

using namespace zyt;
using namespace zyt::test;
using M = MainModel;
using F = SettingsFixture;

namespace {

const M::Array Fields[] = {M::Text94, M::Text95, M::Text96, M::Text97, M::Text98};
const QStringList Start = {"Old Name", "Old Street", "Old City", "Old Phone", "Old Web"};

QStringList fields(const M &main)
{
    QStringList out;
    for (M::Array a : Fields)
        out << main.cell(a);
    return out;
}

void setFields(M &main, const QStringList &values)
{
    for (int i = 0; i < 5; ++i)
        main.setCell(Fields[i], values[i]);
}

QString bad(int count, const QString &line)
{
    return F::warning(
        QStringLiteral("Bad or Invalid Record Read #%1 ->>> %2").arg(count).arg(line));
}

} // namespace

class TestCompanyOptions : public QObject {
    Q_OBJECT

private slots:
    void companyRoundTrip_data();
    void companyRoundTrip();
    void companyReader_data();
    void companyReader();
    void companyNotSaved();
    void printers_data();
    void printers();
    void graphOptions_data();
    void graphOptions();
};

void TestCompanyOptions::companyRoundTrip_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("back");
    QTest::addColumn<QString>("file"); // the golden file it writes, if any
    const QStringList plain = {"Acme Heads", "1 Port Road", "Flowtown, ST 12345", "", "Çü €"};
    QTest::newRow("plain, empty, accents") << plain << plain << "dcn/company.dcn";
    QTest::newRow("line breaks cannot split a record")
        << QStringList{"Acme\r\nHeads", "a\nb", "c\rd", "", ""}
        << QStringList{"Acme  Heads", "a b", "c d", "", ""} << "";
}

void TestCompanyOptions::companyRoundTrip()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, back);
    QFETCH(QString, file);
    F f;
    setFields(f.main, typed);
    const QString path = f.path(QStringLiteral("co.dcn"));
    f.platform.choose(path);
    Save_Co_Name_Click(f.main, f.st);
    setFields(f.main, Start);
    f.platform.choose(path);
    Load_Co_Name_Click(f.main, f.st);

    QVERIFY(f.platform.shown.isEmpty());
    QCOMPARE(fields(f.main), back);
    if (!file.isEmpty())
        QCOMPARE(F::read(path), golden(qPrintable(file)));
    QCOMPARE(f.platform.dialogs[0].kind, FileDialogKind::Save);
    QCOMPARE(f.platform.dialogs[0].filter,
             QStringLiteral("Text Files (All Files (*.*)|*.*|Customer Data Files (*.dcn)|*.dcn"));
    QCOMPARE(
        f.platform.dialogs[1].filter,
        QStringLiteral("Text Files (All Files (*.*)|*.*|Company Name Data Files (*.dcn)|*.dcn"));
    QCOMPARE(f.platform.dialogs[1].filterIndex, 2);
}

void TestCompanyOptions::companyReader_data()
{
    QTest::addColumn<QStringList>("lines"); // empty: no file
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("fields");

    const QStringList lower = {"company name = a", "company address = b", "company city = c",
                               "company phone = d", "company website = e"};
    QStringList lowerBoxes;
    for (int k = 0; k < 5; ++k)
        lowerBoxes << bad(k + 1, lower[k]);
    QTest::newRow("keys in another letter case") << lower << lowerBoxes << Start;
    QTest::newRow("any order, the last wins, the bare key empties")
        << QStringList{"Company WebSite = w1", "Company Name = ", "Company WebSite = w2"}
        << QStringList{} << QStringList{"", "Old Street", "Old City", "Old Phone", "w2"};
    QTest::newRow("no blank after the equals sign, an empty line")
        << QStringList{"Company Name =Acme", "", "Company City = C"}
        << QStringList{bad(1, "Company Name =Acme"), bad(2, "")}
        << QStringList{"Old Name", "Old Street", "C", "Old Phone", "Old Web"};
    // The first ten bad records show their boxes; one box counts the others.
    QStringList junk(12, QStringLiteral("junk")), junkBoxes;
    for (int k = 1; k <= 10; ++k)
        junkBoxes << bad(k, "junk");
    QTest::newRow("twelve bad records")
        << (junk << "Company City = C")
        << (junkBoxes << F::warning(
                QStringLiteral("2 more Bad Records were Skipped without a Message.")))
        << QStringList{"Old Name", "Old Street", "C", "Old Phone", "Old Web"};
    QTest::newRow("no file") << QStringList{}
                             << QStringList{F::warning(
                                    QStringLiteral("Company Name Data File has Not been Loaded"))}
                             << Start;
}

void TestCompanyOptions::companyReader()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, fields);
    F f;
    setFields(f.main, Start);
    f.platform.choose(lines.isEmpty() ? f.path(QStringLiteral("none.dcn"))
                                      : f.write(QStringLiteral("in.dcn"), lines));
    f.platform.answer(AnswerOk, int(boxes.size()));
    Load_Co_Name_Click(f.main, f.st);
    QCOMPARE(f.boxes(), boxes);
    QCOMPARE(::fields(f.main), fields);
}

void TestCompanyOptions::companyNotSaved()
{
    F f;
    const QString kept = f.write(QStringLiteral("old.dcn"), {"Company Name = Before"});
    const QByteArray old = F::read(kept);
    setFields(f.main, Start);
    f.platform.choose(kept);
    f.platform.answer(AnswerOk);
    F::withFullDisk(40, [&] { Save_Co_Name_Click(f.main, f.st); });
    QCOMPARE(f.boxes(), QStringList{F::warning(
                            QStringLiteral("Company Information Data File has NOT been Saved"))});
    QCOMPARE(F::read(kept), old);
    QCOMPARE(QDir(f.platform.path()).entryList(QDir::Files), QStringList{"old.dcn"});
}

void TestCompanyOptions::printers_data()
{
    QTest::addColumn<QStringList>("system"); // the last one is the default
    QTest::addColumn<QString>("picked");     // empty: none
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("shown");   // as the list opens
    QTest::addColumn<QString>("current"); // after "&O K"

    QTest::newRow("no system printer")
        << QStringList{} << "" << QStringList{"PDF File"} << "PDF File"
        << "PDF File";
    QTest::newRow("a printer picked") << QStringList{"Laser", "Inkjet"} << "Laser"
                                      << QStringList{"Laser", "Inkjet", "PDF File"} << "Inkjet"
                                      << "Laser";
    QTest::newRow("the PDF file picked")
        << QStringList{"Laser"} << "PDF File" << QStringList{"Laser", "PDF File"} << "Laser"
        << "PDF File";
    QTest::newRow("letter case counts")
        << QStringList{"Laser"} << "laser" << QStringList{"Laser", "PDF File"} << "Laser"
        << "Laser";
    QTest::newRow("printing cannot run, no panel")
        << QStringList{"Laser"} << "" << QStringList{} << ""
        << "Laser";
}

void TestCompanyOptions::printers()
{
    QFETCH(QStringList, system);
    QFETCH(QString, picked);
    QFETCH(QStringList, entries);
    QFETCH(QString, shown);
    QFETCH(QString, current);
    F f;
    f.platform.printers = system;
    f.platform.defaultPrinter = system.isEmpty() ? QString() : system.back();
    f.platform.printingRuns = !entries.isEmpty();

    const std::optional<PrinterList> list = Load_Printer_Info_Click(f.st.print, f.st.platform);
    QCOMPARE(list ? list->Combo1 : QStringList(), entries);
    QCOMPARE(f.st.print.Printer_Name, shown);
    if (!picked.isEmpty())
        Combo1_Click(picked, f.st.print);
    Got_Printer_Click(f.st.print, f.st.platform);
    QCOMPARE(f.st.print.currentPrinter(f.st.platform.printers), current);
    QVERIFY(f.platform.shown.isEmpty());
}

void TestCompanyOptions::graphOptions_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("color"); // the dialog's answer; -1 cancels
    // Picture1 ForeColor, Grid_Line_Color, DrawStyle, Grid_On, times cleared
    QTest::addColumn<QList<int>>("after");

    const int grey = 9474192;
    // The graph starts with dashed lines, no grid and black text.
    QTest::newRow("font colour") << 0 << 255 << QList<int>{255, grey, 1, 0, 1};
    QTest::newRow("font colour cancelled") << 0 << -1 << QList<int>{0, grey, 1, 0, 0};
    QTest::newRow("grid colour") << 1 << 65280 << QList<int>{0, 65280, 1, 1, 1};
    QTest::newRow("grid colour cancelled") << 1 << -1 << QList<int>{0, grey, 1, 0, 0};
    QTest::newRow("long") << 2 << 0 << QList<int>{0, grey, 0, 1, 1};
    QTest::newRow("dash") << 3 << 0 << QList<int>{0, grey, 1, 1, 1};
    QTest::newRow("dot") << 4 << 0 << QList<int>{0, grey, 2, 1, 1};
    QTest::newRow("none") << 5 << 0 << QList<int>{0, grey, 0, 0, 1};
}

void TestCompanyOptions::graphOptions()
{
    QFETCH(int, command);
    QFETCH(int, color);
    QFETCH(QList<int>, after);
    F f;
    f.graph.Picture1_DrawStyle = 1;
    f.st.graph.Grid_On = 0;
    f.st.looks.dialogColor = 77;
    if (command < 2 && color >= 0) {
        f.platform.chooseColor(color);
    } else if (command < 2) {
        f.platform.cancelColorDialog();
        f.platform.answer(AnswerOk);
    }
    void (*const styleCommands[])(GraphWindowState &, GraphSettings &, ProgramHooks &) = {
        Grid_Long_Click, Grid_Dash_Click, Grid_Dot_Click, Grid_None_Click};

    if (command == 0)
        FontColor_Click(f.graph, f.st, f.hooks);
    else if (command == 1)
        Grid_Color_Click(f.st, f.hooks);
    else
        styleCommands[command - 2](f.graph, f.st.graph, f.hooks);

    QCOMPARE(f.boxes(), command < 2 && color < 0
                            ? QStringList{F::warning(QStringLiteral("No Color Selected"))}
                            : QStringList{});
    QCOMPARE((QList<int>{f.graph.Picture1_ForeColor, f.st.graph.Grid_Line_Color,
                         f.graph.Picture1_DrawStyle, f.st.graph.Grid_On, f.cleared}),
             after);
    // The dialog opens on the colour chosen last and keeps a new one.
    QCOMPARE(f.platform.colorDialogs,
             command < 2 ? QList<std::int32_t>{77} : QList<std::int32_t>{});
    QCOMPARE(f.st.looks.dialogColor, command < 2 && color >= 0 ? color : 77);
}

QTEST_MAIN(TestCompanyOptions)
#include "test_company_options.moc"
