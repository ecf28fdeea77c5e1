#include "calc/calculate_sheet.h"
#include "calc/formats.h"
#include "calc/unit_conversion.h"
#include "files/main_data_file.h"
#include "five_sheets.h"
#include "main/estimator.h"
#include "main/estimator_rules.h"
#include "main/metric_switch.h"
#include "model/app_state.h"
#include "model/compare_model.h"
#include "model/flow_test_sheet.h"
#include "model/graph_window_state.h"
#include "scripted_platform.h"
#include "test_hooks.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <memory>

using namespace zyt;
using M = MainModel;
using S = Flow_Test_Sheet;

namespace {

// The main window over five calculated sheets, with scripted boxes.
struct Fixture {
    Fixture()
    {
        st.platform = platform.platform();
        st.numbers.setLocaleSeparators(u'.', u',');
        st.Main = &main;
        sheets.calculate(st);
    }
    // The cell of "Text101(8)=10.5" or "Check1=1".
    int id(const QString &c) const
    {
        static const QRegularExpression re(QStringLiteral(R"(^(\w+)(?:\((\d+)\))?=)"));
        const QRegularExpressionMatch m = re.match(c);
        const int i = main.find(m.captured(1), m.hasCaptured(2) ? m.captured(2).toInt() : -1);
        if (i < 0)
            qFatal("no cell %s", qPrintable(c));
        return i;
    }
    // Cells written apart by blanks.
    void setCells(const QString &cells)
    {
        for (const QString &c : cells.split(u' ', Qt::SkipEmptyParts))
            main.setText(id(c), c.section(u'=', 1));
    }
    void compareCells(const QString &cells) const
    {
        for (const QString &c : cells.split(u' ', Qt::SkipEmptyParts))
            QCOMPARE(c.section(u'=', 0, 0) + u'=' + main.text(id(c)), c);
    }
    void metric(bool on)
    {
        main.setCell(M::Check2, on ? QStringLiteral("1") : QStringLiteral("0"));
        Check2_Click(main, sheets.list, st.numbers);
    }
    static QStringList texts(const CellModel &m)
    {
        QStringList all;
        for (int id = 0; id < m.layout().cellCount(); ++id)
            all << m.text(id);
        return all;
    }

    test::ScriptedPlatform platform;
    AppState st;
    M main;
    test::FiveSheets sheets;
};

// The estimator's entries as the switch leaves the starting values.
const QString metricStart = QStringLiteral("Check2=1 Text102(3)=187.76 Text103(3)=1774.19 "
                                           "Text104(3)=104.78 Text105(3)=101.6 Text103(8)=9.11802");

// The cells the calculation writes, step by step.
const std::pair<M::Array, int> stepCells[] = {
    {M::Text111, 3}, {M::Text101, 3}, {M::Text102, 3}, {M::Text106, 3},
    {M::Text107, 3}, {M::Text108, 3}, {M::Text109, 3}, {M::Text110, 3},
    {M::Text102, 8}, {M::Text106, 8}, {M::Text107, 8}, {M::Text108, 8},
    {M::Text104, 8}, {M::Text105, 8}, {M::Text109, 8}, {M::Text110, 8}};

} // namespace

class TestEstimator : public QObject {
    Q_OBJECT

private slots:
    void calculate_data();
    void calculate();
    void failures_data();
    void failures();
    void ports_data();
    void ports();
    void looks_data();
    void looks();
    void limits_data();
    void limits();
    void metricThereAndBack();
    void metricSheetsAndCellsWithoutNumbers();
    void readerAndWriterRunTheHooks();
};

void TestEstimator::calculate_data()
{
    QTest::addColumn<bool>("comma");
    QTest::addColumn<QString>("inputs");
    QTest::addColumn<QString>("results");

    // The speed comes from the shown 615.9, not 615.9375, so 7036 rather than 7037.
    const QString us = QStringLiteral(
        "Text111(3)=8 Text101(3)=0.5475 Text102(3)=615.9 Text106(3)=13.36 Text107(3)=427.7 "
        "Text108(3)=53.46 Text109(3)=7036 Text110(3)=7529 Text102(8)=4691 Text106(8)=708 "
        "Text107(8)=1.388 Text108(8)=84.7 Text104(8)=594 Text105(8)=700 Text109(8)=1.655 "
        "Text110(8)=100.955 Text103(3)=2.75");
    QTest::newRow("starting entries") << false << "" << us;
    QTest::newRow("no cylinder count is 8") << false << "Text111(3)=" << us;
    QTest::newRow("cylinder count 0 is 8") << false << "Text111(3)=0" << us;
    QTest::newRow("decimal comma") << true << "" << QString(us).replace(u'.', u',');
    QTest::newRow("metric") << false << metricStart
                            << "Text102(3)=187.74 Text106(3)=8622.79 Text107(3)=7.0086 "
                               "Text108(3)=0.87608 Text109(3)=7036 Text102(8)=1429.72 "
                               "Text106(8)=528 Text107(8)=1.881 Text108(8)=114.7 "
                               "Text104(8)=804.49 Text105(8)=522 Text109(8)=1.235 "
                               "Text110(8)=75.335";
    QTest::newRow("typed Mach number")
        << false << "Check1=1 Text101(3)=0.6"
        << "Text101(3)=0.6 Text102(3)=675.0 Text109(3)=7711 Text102(8)=5141 Text105(8)=767";
    QTest::newRow("typed speed") << false << "Check3=1 Text109(3)=7000"
                                 << "Text103(3)=2.736 Text109(3)=7000 Text110(3)=7490";
    QTest::newRow("typed speed, metric")
        << false << metricStart + " Check3=1 Text109(3)=7000"
        << "Text103(3)=1765.148 Text109(3)=7000 Text102(8)=1422.4 Text105(8)=519";
}

void TestEstimator::calculate()
{
    QFETCH(bool, comma);
    QFETCH(QString, inputs);
    QFETCH(QString, results);
    Fixture f;
    if (comma) {
        f.st.numbers.setLocaleSeparators(u',', u'.');
        Form_Dots_To_Commas(f.main);
    }
    f.setCells(inputs);
    Command51_Click(f.main, f.st.numbers, f.st.platform);
    QVERIFY(f.platform.shown.isEmpty());
    f.compareCells(results);
}

void TestEstimator::failures_data()
{
    QTest::addColumn<QString>("inputs");
    QTest::addColumn<QString>("written"); // by the steps before the failing one
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("failingStep"); // index into stepCells

    const QString mismatch = QStringLiteral("Error Number 13 -- Type mismatch");
    const QString byZero = QStringLiteral("Error Number 11 -- Division by zero");
    QTest::newRow("no CR") << "Text101(8)= Text111(3)="
                           << "Text111(3)=8" << mismatch << 1;
    QTest::newRow("CR of 1") << "Text101(8)=1"
                             << "Text101(3)=0.5 Text102(3)=562.5" << byZero << 9;
    QTest::newRow("lone separator") << "Text105(3)=."
                                    << "Text102(3)=615.9" << mismatch << 4;
    QTest::newRow("zero bore") << "Text104(3)=0"
                               << "Text107(3)=0.0 Text108(3)=0.0" << byZero << 6;
    QTest::newRow("cylinder count 00 is kept") << "Text111(3)=00"
                                               << "Text111(3)=00 Text107(3)=0.0"
                                               << "Error Number 6 -- Overflow" << 5;
    QTest::newRow("letters as air flow") << "Text103(8)=abc"
                                         << "Text102(8)=4691" << mismatch << 9;
    // Two unusable cells in one formula: the one it names first decides.
    QTest::newRow("cylinders read before stroke") << "Text111(3)=ab Text105(3)=1e999"
                                                  << "Text106(3)=13.36" << mismatch << 4;
    QTest::newRow("cylinders read before stroke, reversed")
        << "Text111(3)=1e999 Text105(3)=ab"
        << "Text106(3)=13.36" << QStringLiteral("Error Number 6 -- Overflow") << 4;
    QTest::newRow("typed Mach 0, typed speed") << "Check1=1 Check3=1 Text101(3)=0"
                                               << "Text102(3)=0.0" << byZero << 6;
}

void TestEstimator::failures()
{
    QFETCH(QString, inputs);
    QFETCH(QString, written);
    QFETCH(QString, box);
    QFETCH(int, failingStep);
    Fixture f;
    f.setCells(inputs);
    const QStringList before = f.texts(f.main);
    f.platform.answer(AnswerOk);
    Command51_Click(f.main, f.st.numbers, f.st.platform);
    QCOMPARE(f.platform.texts(), QStringList{box});
    QCOMPARE(f.platform.shown[0].icon, MsgIcon::Critical);
    f.compareCells(written);
    for (size_t k = size_t(failingStep); k < std::size(stepCells); ++k) {
        const int id = f.main.layout().id(stepCells[k].first, stepCells[k].second);
        QCOMPARE(f.main.text(id), before[id]);
    }
    QCOMPARE(f.main.cell(M::Text103, 3), QStringLiteral("2.75"));
}

void TestEstimator::ports_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("inputs");
    QTest::addColumn<QString>("result"); // the only cell that changes

    QTest::newRow("cc's") << 7 << ""
                          << "Text102(9)=203.08";
    QTest::newRow("length") << 8 << ""
                            << "Text104(9)=5.098";
    QTest::newRow("area") << 9 << ""
                          << "Text106(9)=2.429";
    QTest::newRow("5 in, 2 sq in") << 7 << "Text104(9)=5 Text106(9)=2"
                                   << "Text102(9)=163.87";
    QTest::newRow("127 mm, 1290.32 sq mm") << 7 << "Check2=1 Text104(9)=127 Text106(9)=1290.32"
                                           << "Text102(9)=163.87";
    QTest::newRow("metric length") << 8 << "Check2=1 Text106(9)=1290.32"
                                   << "Text104(9)=157.325";
    QTest::newRow("metric area") << 9 << "Check2=1 Text104(9)=127"
                                 << "Text106(9)=1598.425";
    QTest::newRow("empty area") << 7 << "Text106(9)="
                                << "Text102(9)=203";
    QTest::newRow("zero area") << 8 << "Text106(9)=0"
                               << "Text104(9)=5.1";
    QTest::newRow("letters as length") << 9 << "Text104(9)=x"
                                       << "Text106(9)=2.43";
}

void TestEstimator::ports()
{
    QFETCH(int, button);
    QFETCH(QString, inputs);
    QFETCH(QString, result);
    Fixture f;
    f.setCells(inputs);
    QStringList expected = f.texts(f.main);
    expected[f.id(result)] = result.section(u'=', 1);
    (button == 7   ? Command7_Click
     : button == 8 ? Command8_Click
                   : Command9_Click)(f.main, f.st.numbers);
    QVERIFY(f.platform.shown.isEmpty());
    QCOMPARE(f.texts(f.main), expected);
}

void TestEstimator::looks_data()
{
    QTest::addColumn<QString>("boxes"); // set in this order; "Check1=0" clears again
    QTest::addColumn<QString>("looks"); // cell=back colour/fore colour/typed

    // The input marker Label2(1) is recoloured green: the markers follow it.
    QTest::newRow("typed Mach") << "Check1=1"
                                << "Text101(3)=ffffff/0/1 Text101(1)=ffffff/0/0 Label2(0)=ff00/0/0";
    QTest::newRow("computed Mach again")
        << "Check1=1 Check1=0"
        << "Text101(3)=ffff01/ff0000/0 Text101(2)=ffff01/ff0000/0 Label2(0)=ffffff/0/0";
    QTest::newRow("typed speed")
        << "Check3=1"
        << "Text109(3)=ffffff/0/1 Text109(2)=ffffff/0/0 Label2(7)=ff00/0/0 "
           "Text103(3)=ffff01/ff0000/0 Text103(1)=ffff01/ff0000/0 "
           "Label2(2)=ffffff/0/0";
    QTest::newRow("computed speed again")
        << "Check3=1 Check3=0"
        << "Text109(3)=ffff01/ff0000/0 Text109(1)=ffff01/ff0000/0 Label2(7)=ffffff/0/0 "
           "Text103(3)=ffffff/0/1 Text103(2)=ffffff/0/0 Label2(2)=ff00/0/0";
}

void TestEstimator::looks()
{
    QFETCH(QString, boxes);
    QFETCH(QString, looks);
    Fixture f;
    // A typed cell takes the font of Text101(8), a computed one that of
    // Text102(6), as they are now; the alignment stays.
    auto change = [&](const char *cell, auto how) {
        const int id = f.id(QString::fromLatin1(cell));
        CellLook look = f.main.look(id);
        how(look);
        f.main.setLook(id, look);
    };
    change("Text101(8)=", [](CellLook &l) { l.fontName = QStringLiteral("Arial"); });
    change("Text102(6)=", [](CellLook &l) { l.fontItalic = true; });
    change("Label2(1)=", [](CellLook &l) { l.backColor = 0x00FF00; });
    for (const char *cell : {"Text101(3)=", "Text103(3)=", "Text109(3)="})
        change(cell, [](CellLook &l) { l.alignment = 0; });
    const QStringList texts = f.texts(f.main);

    for (const QString &b : boxes.split(u' ')) {
        f.setCells(b);
        (b.startsWith(u"Check1") ? Check1_Click : Check3_Click)(f.main);
    }
    for (const QString &c : looks.split(u' ')) {
        const QStringList want = c.section(u'=', 1).split(u'/');
        const CellLook &look = f.main.look(f.id(c));
        QCOMPARE(look.backColor, want[0].toUInt(nullptr, 16));
        QCOMPARE(look.foreColor, want[1].toUInt(nullptr, 16));
        const bool typed = want[2] == u"1";
        QVERIFY(look.readOnly != typed && look.tabStop == typed);
        if (c.contains(u"(3)")) {
            QCOMPARE(look.fontName, typed ? QStringLiteral("Arial") : QString());
            QCOMPARE(look.fontItalic, !typed);
            QCOMPARE(look.alignment, 0);
        }
    }
    // Only looks change.
    f.setCells(QStringLiteral("Check1=0 Check3=0"));
    QCOMPARE(f.texts(f.main), texts);
}

void TestEstimator::limits_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("box"); // empty: it passes

    const QString mach = QStringLiteral("Mach # Can Not be Greater Than 1");
    const QString cr = QStringLiteral("CR Can Not be Greater Than 25");
    QTest::newRow("Mach 1") << 3 << "1" << QString();
    QTest::newRow("Mach 1.0001") << 3 << "1.0001" << mach;
    QTest::newRow("Mach no number") << 3 << "." << QString();
    QTest::newRow("CR 25") << 8 << "25" << QString();
    QTest::newRow("CR 25.01") << 8 << "25.01" << cr;
    QTest::newRow("CR empty") << 8 << "" << QString();
}

void TestEstimator::limits()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QString, box);
    Fixture f;
    if (!box.isEmpty())
        f.platform.answer(AnswerOk);
    QCOMPARE(estimatorLimitCheck(index, text, f.st.numbers, f.st.platform), !box.isEmpty());
    QCOMPARE(f.platform.texts(), box.isEmpty() ? QStringList() : QStringList{box});
    for (const MsgRequest &r : f.platform.shown)
        QVERIFY(r.icon == MsgIcon::None && r.buttons == MsgButtons::Ok);
}

void TestEstimator::metricThereAndBack()
{
    // Cell, metric text, text after switching back.
    const char *const cells[][3] = {{"Text102(3)", "187.76", "616.0"},
                                    {"Text103(3)", "1774.19", "2.75"},
                                    {"Text104(3)", "104.78", "4.125"},
                                    {"Text105(3)", "101.6", "4.0"},
                                    {"Text106(3)", "8619.34", "13.36"},
                                    {"Text107(3)", "7.009", "427.7"},
                                    {"Text108(3)", "0.876", "53.46"},
                                    {"Text102(8)", "1429.82", "4691"},
                                    {"Text103(8)", "9.11802", "322.0"},
                                    {"Text104(8)", "787.73", "581"},
                                    {"Text105(8)", "510.8", "685.0"},
                                    {"Text106(8)", "551.8", "740.0"},
                                    {"Text107(8)", "1.843", "1.359"},
                                    {"Text108(8)", "112.397", "82.9"},
                                    {"Text109(8)", "1.193", "1.6"},
                                    {"Text110(8)", "72.78", "97.6"},
                                    {"Text104(9)", "129.54", "5.1"},
                                    {"Text106(9)", "1567.739", "2.43"},
                                    {"Text102(2)", "Port Vel M/Sec", "Port Vel Ft/Sec"},
                                    {"Text104(2)", "mm", "Inches"},
                                    {"Text105(2)", "mm", "Inches"},
                                    {"Text107(2)", "LD", "CID"},
                                    {"Text108(2)", "LD", "CID"},
                                    {"Text102(7)", "M/Min", "Ft/Min"},
                                    {"Text103(5)", "M^3/Min @", "CFM @"},
                                    {"Text104(6)", "Torque NM", "Torque"},
                                    {"Text107(5)", "Torque NM", "Torque"},
                                    {"Text108(5)", "Torque NM", "Torque"},
                                    {"Text105(7)", "KW limitation", "HP limitation"},
                                    {"Text106(7)", "KW limitation", "HP limitation"},
                                    {"Text109(5)", "KW", "HP"},
                                    {"Text110(5)", "KW", "HP"}};
    Fixture f;
    QStringList metric = f.texts(f.main), back = metric;
    metric[f.main.find(u"Check2", M::Single)] = QStringLiteral("1");
    for (const auto &c : cells) {
        const int id = f.id(QString::fromLatin1(c[0]) + u'=');
        metric[id] = QString::fromLatin1(c[1]);
        back[id] = QString::fromLatin1(c[2]);
    }
    // The Mach number, CR, speeds, cylinders and port volume stay as they are.
    f.metric(true);
    QCOMPARE(f.texts(f.main), metric);
    f.metric(false);
    QCOMPARE(f.texts(f.main), back);
    QVERIFY(f.platform.shown.isEmpty());
}

void TestEstimator::metricSheetsAndCellsWithoutNumbers()
{
    Fixture f;
    S expected;
    Calculate_Sheet(expected, f.st.Metric(), f.st.calc, f.st.numbers, f.st.platform);
    Convert_Sheet_To_Metric(expected, f.st.numbers);
    f.sheets[2].setCell(S::Text101, 20, QStringLiteral("4x0"));
    f.setCells(QStringLiteral("Text104(3)= Text103(8)=abc"));

    f.metric(true);
    QVERIFY(f.platform.shown.isEmpty());
    // Their unit words and every other cell follow the box.
    f.compareCells(QStringLiteral("Text104(3)= Text103(8)=abc Text104(2)=mm Text105(3)=101.6"));
    for (size_t k = 0; k < 5; ++k) {
        QStringList sheet = f.texts(f.sheets[k]);
        if (k == 2) {
            const int lift = expected.id(S::Text101, 20);
            QCOMPARE(sheet[lift], QStringLiteral("4x0"));
            sheet[lift] = expected.text(lift);
        }
        QCOMPARE(sheet, f.texts(expected));
    }
    Convert_Sheet_To_Standard(expected, f.st.numbers);
    f.metric(false);
    QCOMPARE(f.texts(f.sheets[4]), f.texts(expected));
}

void TestEstimator::readerAndWriterRunTheHooks()
{
    Fixture f;
    // The program's hooks as the program puts them in.
    test::TestHooks hooks;
    hooks.onCheck2 = [&f] { Check2_Click(f.main, f.sheets.list, f.st.numbers); };
    hooks.onCommand51 = [&f] { Command51_Click(f.main, f.st.numbers, f.st.platform); };
    keepUserBoxLooks(f.main);
    S expected;
    Calculate_Sheet(expected, f.st.Metric(), f.st.calc, f.st.numbers, f.st.platform);
    Convert_Sheet_To_Metric(expected, f.st.numbers);
    f.st.files.File_Name = QDir(f.platform.path()).filePath(QStringLiteral("engine.dta"));
    QFile file(f.st.files.File_Name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Check1 = Yes\r\nCheck2 = Yes\r\nCheck2 = Yes\r\nText101_3 = 0.6\r\n");
    file.close();
    CompareModel form50;
    GraphWindowState form60;
    Models windows{f.main, f.sheets.list, form50, form60};
    QVERIFY(Load_Main_Data_File(windows, f.st, hooks));
    QVERIFY(f.platform.shown.isEmpty());
    // Converted once, then calculated in metric with the typed Mach number,
    // which the restored box made a typed cell.
    QCOMPARE(f.texts(f.sheets[0]), f.texts(expected));
    f.compareCells(QStringLiteral("Text104(3)=104.78 Text102(3)=205.74"));
    QVERIFY(!f.main.look(f.id(QStringLiteral("Text101(3)="))).readOnly);

    // The exit save reports a bad estimator cell and writes all the same.
    f.setCells(QStringLiteral("Text105(3)="));
    f.platform.answer(AnswerOk);
    QVERIFY(saveAutosaveFile(windows, f.st, hooks));
    QCOMPARE(f.platform.texts(), QStringList{QStringLiteral("Error Number 13 -- Type mismatch")});
    QFile saved(autosaveFilePath(f.st.platform));
    QVERIFY(saved.open(QIODevice::ReadOnly) && saved.readAll().contains("\r\nText105_3 = \r\n"));
}

QTEST_APPLESS_MAIN(TestEstimator)
#include "test_estimator.moc"
