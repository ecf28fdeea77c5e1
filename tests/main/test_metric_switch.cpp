#include "calc/calculate_sheet.h"
#include "calc/flow_test_sheet.h"
#include "calc/unit_conversion.h"
#include "compare/compare_state.h"
#include "files/main_data_file.h"
#include "main/metric_switch.h"
#include "main_fixture.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <memory>

using namespace zyt;
using M = Main_Model;
using S = Flow_Test_Sheet;

namespace {

// The main window with five calculated sheets.
class SwitchFixture : public test::MainFixture {
public:
    SwitchFixture()
    {
        for (size_t k = 0; k < sheets.size(); ++k) {
            sheets[k] = std::make_unique<S>(QStringLiteral("Form%1").arg(k + 1));
            Calculate_Sheet(*sheets[k], st);
            set[k] = sheets[k].get();
        }
    }

    // Ticks or clears "Metric" as a click does.
    void click(bool metric)
    {
        setMetric(metric);
        Check2_Click(main, set, st);
    }

    std::array<std::unique_ptr<S>, 5> sheets;
    Sheet_Set set{};
};

QStringList texts(const CellModel &m)
{
    QStringList all;
    for (int id = 0; id < m.layout().cellCount(); ++id)
        all << m.text(id);
    return all;
}

} // namespace

class TestMetricSwitch : public QObject {
    Q_OBJECT

private slots:
    void thereAndBack_data();
    void thereAndBack();
    void onlyUnitCellsChange();
    void sheetsConvertAll();
    void cellsWithoutNumbersStay();
    void readerRunsTheHooks();
    void exitSaveSurvivesABadEstimatorCell();
};

void TestMetricSwitch::thereAndBack_data()
{
    QTest::addColumn<int>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("metric");
    QTest::addColumn<QString>("standard"); // after switching back

    auto row = [](const char *name, M::Array a, int i, const char *metric, const char *back) {
        QTest::newRow(name) << int(a) << i << QString::fromLatin1(metric)
                            << QString::fromLatin1(back);
    };
    row("port velocity", M::Text102, 3, "187.76", "616.0");
    row("mean port area", M::Text103, 3, "1774.19", "2.75");
    row("bore", M::Text104, 3, "104.78", "4.125");
    row("stroke", M::Text105, 3, "101.6", "4.0");
    row("piston area", M::Text106, 3, "8619.34", "13.36");
    row("displacement", M::Text107, 3, "7.009", "427.7");
    row("per cylinder", M::Text108, 3, "0.876", "53.46");
    row("piston speed", M::Text102, 8, "1429.82", "4691");
    row("air flow", M::Text103, 8, "9.11802", "322.0");
    row("best torque", M::Text104, 8, "787.73", "581");
    row("port area power", M::Text105, 8, "510.8", "685.0");
    row("air flow power", M::Text106, 8, "551.8", "740.0");
    row("torque per cube", M::Text107, 8, "1.843", "1.359");
    row("torque per litre", M::Text108, 8, "112.397", "82.9");
    row("power per cube", M::Text109, 8, "1.193", "1.6");
    row("power per litre", M::Text110, 8, "72.78", "97.6");
    row("port length", M::Text104, 9, "129.54", "5.1");
    row("port area", M::Text106, 9, "1567.739", "2.43");
    // Quantities without a unit.
    row("Mach number", M::Text101, 3, "0.5475", "0.5475");
    row("compression ratio", M::Text101, 8, "10.5", "10.5");
    row("peak-power speed", M::Text109, 3, "7037", "7037");
    row("shift speed", M::Text110, 3, "7530", "7530");
    row("cylinders", M::Text111, 3, "8", "8");
    row("port volume", M::Text102, 9, "203", "203");
    // Unit words.
    row("velocity unit", M::Text102, 2, "Port Vel M/Sec", "Port Vel Ft/Sec");
    row("bore unit", M::Text104, 2, "mm", "Inches");
    row("stroke unit", M::Text105, 2, "mm", "Inches");
    row("displacement unit", M::Text107, 2, "LD", "CID");
    row("per cylinder unit", M::Text108, 2, "LD", "CID");
    row("piston speed unit", M::Text102, 7, "M/Min", "Ft/Min");
    row("air flow unit", M::Text103, 5, "M^3/Min @", "CFM @");
    row("best torque unit", M::Text104, 6, "Torque NM", "Torque");
    row("torque per cube unit", M::Text107, 5, "Torque NM", "Torque");
    row("torque per litre unit", M::Text108, 5, "Torque NM", "Torque");
    row("port area power unit", M::Text105, 7, "KW limitation", "HP limitation");
    row("air flow power unit", M::Text106, 7, "KW limitation", "HP limitation");
    row("power per cube unit", M::Text109, 5, "KW", "HP");
    row("power per litre unit", M::Text110, 5, "KW", "HP");
    row("other words stay", M::Text107, 7, "Cubic Inch", "Cubic Inch");
}

void TestMetricSwitch::thereAndBack()
{
    QFETCH(int, array);
    QFETCH(int, index);
    QFETCH(QString, metric);
    QFETCH(QString, standard);
    test::MainFixture f;
    f.setMetric(true);
    Check2_Click(f.main, Sheet_Set{}, f.st);
    QCOMPARE(f.main.cell(M::Array(array), index), metric);
    f.setMetric(false);
    Check2_Click(f.main, Sheet_Set{}, f.st);
    QCOMPARE(f.main.cell(M::Array(array), index), standard);
    QVERIFY(f.platform.shown.isEmpty());
}

void TestMetricSwitch::onlyUnitCellsChange()
{
    test::MainFixture f;
    const QStringList before = f.texts();
    f.setMetric(true);
    Check2_Click(f.main, Sheet_Set{}, f.st);
    const QStringList after = f.texts();
    int changed = 0;
    for (int id = 0; id < after.size(); ++id)
        changed += after[id] != before[id];
    // 18 values, 14 unit words and the box itself.
    QCOMPARE(changed, 18 + 14 + 1);
}

void TestMetricSwitch::sheetsConvertAll()
{
    SwitchFixture f;
    // What each sheet must become: its own conversion, nothing recalculated.
    S expected(QStringLiteral("Form1"));
    Calculate_Sheet(expected, f.st);
    Convert_Sheet_To_Metric(expected, f.st);
    f.click(true);
    for (const auto &sheet : f.sheets)
        QCOMPARE(texts(*sheet), texts(expected));
    QCOMPARE(f.sheets[4]->cell(S::Text101, 15), QStringLiteral("Lift mm"));

    Convert_Sheet_To_Standard(expected, f.st);
    f.click(false);
    for (const auto &sheet : f.sheets)
        QCOMPARE(texts(*sheet), texts(expected));
}

void TestMetricSwitch::cellsWithoutNumbersStay()
{
    SwitchFixture f;
    S expected(QStringLiteral("Form3"));
    Calculate_Sheet(expected, f.st);
    Convert_Sheet_To_Metric(expected, f.st);
    f.sheets[2]->setCell(S::Text101, 20, QStringLiteral("4x0"));
    expected.setCell(S::Text101, 20, QStringLiteral("4x0"));
    f.main.setCell(M::Text104, 3, QString());
    f.main.setCell(M::Text103, 8, QStringLiteral("abc"));
    f.main.setCell(M::Text104, 8, QStringLiteral("."));

    f.click(true);
    QVERIFY(f.platform.shown.isEmpty());
    QCOMPARE(texts(*f.sheets[2]), texts(expected));
    QCOMPARE(f.main.cell(M::Text104, 3), QString());
    QCOMPARE(f.main.cell(M::Text103, 8), QStringLiteral("abc"));
    QCOMPARE(f.main.cell(M::Text104, 8), QStringLiteral("."));
    // Their unit words and every other cell follow the box.
    QCOMPARE(f.main.cell(M::Text104, 2), QStringLiteral("mm"));
    QCOMPARE(f.main.cell(M::Text103, 5), QStringLiteral("M^3/Min @"));
    QCOMPARE(f.main.cell(M::Text105, 3), QStringLiteral("101.6"));
    QCOMPARE(f.main.cell(M::Text106, 9), QStringLiteral("1567.739"));
    // The other sheets convert whole.
    QStringList other = texts(*f.sheets[4]);
    const QStringList converted = texts(expected);
    const int lift = expected.id(S::Text101, 20);
    QCOMPARE(other[lift], QStringLiteral("5.08"));
    other[lift] = converted[lift];
    QCOMPARE(other, converted);
}

void TestMetricSwitch::readerRunsTheHooks()
{
    SwitchFixture f;
    Install_Main_Hooks(f.main, f.set, f.st);
    S expected(QStringLiteral("Form1"));
    Calculate_Sheet(expected, f.st);
    Convert_Sheet_To_Metric(expected, f.st);

    f.st.File_Name = QDir(f.platform.path()).filePath(QStringLiteral("engine.dta"));
    QFile file(f.st.File_Name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Check1 = Yes\r\nCheck2 = Yes\r\nCheck2 = Yes\r\nText101_3 = 0.6\r\n");
    file.close();
    Compare_Model form50;
    Graph_Window_State form60;
    Main_Data_Windows windows{f.main, f.set, form50, form60};
    QVERIFY(Load_Main_Data_File(windows, f.st));
    QVERIFY2(f.platform.shown.isEmpty(), qPrintable(f.platform.texts().join(u'|')));

    // Converted once, then the estimator ran in metric with the typed Mach
    // number: 0.6 x 1125 x 0.3048.
    QCOMPARE(texts(*f.sheets[0]), texts(expected));
    QCOMPARE(f.main.cell(M::Text104, 3), QStringLiteral("104.78"));
    QCOMPARE(f.main.cell(M::Text101, 3), QStringLiteral("0.6"));
    QCOMPARE(f.main.cell(M::Text102, 3), QStringLiteral("205.74"));
    QCOMPARE(f.main.cell(M::Text102, 2), QStringLiteral("Port Vel M/Sec"));
    // The restored "User" box gave the Mach number its typed look.
    const CellLook &mach = f.main.look(f.main.layout().id(M::Text101, 3));
    QVERIFY(!mach.readOnly && mach.tabStop);
    QCOMPARE(mach.backColor, 0xFFFFFFu);
}

void TestMetricSwitch::exitSaveSurvivesABadEstimatorCell()
{
    test::MainFixture f;
    Install_Main_Hooks(f.main, Sheet_Set{}, f.st);
    f.main.setCell(M::Text105, 3, QString());
    Compare_Model form50;
    Graph_Window_State form60;
    Main_Data_Windows windows{f.main, Sheet_Set{}, form50, form60};
    f.platform.answer(AnswerOk);
    QVERIFY(Save_Autosave_File(windows, f.st));
    QCOMPARE(f.platform.texts(), QStringList{QStringLiteral("Error Number 13 -- Type mismatch")});
    QFile saved(Autosave_File_Path(f.st));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().contains("\r\nText105_3 = \r\n"));
}

QTEST_APPLESS_MAIN(TestMetricSwitch)
#include "test_metric_switch.moc"
