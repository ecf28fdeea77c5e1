#include "calc/formats.h"
#include "model/flow_test_sheet.h"
#include "model/number_style.h"
#include "platform/runtime_error.h"

#include <QSignalSpy>
#include <QTest>

#include <limits>

using namespace zyt;

namespace {

using Formatter = QString (*)(double, const NumberStyle &);

Formatter formatter(const QString &name)
{
    static const QHash<QString, Formatter> all = {
        {QStringLiteral("Thousands"), Format_Thousands},
        {QStringLiteral("Int"), Format_Int},
        {QStringLiteral("1"), Format_1_Dec},
        {QStringLiteral("2"), Format_2_Dec},
        {QStringLiteral("3"), Format_3_Dec},
        {QStringLiteral("4"), Format_4_Dec},
        {QStringLiteral("5"), Format_5_Dec},
        {QStringLiteral("6"), Format_6_Dec},
        {QStringLiteral("Short"), Format_Short_Decimal},
    };
    return all.value(name);
}

NumberStyle styleFor(bool comma, int alignment = 0)
{
    NumberStyle numbers;
    if (comma)
        numbers.setLocaleSeparators(u',', u'.');
    else
        numbers.setLocaleSeparators(u'.', u',');
    numbers.Box_Alignment = alignment;
    return numbers;
}

} // namespace

class TestFormats : public QObject {
    Q_OBJECT

private slots:
    void masks_data();
    void masks();
    void nonFiniteIsOverflow();
    void fixDecimalSep_data();
    void fixDecimalSep();
    void walks_data();
    void walks();
    void walkWritesOnlyChangedCells();
};

void TestFormats::masks_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("comma");
    QTest::addColumn<QString>("left");  // alignment 0, and 2 (centre) alike
    QTest::addColumn<QString>("right"); // alignment 1

    auto row = [](const char *name, const char *mask, double value, bool comma, const char *left,
                  const char *right) {
        QTest::newRow(name) << QString::fromLatin1(mask) << value << comma
                            << QString::fromLatin1(left) << QString::fromLatin1(right);
    };

    // The three masks that follow the alignment.
    row("2 dec whole", "2", 3, false, "3.0", "3.00");
    row("2 dec one decimal", "2", 2.5, false, "2.5", "2.50");
    row("2 dec two decimals", "2", 2.25, false, "2.25", "2.25");
    row("2 dec rounds up into a whole", "2", 2.999, false, "3.0", "3.00");
    row("3 dec", "3", 0.1234, false, "0.123", "0.123");
    row("4 dec", "4", 0.5, false, "0.5", "0.5000");
    row("4 dec comma", "4", 0.5, true, "0,5", "0,5000");
    // The others do not.
    row("1 dec", "1", 2.26, false, "2.3", "2.3");
    row("1 dec comma locale", "1", 2.26, true, "2,3", "2,3");
    row("5 dec", "5", 0.123456, false, "0.12346", "0.12346");
    row("6 dec", "6", 0.0343359, false, "0.034336", "0.034336");
    row("6 dec tiny half", "6", 5e-7, false, "0.000001", "0.000001");
    row("6 dec below half", "6", 4e-7, false, "0.0", "0.0");
    row("int", "Int", 1234.4, false, "1234", "1234");
    row("thousands", "Thousands", 1234.4, false, "1,234", "1,234");
    row("thousands million", "Thousands", 1200000.4, false, "1,200,000", "1,200,000");
    row("thousands comma locale", "Thousands", 1200000.4, true, "1.200.000", "1.200.000");
    row("thousands small", "Thousands", 999, false, "999", "999");
    // Exact halves held just below the half still round up, and doubles
    // a hair below a decimal half round as the decimal reads.
    row("0.7545 to three", "3", 0.7545, false, "0.755", "0.755");
    row("0.0625 to three", "3", 0.0625, false, "0.063", "0.063");
    row("0.95 to one", "1", 0.95, false, "1.0", "1.0");
    row("int half", "Int", 2.5, false, "3", "3");
    row("int negative half", "Int", -0.5, false, "-1", "-1");
    // Signs and zero.
    row("negative", "2", -2.25, false, "-2.25", "-2.25");
    row("negative rounding to zero", "1", -0.04, false, "-0.0", "-0.0");
    row("zero", "1", 0, false, "0.0", "0.0");
    row("negative zero", "2", -0.0, false, "0.0", "0.00");
    row("carry through nines", "2", 99.999, false, "100.0", "100.00");
    row("large", "1", 1e20, false, "100000000000000000000.0", "100000000000000000000.0");
    row("fifteen digits", "Int", 123456789012345678.0, false, "123456789012346000",
        "123456789012346000");
    // Short decimal: eight characters, cut and not rounded; a longer whole
    // part stays whole.
    row("short cut", "Short", 123.4567891, false, "123.4567", "123.4567");
    row("short eight digits", "Short", 12345678.25, false, "12345678", "12345678");
    row("short nine digits", "Short", 123456789.25, false, "123456789", "123456789");
    row("short negative", "Short", -1234567.25, false, "-1234567", "-1234567");
    row("short small", "Short", 0.5, false, "0.5", "0.5");
    row("short comma cut", "Short", 123.4567891, true, "123,4567", "123,4567");
    row("short comma nine digits", "Short", 123456789.25, true, "123456789", "123456789");
}

void TestFormats::masks()
{
    QFETCH(QString, mask);
    QFETCH(double, value);
    QFETCH(bool, comma);
    QFETCH(QString, left);
    QFETCH(QString, right);

    const Formatter f = formatter(mask);
    QVERIFY(f);
    QCOMPARE(f(value, styleFor(comma, 0)), left);
    QCOMPARE(f(value, styleFor(comma, 2)), left);
    QCOMPARE(f(value, styleFor(comma, 1)), right);
}

void TestFormats::nonFiniteIsOverflow()
{
    try {
        Format_1_Dec(std::numeric_limits<double>::infinity(), styleFor(false));
        QFAIL("no error raised");
    } catch (const RuntimeError &e) {
        QCOMPARE(e.number(), 6);
    }
}

void TestFormats::fixDecimalSep_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("comma");
    QTest::addColumn<QString>("expected"); // empty: error 13

    QTest::newRow("comma under point") << "1,5" << false << "1.5";
    QTest::newRow("point under comma") << "1.5" << true << "1,5";
    QTest::newRow("own separator") << "1.25" << false << "1.25";
    QTest::newRow("trailing zero") << "2.50" << false << "2.5";
    QTest::newRow("whole") << "3" << false << "3";
    QTest::newRow("leading zeros") << "007" << false << "7";
    QTest::newRow("negative zero") << "-0" << false << "0";
    QTest::newRow("exponent form") << "1e16" << false << "1E+16";
    QTest::newRow("only the first changes") << "1,2,3" << false << "";
    QTest::newRow("empty") << "" << false << "";
    QTest::newRow("letters") << "abc" << false << "";
}

void TestFormats::fixDecimalSep()
{
    QFETCH(QString, text);
    QFETCH(bool, comma);
    QFETCH(QString, expected);

    const NumberStyle numbers = styleFor(comma);
    try {
        const QString fixed = Fix_Decimal_Sep(text, numbers);
        QVERIFY2(!expected.isEmpty(), qPrintable(fixed));
        QCOMPARE(fixed, expected);
        QCOMPARE(fixDecimalSepValue(text, numbers), fixDecimalSepValue(fixed, numbers));
    } catch (const RuntimeError &e) {
        QVERIFY(expected.isEmpty());
        QCOMPARE(e.number(), 13);
    }
}

void TestFormats::walks_data()
{
    QTest::addColumn<bool>("toCommas");
    QTest::addColumn<int>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    using S = Flow_Test_Sheet;
    const int single = S::Single;
    QTest::newRow("input to comma") << true << int(S::Text102) << 3 << "2.02"
                                    << "2,02";
    QTest::newRow("result to comma") << true << int(S::Text110) << 2 << "2.602"
                                     << "2,602";
    QTest::newRow("lift row to comma") << true << int(S::Text106) << 20 << "145.5"
                                       << "145,5";
    QTest::newRow("no separator") << true << int(S::Text102) << 1 << "203"
                                  << "203";
    QTest::newRow("two points stay") << true << int(S::Text102) << 3 << "1.2.3"
                                     << "1.2.3";
    QTest::newRow("part number stays") << true << int(S::Text102) << 0 << "1.5"
                                       << "1.5";
    QTest::newRow("label stays") << true << int(S::Text101) << 9 << "0.25D In./Ex"
                                 << "0.25D In./Ex";
    QTest::newRow("comment stays") << true << int(S::Text38) << single << "Ported. 2.02 valve"
                                   << "Ported. 2.02 valve";
    QTest::newRow("path stays") << true << int(S::Text39) << single << "/home/a/flow1.dat"
                                << "/home/a/flow1.dat";
    QTest::newRow("input to point") << false << int(S::Text102) << 3 << "2,02"
                                    << "2.02";
    QTest::newRow("comment with comma stays")
        << false << int(S::Text38) << single << "Springfield, IL"
        << "Springfield, IL";
    QTest::newRow("pipe answer stays") << false << int(S::Text102) << 10 << "No, 2,5"
                                       << "No, 2,5";
}

void TestFormats::walks()
{
    QFETCH(bool, toCommas);
    QFETCH(int, array);
    QFETCH(int, index);
    QFETCH(QString, before);
    QFETCH(QString, after);

    Flow_Test_Sheet sheet;
    const auto a = Flow_Test_Sheet::Array(array);
    sheet.setCell(a, index, before);
    if (toCommas)
        Form_Dots_To_Commas(sheet);
    else
        Form_Commas_To_Dots(sheet);
    QCOMPARE(sheet.cell(a, index), after);
}

void TestFormats::walkWritesOnlyChangedCells()
{
    Flow_Test_Sheet sheet;
    QSignalSpy spy(&sheet, &CellModel::cellChanged);
    Form_Commas_To_Dots(sheet); // the defaults hold no comma
    QCOMPARE(spy.count(), 0);
    Form_Dots_To_Commas(sheet);
    Form_Commas_To_Dots(sheet);
    Flow_Test_Sheet fresh;
    for (int id = 0; id < sheet.layout().cellCount(); ++id)
        QCOMPARE(sheet.text(id), fresh.text(id));
}

QTEST_APPLESS_MAIN(TestFormats)
#include "test_formats.moc"
