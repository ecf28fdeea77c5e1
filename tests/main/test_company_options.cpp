#include "files/record_lines.h"
#include "main/company_file.h"
#include "main/graph_options.h"
#include "main/printer_choice.h"
#include "settings_fixture.h"

#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace zyt;
using namespace zyt::test;
using M = Main_Model;
using F = SettingsFixture;

namespace {

const M::Array Fields[] = {M::Text94, M::Text95, M::Text96, M::Text97, M::Text98};

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

const QStringList Start = {"Old Name", "Old Street", "Old City", "Old Phone", "Old Web"};

} // namespace

class TestCompanyOptions : public QObject {
    Q_OBJECT

private slots:
    void companyRoundTrip_data();
    void companyRoundTrip();
    void companyReader_data();
    void companyReader();
    void companyNotLoaded_data();
    void companyNotLoaded();
    void companyNotSaved_data();
    void companyNotSaved();
    void printerList_data();
    void printerList();
    void gotPrinter_data();
    void gotPrinter();
    void graphOptions_data();
    void graphOptions();
    void colourDialogOpensOnTheLastColour();
};

void TestCompanyOptions::companyRoundTrip_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("back");

    const QStringList plain = {"Acme Heads", "1 Port Road", "Flowtown, ST 12345",
                               "555-0100 / info@acme.example", "www.acme.example"};
    QTest::newRow("plain") << plain << plain;
    QTest::newRow("empty fields") << QStringList{"", "", "", "", ""}
                                  << QStringList{"", "", "", "", ""};
    const QStringList accents = {"Çylinder Köpfe €", "", " lead blank", "trail blank ", "x"};
    QTest::newRow("accents and blanks") << accents << accents;
    QTest::newRow("line breaks cannot split a record")
        << QStringList{"Acme\r\nHeads", "a\nb", "c\rd", "", ""}
        << QStringList{"Acme  Heads", "a b", "c d", "", ""};
}

void TestCompanyOptions::companyRoundTrip()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, back);
    F f;
    setFields(f.main, typed);
    const QString file = f.path(QStringLiteral("co.dcn"));
    f.platform.choose(file);
    Save_Co_Name_Click(f.main, f.st);
    QVERIFY(f.platform.shown.isEmpty());
    QCOMPARE(f.platform.dialogs[0].kind, FileDialogKind::Save);
    QCOMPARE(f.platform.dialogs[0].filter,
             QStringLiteral("Text Files (All Files (*.*)|*.*|Customer Data Files (*.dcn)|*.dcn"));
    QCOMPARE(f.platform.dialogs[0].filterIndex, 2);
    if (QTest::currentDataTag() == QByteArrayView("plain"))
        QCOMPARE(F::read(file), QByteArray("Company Name = Acme Heads\r\n"
                                           "Company Address = 1 Port Road\r\n"
                                           "Company City = Flowtown, ST 12345\r\n"
                                           "Company Phone = 555-0100 / info@acme.example\r\n"
                                           "Company WebSite = www.acme.example\r\n"));

    setFields(f.main, Start);
    f.platform.choose(file);
    Load_Co_Name_Click(f.main, f.st);
    QVERIFY(f.platform.shown.isEmpty());
    QCOMPARE(f.platform.dialogs[1].kind, FileDialogKind::Open);
    QCOMPARE(
        f.platform.dialogs[1].filter,
        QStringLiteral("Text Files (All Files (*.*)|*.*|Company Name Data Files (*.dcn)|*.dcn"));
    QCOMPARE(f.platform.dialogs[1].filterIndex, 2);
    QCOMPARE(fields(f.main), back);
}

void TestCompanyOptions::companyReader_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("fields");

    const QStringList lower = {"company name = a", "company address = b", "company city = c",
                               "company phone = d", "company website = e"};
    QStringList fiveBoxes;
    for (int i = 0; i < 5; ++i)
        fiveBoxes << bad(i + 1, lower[i]);
    QTest::newRow("keys in another letter case") << lower << fiveBoxes << Start;
    QTest::newRow("any order, last one wins, missing ones kept")
        << QStringList{"Company WebSite = w1", "Company Name = n", "Company WebSite = w2"}
        << QStringList{} << QStringList{"n", "Old Street", "Old City", "Old Phone", "w2"};
    QTest::newRow("the bare key empties its field")
        << QStringList{"Company Name = "} << QStringList{}
        << QStringList{"", "Old Street", "Old City", "Old Phone", "Old Web"};
    QTest::newRow("no blank after the equals sign, an empty line")
        << QStringList{"Company Name =Acme", "", "Company City = C"}
        << QStringList{bad(1, "Company Name =Acme"), bad(2, "")}
        << QStringList{"Old Name", "Old Street", "C", "Old Phone", "Old Web"};
}

void TestCompanyOptions::companyReader()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, fields);
    F f;
    setFields(f.main, Start);
    RecordWriter file;
    for (const QString &line : lines)
        file.Write_Record_Line(line);
    f.platform.choose(f.write(QStringLiteral("in.dcn"), file.bytes()));
    f.platform.answer(AnswerOk, int(boxes.size()));

    Load_Co_Name_Click(f.main, f.st);

    QCOMPARE(f.boxes(), boxes);
    QCOMPARE(::fields(f.main), fields);
}

void TestCompanyOptions::companyNotLoaded_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::newRow("dialog cancelled") << true;
    QTest::newRow("missing file") << false;
}

void TestCompanyOptions::companyNotLoaded()
{
    QFETCH(bool, cancel);
    F f;
    setFields(f.main, Start);
    if (cancel)
        f.platform.cancelDialog();
    else
        f.platform.choose(f.path(QStringLiteral("none.dcn")));
    f.platform.answer(AnswerOk);
    Load_Co_Name_Click(f.main, f.st);
    QCOMPARE(f.boxes(),
             QStringList{F::warning(QStringLiteral("Company Name Data File has Not been Loaded"))});
    QCOMPARE(fields(f.main), Start);
}

void TestCompanyOptions::companyNotSaved_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("dialog cancelled") << "cancel";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("disk full") << "full";
}

void TestCompanyOptions::companyNotSaved()
{
    QFETCH(QString, kind);
    F f;
    setFields(f.main, Start);
    const QByteArray old = "Company Name = Before\r\n";
    const QString kept = f.write(QStringLiteral("old.dcn"), old);
    if (kind == u"cancel")
        f.platform.cancelDialog();
    else
        f.platform.choose(kind == u"folder" ? f.platform.path() : kept);
    f.platform.answer(AnswerOk);
    if (kind == u"full") {
        // A file size limit fails writes as a full disk would.
        rlimit limit{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
        const rlimit before = limit;
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        limit.rlim_cur = 40;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        Save_Co_Name_Click(f.main, f.st);
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, handler);
    } else {
        Save_Co_Name_Click(f.main, f.st);
    }
    QCOMPARE(f.boxes(), QStringList{F::warning(
                            QStringLiteral("Company Information Data File has NOT been Saved"))});
    QCOMPARE(F::read(kept), old);
    QCOMPARE(QDir(f.platform.path()).entryList(QDir::Files), QStringList{"old.dcn"});
}

void TestCompanyOptions::printerList_data()
{
    QTest::addColumn<QStringList>("system");
    QTest::addColumn<QString>("systemDefault");
    QTest::addColumn<QString>("chosen"); // earlier in the run
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("current");

    QTest::newRow("no system printer") << QStringList{} << ""
                                       << "" << QStringList{"PDF File"} << "PDF File";
    QTest::newRow("the system's default")
        << QStringList{"Laser", "Inkjet"} << "Inkjet"
        << "" << QStringList{"Laser", "Inkjet", "PDF File"} << "Inkjet";
    QTest::newRow("printers, none the default")
        << QStringList{"Laser"} << ""
        << "" << QStringList{"Laser", "PDF File"} << "PDF File";
    QTest::newRow("chosen before")
        << QStringList{"Laser", "Inkjet"} << "Inkjet"
        << "PDF File" << QStringList{"Laser", "Inkjet", "PDF File"} << "PDF File";
}

void TestCompanyOptions::printerList()
{
    QFETCH(QStringList, system);
    QFETCH(QString, systemDefault);
    QFETCH(QString, chosen);
    QFETCH(QStringList, entries);
    QFETCH(QString, current);
    F f;
    f.platform.printers = system;
    f.platform.defaultPrinter = systemDefault;
    f.st.Printer = chosen;

    const Printer_List list = Load_Printer_Info_Click(f.st);

    QVERIFY(f.platform.shown.isEmpty());
    QCOMPARE(list.Combo1, entries);
    QCOMPARE(list.Printer_Name, current);
    QCOMPARE(f.st.Printer_Name, current);
    QCOMPARE(f.st.currentPrinter(), current);
}

void TestCompanyOptions::gotPrinter_data()
{
    QTest::addColumn<QString>("picked"); // empty: no entry picked
    QTest::addColumn<QString>("current");

    QTest::newRow("a printer") << "Laser"
                               << "Laser";
    QTest::newRow("the PDF file") << "PDF File"
                                  << "PDF File";
    QTest::newRow("nothing picked keeps the current one") << ""
                                                          << "Inkjet";
    QTest::newRow("letter case counts") << "laser"
                                        << "Inkjet";
}

void TestCompanyOptions::gotPrinter()
{
    QFETCH(QString, picked);
    QFETCH(QString, current);
    F f;
    f.platform.printers = QStringList{"Laser", "Inkjet"};
    f.platform.defaultPrinter = QStringLiteral("Inkjet");
    Load_Printer_Info_Click(f.st);
    if (!picked.isEmpty())
        Combo1_Click(picked, f.st);
    Got_Printer_Click(f.st);
    QCOMPARE(f.st.currentPrinter(), current);
    QVERIFY(f.platform.shown.isEmpty());
}

void TestCompanyOptions::graphOptions_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("color"); // the dialog's answer; -1 cancels
    QTest::addColumn<int>("foreColor");
    QTest::addColumn<int>("gridColor");
    QTest::addColumn<int>("drawStyle");
    QTest::addColumn<int>("gridOn");
    QTest::addColumn<int>("cleared");

    const int grey = 9474192;
    // The graph starts with dashed lines, no grid and black text.
    QTest::newRow("font colour") << "FontColor" << 255 << 255 << grey << 1 << 0 << 1;
    QTest::newRow("font colour cancelled") << "FontColor" << -1 << 0 << grey << 1 << 0 << 0;
    QTest::newRow("grid colour") << "Grid_Color" << 65280 << 0 << 65280 << 1 << 1 << 1;
    QTest::newRow("grid colour cancelled") << "Grid_Color" << -1 << 0 << grey << 1 << 0 << 0;
    QTest::newRow("long") << "Grid_Long" << 0 << 0 << grey << 0 << 1 << 1;
    QTest::newRow("dash") << "Grid_Dash" << 0 << 0 << grey << 1 << 1 << 1;
    QTest::newRow("dot") << "Grid_Dot" << 0 << 0 << grey << 2 << 1 << 1;
    QTest::newRow("none") << "Grid_None" << 0 << 0 << grey << 0 << 0 << 1;
}

void TestCompanyOptions::graphOptions()
{
    QFETCH(QString, command);
    QFETCH(int, color);
    QFETCH(int, foreColor);
    QFETCH(int, gridColor);
    QFETCH(int, drawStyle);
    QFETCH(int, gridOn);
    QFETCH(int, cleared);
    F f;
    f.graph.Picture1_DrawStyle = 1;
    f.st.Grid_On = 0;
    const bool dialog = command == u"FontColor" || command == u"Grid_Color";
    if (dialog && color >= 0) {
        f.platform.chooseColor(color);
    } else if (dialog) {
        f.platform.cancelColorDialog();
        f.platform.answer(AnswerOk);
    }

    if (command == u"FontColor")
        FontColor_Click(f.graph, f.st);
    else if (command == u"Grid_Color")
        Grid_Color_Click(f.graph, f.st);
    else if (command == u"Grid_Long")
        Grid_Long_Click(f.graph, f.st);
    else if (command == u"Grid_Dash")
        Grid_Dash_Click(f.graph, f.st);
    else if (command == u"Grid_Dot")
        Grid_Dot_Click(f.graph, f.st);
    else
        Grid_None_Click(f.graph, f.st);

    QCOMPARE(f.boxes(), dialog && color < 0
                            ? QStringList{F::warning(QStringLiteral("No Color Selected"))}
                            : QStringList{});
    QCOMPARE(f.graph.Picture1_ForeColor, foreColor);
    QCOMPARE(f.st.Grid_Line_Color, gridColor);
    QCOMPARE(f.graph.Picture1_DrawStyle, drawStyle);
    QCOMPARE(f.st.Grid_On, gridOn);
    QCOMPARE(f.cleared, cleared);
}

void TestCompanyOptions::colourDialogOpensOnTheLastColour()
{
    F f;
    f.platform.chooseColor(255);
    f.platform.cancelColorDialog();
    f.platform.answer(AnswerOk);
    f.platform.chooseColor(65280);
    FontColor_Click(f.graph, f.st);
    Grid_Color_Click(f.graph, f.st);
    QCOMPARE(Get_Color(f.st), std::optional<std::int32_t>(65280));
    QCOMPARE(f.platform.colorDialogs, (QList<std::int32_t>{0, 255, 255}));
}

QTEST_MAIN(TestCompanyOptions)
#include "test_company_options.moc"
