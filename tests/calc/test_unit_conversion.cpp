#include "calc/calculate_sheet.h"
#include "calc/unit_conversion.h"
#include "calc_fixture.h"

#include <QTest>

using namespace zyt;
using S = Flow_Test_Sheet;

class TestUnitConversion : public QObject {
    Q_OBJECT

private slots:
    void roundTrips_data();
    void roundTrips();
    void zeroRow_data();
    void zeroRow();
    void untouchedCells();
    void unitWords();
    void notANumberIsLeftAlone();
    void totalsConvertToo();
    void twiceConvertsTwice();
};

void TestUnitConversion::roundTrips_data()
{
    QTest::addColumn<int>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("startMetric");
    QTest::addColumn<QString>("converted");
    QTest::addColumn<QString>("back");

    auto row = [](const char *name, S::Array a, int i, const char *start, bool metric,
                  const char *converted, const char *back) {
        QTest::newRow(name) << int(a) << i << QString::fromLatin1(start) << metric
                            << QString::fromLatin1(converted) << QString::fromLatin1(back);
    };
    row("lift 650", S::Text101, 20, "650", false, "16.51", "650");
    row("lift 333", S::Text101, 20, "333", false, "8.458", "333");
    row("metric lift 0.5", S::Text101, 20, "0.5", true, "20", "0.508");
    row("lift copy", S::Text108, 20, "650", false, "16.51", "650");
    row("flow 285", S::Text106, 30, "285", false, "8.0703", "285.0");
    row("flow 240.9", S::Text107, 30, "240.9", false, "6.8215", "240.9");
    row("corrected flow", S::Text102, 30, "285", false, "8.0703", "285.0");
    row("velocity 37.3", S::Text114, 17, "37.3", false, "11.4", "37.4");
    row("valve velocity", S::Text204, 17, "37.3", false, "11.4", "37.4");
    row("0.25D 505", S::Text102, 9, "505", false, "12.83", "505");
    row("max lift 700", S::Text110, 6, "700", false, "17.78", "700");
    row("corner area", S::Text111, 2, "0.034336", false, "22.152214", "0.034336");
    row("empty corner area", S::Text112, 3, "", false, "", "");
    row("valve diameter", S::Text102, 3, "2.02", false, "51.308", "2.02");
    row("throat area", S::Text102, 7, "1.89", false, "1219.35", "1.89");
    row("seat width", S::Text202, 5, "0.045", false, "1.143", "0.045");
    row("engine bore", S::Text112, 6, "4.00", false, "101.6", "4.0");
    row("effective lift", S::Text104, 26, "505", false, "12.827", "505");
    row("flow per area", S::Text109, 17, "146", false, "2667.26", "146.0");
    row("effective area", S::Text201, 17, "0.218", false, "140.645", "0.218");
}

void TestUnitConversion::roundTrips()
{
    QFETCH(int, array);
    QFETCH(int, index);
    QFETCH(QString, start);
    QFETCH(bool, startMetric);
    QFETCH(QString, converted);
    QFETCH(QString, back);

    test::CalcFixture f;
    S sheet;
    const auto a = S::Array(array);
    sheet.setCell(a, index, start);
    if (startMetric) {
        Convert_Sheet_To_Standard(sheet, f.st.numbers);
        QCOMPARE(sheet.cell(a, index), converted);
        Convert_Sheet_To_Metric(sheet, f.st.numbers);
    } else {
        Convert_Sheet_To_Metric(sheet, f.st.numbers);
        QCOMPARE(sheet.cell(a, index), converted);
        Convert_Sheet_To_Standard(sheet, f.st.numbers);
    }
    QCOMPARE(sheet.cell(a, index), back);
}

void TestUnitConversion::zeroRow_data()
{
    QTest::addColumn<bool>("toMetric");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QStringList>("expected"); // in the order of the columns below

    // Text101, Text102, Text104, Text106, Text108, Text109, Text114, Text201
    QTest::newRow("to standard") << false << 0
                                 << QStringList{"0", "0.0", "0", "0.0", "0", "0.0", "0.0", "0.0"};
    QTest::newRow("to metric") << true << 0 << QStringList{"0.0", "0.0", "0.0", "0.0",
                                                           "0.0", "0.0", "0.0", "0.0"};
    QTest::newRow("to standard, right aligned")
        << false << 1 << QStringList{"0", "0.00", "0", "0.00", "0", "0.00", "0.0", "0.000"};
    QTest::newRow("to metric, right aligned")
        << true << 1
        << QStringList{"0.000", "0.0000", "0.0000", "0.0000", "0.000", "0.00", "0.0", "0.000"};
}

void TestUnitConversion::zeroRow()
{
    QFETCH(bool, toMetric);
    QFETCH(int, alignment);
    QFETCH(QStringList, expected);

    test::CalcFixture f;
    f.st.numbers.Box_Alignment = alignment;
    S sheet;
    const S::Array columns[] = {S::Text101, S::Text102, S::Text104, S::Text106,
                                S::Text108, S::Text109, S::Text114, S::Text201};
    for (S::Array a : columns)
        sheet.setCell(a, 16, QStringLiteral("0"));
    if (toMetric)
        Convert_Sheet_To_Metric(sheet, f.st.numbers);
    else
        Convert_Sheet_To_Standard(sheet, f.st.numbers);
    QStringList actual;
    for (S::Array a : columns)
        actual << sheet.cell(a, 16);
    QCOMPARE(actual, expected);
}

void TestUnitConversion::untouchedCells()
{
    test::CalcFixture f;
    S sheet;
    Calculate_Sheet(sheet, f.st.Metric(), f.st.calc, f.st.numbers, f.st.platform);
    const struct {
        S::Array a;
        int i;
    } untouched[] = {
        {S::Text102, 0},  {S::Text102, 1},  {S::Text104, 1},  {S::Text102, 10}, {S::Text106, 6},
        {S::Text108, 6},  {S::Text108, 7},  {S::Text108, 8},  {S::Text110, 5},  {S::Text110, 8},
        {S::Text107, 4},  {S::Text107, 5},  {S::Text113, 7},  {S::Text113, 8},  {S::Text115, 7},
        {S::Text115, 8},  {S::Text113, 10}, {S::Text113, 11}, {S::Text113, 12}, {S::Text202, 4},
        {S::Text204, 4},  {S::Text111, 20}, {S::Text112, 20}, {S::text205, 20}, {S::Text206, 20},
        {S::Text113, 20}, {S::Text207, 20}, {S::Text208, 20}, {S::Text209, 20}, {S::Text210, 20},
        {S::Text211, 20}, {S::Text101, 3},  {S::Text106, 13},
    };
    QStringList texts;
    for (const auto &c : untouched)
        texts << sheet.cell(c.a, c.i);
    Convert_Sheet_To_Metric(sheet, f.st.numbers);
    QStringList after;
    for (const auto &c : untouched)
        after << sheet.cell(c.a, c.i);
    QCOMPARE(after, texts);
}

void TestUnitConversion::unitWords()
{
    test::CalcFixture f;
    S sheet;
    Convert_Sheet_To_Metric(sheet, f.st.numbers);
    QCOMPARE(sheet.cell(S::Text101, 15), QStringLiteral("Lift mm"));
    QCOMPARE(sheet.cell(S::Text105, 14), QStringLiteral("Lift mm"));
    QCOMPARE(sheet.cell(S::Text103, 13), QStringLiteral("M^3 Min"));
    QCOMPARE(sheet.cell(S::Text107, 12), QStringLiteral("M^3 Min"));
    QCOMPARE(sheet.cell(S::Text110, 14), QStringLiteral("Sq mm"));
    QCOMPARE(sheet.cell(S::Text114, 12), QStringLiteral("M/Sec"));
    QCOMPARE(sheet.cell(S::Text114, 13), QStringLiteral("Mean")); // other header words stay
    Convert_Sheet_To_Standard(sheet, f.st.numbers);
    const S fresh;
    for (int id = 0; id < sheet.layout().cellCount(); ++id)
        if (sheet.layout().info(id).kind == CellKind::Header)
            QCOMPARE(sheet.text(id), fresh.text(id));
}

void TestUnitConversion::notANumberIsLeftAlone()
{
    test::CalcFixture f;
    S sheet;
    sheet.setCell(S::Text101, 20, QStringLiteral("2OO")); // letters O for zeros
    sheet.setCell(S::Text106, 21, QString());
    Convert_Sheet_To_Metric(sheet, f.st.numbers);
    QCOMPARE(sheet.cell(S::Text101, 20), QStringLiteral("2OO"));
    QCOMPARE(sheet.cell(S::Text106, 21), QString());
    // Everything after it converted all the same.
    QCOMPARE(sheet.cell(S::Text101, 21), QStringLiteral("6.35"));
    QCOMPARE(sheet.cell(S::Text106, 20), QStringLiteral("4.1059"));
    QCOMPARE(sheet.cell(S::Text112, 6), QStringLiteral("101.6"));
}

void TestUnitConversion::totalsConvertToo()
{
    test::CalcFixture f;
    S sheet;
    Calculate_Sheet(sheet, f.st.Metric(), f.st.calc, f.st.numbers, f.st.platform);
    Convert_Sheet_To_Metric(sheet, f.st.numbers);
    QCOMPARE(sheet.cell(S::Text106, 11), QStringLiteral("79.9")); // 2821.2 CFM
    QCOMPARE(sheet.cell(S::Text102, 11), QStringLiteral("5.7"));  // 201.5 CFM
    QCOMPARE(sheet.cell(S::Text103, 11), QStringLiteral("4.3"));  // 150.4 CFM
    QCOMPARE(sheet.cell(S::Text107, 11), QStringLiteral("59.6")); // 2106.0 CFM
}

void TestUnitConversion::twiceConvertsTwice()
{
    test::CalcFixture f;
    S sheet;
    Convert_Sheet_To_Metric(sheet, f.st.numbers);
    Convert_Sheet_To_Metric(sheet, f.st.numbers);
    QCOMPARE(sheet.cell(S::Text102, 3), QStringLiteral("1303.223")); // 2.02 * 25.4 * 25.4
}

QTEST_APPLESS_MAIN(TestUnitConversion)
#include "test_unit_conversion.moc"
