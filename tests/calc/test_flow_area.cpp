#include "calc/flow_area.h"
#include "calc_fixture.h"
#include "platform/runtime_error.h"

#include <QTest>

#include <cmath>

using namespace zyt;
using S = Flow_Test_Sheet;

namespace {

// The worked valve: 2.02 in head, 0.3125 in stem, 1.8 in throat, 45 degree
// seat 0.06 in wide.
void setWorkedValve(S &sheet, bool metric, int valves = 1)
{
    auto len = [&](double inches) {
        return QString::number(metric ? inches * 25.4 : inches, 'g', 10);
    };
    sheet.setCell(S::Text102, 3, len(2.02));
    sheet.setCell(S::Text102, 4, len(0.3125));
    sheet.setCell(S::Text102, 6, len(1.8));
    sheet.setCell(S::Text202, 4, QStringLiteral("45"));
    sheet.setCell(S::Text202, 5, len(0.06));
    sheet.setCell(S::Text106, 6, QString::number(valves));
}

} // namespace

class TestFlowArea : public QObject {
    Q_OBJECT

private slots:
    void workedExample_data();
    void workedExample();
    void regimes_data();
    void regimes();
    void seatFaults_data();
    void seatFaults();
    void exhaustOverwritesIntake();
};

void TestFlowArea::workedExample_data()
{
    QTest::addColumn<bool>("metric");
    QTest::addColumn<int>("valves");
    QTest::addColumn<double>("lift"); // inches
    QTest::addColumn<double>("area");

    for (bool metric : {false, true}) {
        for (int valves : {1, 2}) {
            const QByteArray tag =
                QByteArray(metric ? "mm" : "in") + (valves == 2 ? " 2 valves" : "");
            auto row = [&](const char *name, double lift, double area) {
                QTest::addRow("%s %s", tag.constData(), name)
                    << metric << valves << lift << area * valves;
            };
            row("0.020 low lift", 0.020, 0.086421);
            row("0.050 low lift", 0.050, 0.217718);
            row("0.100 high lift", 0.100, 0.444317);
            row("0.300 high lift", 0.300, 1.621798);
            row("0.500 throat", 0.500, 2.467991);
            row("0.900 throat", 0.900, 2.467991);
            row("0 lift", 0.0, 0.0);
        }
    }
}

void TestFlowArea::workedExample()
{
    QFETCH(bool, metric);
    QFETCH(int, valves);
    QFETCH(double, lift);
    QFETCH(double, area);

    test::CalcFixture f;
    f.setMetric(metric);
    f.st.calc.Valves_In = valves;
    f.st.calc.Valves_Ex = 1;
    S sheet;
    setWorkedValve(sheet, metric, valves);
    Calc_Valve_Geometry(sheet, f.st.numbers, f.st.Metric(), f.st.calc);
    QVERIFY(std::fabs(f.st.calc.Intake_Geometry.Net_Throat_Area - 2.467991 * valves) <=
            0.5e-6 * valves);
    // The lift argument is the cell divided by 1000: inches, or metres.
    Calc_Intake_Curtain_Area(metric ? lift * 25.4 / 1000.0 : lift, f.st.Metric(), f.st.calc);
    // The figures are given to six decimals.
    QVERIFY2(std::fabs(f.st.calc.Curtain_Area - area) <= 0.5e-6 * valves + 1e-12,
             qPrintable(QString::number(f.st.calc.Curtain_Area, 'f', 9)));
}

void TestFlowArea::regimes_data()
{
    QTest::addColumn<double>("seatWidth");
    QTest::addColumn<double>("lift");
    QTest::addColumn<double>("area");

    // B = w / sin 45 = 0.084853 for w = 0.06; both sides of it meet.
    const double b = 0.06 / std::sin(45 * 0.017453292519943278);
    const double atBoundary =
        3.14159265358979 * (2.02 - 0.06 * std::cos(45 * 0.017453292519943278)) * 0.06 *
        std::cos(45 * 0.017453292519943278) / std::sin(45 * 0.017453292519943278);
    QTest::newRow("exactly at the boundary") << 0.06 << b << atBoundary;
    QTest::newRow("just below the boundary") << 0.06 << b - 1e-12 << atBoundary;
    // No seat width: the plain curtain n * pi * D * L, limited by the throat.
    QTest::newRow("no seat width") << 0.0 << 0.1 << 3.14159265358979 * 2.02 * 0.1;
    QTest::newRow("no seat width, throat") << 0.0 << 0.5 << 2.467991;
}

void TestFlowArea::regimes()
{
    QFETCH(double, seatWidth);
    QFETCH(double, lift);
    QFETCH(double, area);

    test::CalcFixture f;
    S sheet;
    setWorkedValve(sheet, false);
    sheet.setCell(S::Text202, 5, QString::number(seatWidth));
    Calc_Valve_Geometry(sheet, f.st.numbers, f.st.Metric(), f.st.calc);
    Calc_Intake_Curtain_Area(lift, f.st.Metric(), f.st.calc);
    QCOMPARE(qRound64(f.st.calc.Curtain_Area * 1e6), qRound64(area * 1e6));
}

void TestFlowArea::seatFaults_data()
{
    QTest::addColumn<QString>("angle");
    QTest::addColumn<QString>("width");
    QTest::addColumn<int>("error");

    QTest::newRow("seat angle 0") << "0"
                                  << "0.06" << 11;
    QTest::newRow("seat angle and width 0") << "0"
                                            << "0" << 6;
    QTest::newRow("empty seat width") << "45"
                                      << "" << 13;
}

void TestFlowArea::seatFaults()
{
    QFETCH(QString, angle);
    QFETCH(QString, width);
    QFETCH(int, error);

    test::CalcFixture f;
    S sheet;
    setWorkedValve(sheet, false);
    sheet.setCell(S::Text202, 4, angle);
    sheet.setCell(S::Text202, 5, width);
    try {
        Calc_Valve_Geometry(sheet, f.st.numbers, f.st.Metric(), f.st.calc);
        Calc_Intake_Curtain_Area(0.1, f.st.Metric(), f.st.calc);
        QFAIL("no error raised");
    } catch (const RuntimeError &e) {
        QCOMPARE(e.number(), error);
    }
}

void TestFlowArea::exhaustOverwritesIntake()
{
    test::CalcFixture f;
    S sheet;
    setWorkedValve(sheet, false);
    Calc_Valve_Geometry(sheet, f.st.numbers, f.st.Metric(), f.st.calc);
    Calc_Intake_Curtain_Area(0.05, f.st.Metric(), f.st.calc);
    const double intake = f.st.calc.Curtain_Area;
    Calc_Exhaust_Curtain_Area(0.05, f.st.Metric(), f.st.calc);
    QVERIFY(f.st.calc.Curtain_Area != intake);
    QVERIFY(f.st.calc.Curtain_Area > 0.0);
}

QTEST_APPLESS_MAIN(TestFlowArea)
#include "test_flow_area.moc"
