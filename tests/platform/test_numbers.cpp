#include "platform/numbers.h"
#include "platform/runtime_error.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace zyt;

class TestNumbers : public QObject {
    Q_OBJECT

private slots:
    void scan_data();
    void scan();
    void parseRaisesTheUsersErrors_data();
    void parseRaisesTheUsersErrors();
    void checkedArithmetic_data();
    void checkedArithmetic();
    void wholeNumbers_data();
    void wholeNumbers();
};

void TestNumbers::scan_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("decimal");
    QTest::addColumn<int>("status");
    QTest::addColumn<double>("value");

    const int ok = int(ParseStatus::Ok);
    const int no = int(ParseStatus::NotANumber);
    const int range = int(ParseStatus::OutOfRange);
    const QChar point = u'.';
    const QChar comma = u',';

    QTest::newRow("whole") << "12" << point << ok << 12.0;
    QTest::newRow("blanks around") << "  12.5\t" << point << ok << 12.5;
    QTest::newRow("minus") << "-3" << point << ok << -3.0;
    QTest::newRow("plus") << "+3" << point << ok << 3.0;
    QTest::newRow("leading separator") << ".5" << point << ok << 0.5;
    QTest::newRow("trailing separator") << "5." << point << ok << 5.0;
    QTest::newRow("exponent") << "1e3" << point << ok << 1000.0;
    QTest::newRow("signed exponent") << "1.5E-2" << point << ok << 0.015;
    QTest::newRow("comma locale") << "1,5" << comma << ok << 1.5;
    QTest::newRow("tiny becomes zero") << "1e-400" << point << ok << 0.0;
    QTest::newRow("leading zeros") << "007" << point << ok << 7.0;

    QTest::newRow("comma under point") << "1,5" << point << no << 0.0;
    QTest::newRow("point under comma") << "1.5" << comma << no << 0.0;
    QTest::newRow("empty") << "" << point << no << 0.0;
    QTest::newRow("blank") << "   " << point << no << 0.0;
    QTest::newRow("sign alone") << "-" << point << no << 0.0;
    QTest::newRow("separator alone") << "." << point << no << 0.0;
    QTest::newRow("trailing minus") << "12-" << point << no << 0.0;
    QTest::newRow("group separator") << "1,234.5" << point << no << 0.0;
    QTest::newRow("letters after digits") << "12abc" << point << no << 0.0;
    QTest::newRow("two separators") << "1.2.3" << point << no << 0.0;
    QTest::newRow("exponent without digits") << "1e" << point << no << 0.0;
    QTest::newRow("exponent sign only") << "1e+" << point << no << 0.0;
    QTest::newRow("two signs") << "--1" << point << no << 0.0;
    QTest::newRow("inner blank") << "1 2" << point << no << 0.0;
    QTest::newRow("hex") << "0x10" << point << no << 0.0;
    QTest::newRow("infinity word") << "inf" << point << no << 0.0;
    QTest::newRow("nan word") << "nan" << point << no << 0.0;
    QTest::newRow("huge") << "1e400" << point << range << 0.0;
    QTest::newRow("huge digits") << QString(400, u'9') << point << range << 0.0;

    // Texts of any length: the digits past a double's precision still count.
    const QString zeros(400, u'0');
    QTest::newRow("400 zeros after the separator") << "1." + zeros << point << ok << 1.0;
    QTest::newRow("400 leading zeros") << zeros + "7.25" << point << ok << 7.25;
    QTest::newRow("400 zeros before the first digit")
        << "-0." + zeros + "5e400" << point << ok << -0.5;
    QTest::newRow("400 zeros, then an exponent out of range")
        << "1" + zeros + "e-9" << point << range << 0.0;
    QTest::newRow("zeros alone") << "0." + zeros << point << ok << 0.0;
    QTest::newRow("a million zeros")
        << QString(1'000'000, u'0') + "3." + QString(1'000'000, u'0') << point << ok << 3.0;
    // Halfway between 1 and the next double: ties to even, and any later
    // nonzero digit, however far, rounds up.
    const QString half = QStringLiteral("1.00000000000000011102230246251565404236316680908203125");
    QTest::newRow("tie to even") << half + zeros << point << ok << 1.0;
    QTest::newRow("just above the tie")
        << half + zeros + zeros + "1" << point << ok << 1.0000000000000002;
}

void TestNumbers::scan()
{
    QFETCH(QString, text);
    QFETCH(QChar, decimal);
    QFETCH(int, status);
    QFETCH(double, value);

    const ParsedNumber n = scanNumber(text, decimal);
    QCOMPARE(int(n.status), status);
    if (status == int(ParseStatus::Ok))
        QVERIFY2(n.value == value, qPrintable(QString::number(n.value, 'g', 17)));
}

void TestNumbers::parseRaisesTheUsersErrors_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");
    QTest::newRow("empty cell") << "" << 13;
    QTest::newRow("letters") << "abc" << 13;
    QTest::newRow("out of range") << "-1e999" << 6;
}

void TestNumbers::parseRaisesTheUsersErrors()
{
    QFETCH(QString, text);
    QFETCH(int, number);
    try {
        parseNumber(text, u'.');
        QFAIL("no error raised");
    } catch (const RuntimeError &e) {
        QCOMPARE(e.number(), number);
    }
}

enum Op { Divide, Multiply, Add, Sqrt, Pow };
Q_DECLARE_METATYPE(Op)

void TestNumbers::checkedArithmetic_data()
{
    QTest::addColumn<Op>("op");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<int>("error");
    QTest::addColumn<double>("result");

    const double big = std::numeric_limits<double>::max();
    QTest::newRow("divide") << Divide << 1.0 << 4.0 << 0 << 0.25;
    QTest::newRow("x / 0") << Divide << 3.0 << 0.0 << 11 << 0.0;
    QTest::newRow("-x / 0") << Divide << -3.0 << 0.0 << 11 << 0.0;
    QTest::newRow("0 / 0") << Divide << 0.0 << 0.0 << 6 << 0.0;
    QTest::newRow("overflowing quotient") << Divide << big << 0.5 << 6 << 0.0;
    QTest::newRow("overflowing product") << Multiply << big << 2.0 << 6 << 0.0;
    QTest::newRow("overflowing sum") << Add << big << big << 6 << 0.0;
    QTest::newRow("square root") << Sqrt << 6.25 << 0.0 << 0 << 2.5;
    QTest::newRow("square root of negative") << Sqrt << -1.0 << 0.0 << 6 << 0.0;
    QTest::newRow("power") << Pow << 3.0 << 2.0 << 0 << 9.0;
    QTest::newRow("power overflow") << Pow << 10.0 << 400.0 << 6 << 0.0;
}

void TestNumbers::checkedArithmetic()
{
    QFETCH(Op, op);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(int, error);
    QFETCH(double, result);

    try {
        Checked x = a;
        Checked y = b;
        Checked r = 0.0;
        switch (op) {
        case Divide:
            r = x / y;
            break;
        case Multiply:
            r = x * y;
            break;
        case Add:
            r = x + y;
            break;
        case Sqrt:
            r = sqrt(x);
            break;
        case Pow:
            r = pow(x, y);
            break;
        }
        QCOMPARE(error, 0);
        QCOMPARE(r.value(), result);
    } catch (const RuntimeError &e) {
        QCOMPARE(e.number(), error);
    }
}

void TestNumbers::wholeNumbers_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("result");

    QTest::newRow("half down to even") << 2.5 << 0 << 2;
    QTest::newRow("half up to even") << 3.5 << 0 << 4;
    QTest::newRow("negative half") << -2.5 << 0 << -2;
    QTest::newRow("below half") << 1.49 << 0 << 1;
    QTest::newRow("top of range") << 32767.4 << 0 << 32767;
    QTest::newRow("rounds past the top") << 32767.5 << 6 << 0;
    QTest::newRow("bottom of range") << -32768.5 << 0 << -32768;
    QTest::newRow("below the bottom") << -32769.0 << 6 << 0;
    QTest::newRow("not a number") << std::nan("") << 6 << 0;
}

void TestNumbers::wholeNumbers()
{
    QFETCH(double, value);
    QFETCH(int, error);
    QFETCH(int, result);
    try {
        const int r = cint(value);
        QCOMPARE(error, 0);
        QCOMPARE(r, result);
    } catch (const RuntimeError &e) {
        QCOMPARE(e.number(), error);
    }
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "test_numbers.moc"
