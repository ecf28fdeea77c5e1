#include "calc/calculate_sheet.h"
#include "calc/flow_area.h"
#include "calc/unit_conversion.h"
#include "calc_fixture.h"

#include <QTest>

#include <cmath>

using namespace zyt;
using S = Flow_Test_Sheet;

namespace {

struct Expect {
    S::Array array;
    int index;
    const char *text;
};

const QString Closing = QStringLiteral(
    "\r\n\r\nPlease Save your Data.\r\n\r\nIf you can NOT Find the Reason for this Error. Please "
    "the Sent the Saved Data file and a Print Screen of this Error to Software Support.");
const QString ZeroLine =
    QStringLiteral("\r\n\r\nCheck for a Field that has a Value of Zero that should not be Zero");

double value(const S &sheet, S::Array a, int i)
{
    bool ok = false;
    const double v = sheet.cell(a, i).toDouble(&ok);
    return ok ? v : std::nan("");
}

} // namespace

class TestCalculateSheet : public QObject {
    Q_OBJECT

private slots:
    void sampleTest_data();
    void sampleTest();
    void sampleTestRightAligned();
    void maxLift_data();
    void maxLift();
    void cautions_data();
    void cautions();
    void flowsAndDepressions();
    void noIntakeFlowAtAll();
    void errors_data();
    void errors();
    void firstUnusableCellNamesTheError_data();
    void firstUnusableCellNamesTheError();
    void metricSample();
    void metricListedValues();
    void metricWarningHasFourLines();
    void oneSheetLeavesTheOthersAlone();
};

void TestCalculateSheet::sampleTest_data()
{
    QTest::addColumn<int>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");

    const Expect expected[] = {
        // Panel.
        {S::Text102, 2, "2.306"},
        {S::Text104, 2, "1.589"},
        {S::Text102, 5, "3.205"},
        {S::Text104, 5, "2.011"},
        {S::Text102, 7, "1.89"},
        {S::Text104, 7, "1.29"},
        {S::Text113, 7, "0.7673"},
        {S::Text115, 7, "0.8"},
        {S::Text113, 8, "0.505"},
        {S::Text115, 8, "0.4"},
        {S::Text102, 9, "505.0"},
        {S::Text103, 9, "400.0"},
        {S::Text110, 8, "1.0"},
        {S::Text111, 2, "0.034336"},
        {S::Text112, 2, "0.034336"},
        {S::Text111, 3, "0.034336"},
        {S::Text112, 3, "0.034336"},
        {S::Text110, 2, "2.499"},
        {S::Text110, 3, "1.698"},
        {S::Text107, 4, "0.78"},
        {S::Text107, 5, "0.844"},
        // Lift 50.
        {S::Text102, 17, "35.8"},
        {S::Text103, 17, "24.6"},
        {S::Text104, 17, "50"},
        {S::Text105, 17, "50"},
        {S::Text109, 17, "112.83"},
        {S::Text110, 17, "97.88"},
        {S::Text111, 17, "0.773"},
        {S::Text112, 17, "0.67"},
        {S::Text113, 17, "0.687"},
        {S::Text114, 17, "37.3"},
        {S::Text115, 17, "37.2"},
        {S::Text208, 17, "0.025"},
        // Exhaust L/D at lift 100 sits on an exact half.
        {S::Text209, 18, "0.063"},
        // Lift 600: the 0.25D texts are copied.
        {S::Text104, 26, "505.0"},
        {S::Text105, 26, "400.0"},
        {S::Text109, 26, "83.63"},
        {S::Text110, 26, "93.8"},
        // Lift 0: formatted zeros where a value was formatted, "0" elsewhere.
        {S::Text102, 16, "0.0"},
        {S::Text103, 16, "0.0"},
        {S::Text111, 16, "0.0"},
        {S::Text112, 16, "0.0"},
        {S::Text114, 16, "0.0"},
        {S::Text115, 16, "0.0"},
        {S::Text104, 16, "0"},
        {S::Text105, 16, "0"},
        {S::Text109, 16, "0"},
        {S::Text110, 16, "0"},
        {S::Text113, 16, "0"},
        {S::Text201, 16, "0"},
        {S::Text202, 16, "0"},
        {S::Text203, 16, "0"},
        {S::Text204, 16, "0"},
        {S::text205, 16, "0"},
        {S::Text206, 16, "0"},
        {S::Text208, 16, "0"},
        {S::Text209, 16, "0"},
        // After the rows.
        {S::Text113, 10, "0.755"},
        {S::Text113, 11, "0.738"},
        {S::Text113, 12, "0.742"},
        {S::Text106, 11, "2821.2"},
        {S::Text107, 11, "2106.0"},
        {S::Text102, 11, "201.5"},
        {S::Text103, 11, "150.4"},
    };
    for (const Expect &e : expected)
        QTest::addRow("%s(%d)", qPrintable(S::sheetLayout().arrayName(e.array)), e.index)
            << int(e.array) << e.index << QString::fromLatin1(e.text);
}

void TestCalculateSheet::sampleTest()
{
    QFETCH(int, array);
    QFETCH(int, index);
    QFETCH(QString, text);

    test::CalcFixture f;
    S sheet;
    Calculate_Sheet(sheet, f.st.Metric(), f.st.calc, f.st.numbers, f.st.platform);
    QVERIFY2(f.platform.shown.isEmpty(), qPrintable(f.platform.texts().join(u'|')));
    QCOMPARE(sheet.cell(S::Array(array), index), text);
    QCOMPARE(f.st.calc.Ratio_Count, 11);
    QCOMPARE(f.st.calc.Avg_Ratio_Count, 14);
}

void TestCalculateSheet::sampleTestRightAligned()
{
    test::CalcFixture f;
    f.st.numbers.Box_Alignment = 1;
    S sheet;
    Calculate_Sheet(sheet, f.st.Metric(), f.st.calc, f.st.numbers, f.st.platform);
    QCOMPARE(sheet.cell(S::Text115, 7), QStringLiteral("0.8000"));
    QCOMPARE(sheet.cell(S::Text102, 9), QStringLiteral("505.00"));
    QCOMPARE(sheet.cell(S::Text110, 8), QStringLiteral("1.0000"));
    QCOMPARE(sheet.cell(S::Text107, 4), QStringLiteral("0.780"));
    QCOMPARE(sheet.cell(S::Text112, 17), QStringLiteral("0.670"));
    QCOMPARE(sheet.cell(S::Text102, 17), QStringLiteral("35.8")); // one decimal either way
}

void TestCalculateSheet::maxLift_data()
{
    QTest::addColumn<QString>("maxLift");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("existing");

    QTest::newRow("700: lifts 50 to 700") << "700" << 11 << "0.738";
    QTest::newRow("600 equal to a lift counts it") << "600" << 10 << "";
    QTest::newRow("599") << "599" << 9 << "";
    QTest::newRow("0.65 typed for 650") << "0.65" << 0 << "-";
    QTest::newRow("empty") << "" << 0 << "-";
}

void TestCalculateSheet::maxLift()
{
    QFETCH(QString, maxLift);
    QFETCH(int, rows);
    QFETCH(QString, existing);

    test::CalcFixture f;
    S sheet;
    sheet.setCell(S::Text110, 6, maxLift);
    if (rows == 0)
        f.platform.answer(AnswerOk);
    Calculate_Sheet(sheet, f.st.Metric(), f.st.calc, f.st.numbers, f.st.platform);
    QCOMPARE(f.st.calc.Ratio_Count, rows);
    QCOMPARE(f.st.calc.Avg_Ratio_Count, 14); // no Max Lift limit
    QCOMPARE(sheet.cell(S::Text113, 12), QStringLiteral("0.742"));
    if (!existing.isEmpty())
        QCOMPARE(sheet.cell(S::Text113, 11), existing);
    if (rows == 0) {
        QCOMPARE(f.platform.shown.size(), 1);
        const MsgRequest &r = f.platform.shown.first();
        QCOMPARE(r.icon, MsgIcon::Exclamation);
        QVERIFY(!r.title);
        QCOMPARE(r.text,
                 QStringLiteral(
                     "Problem Calculating Exisiting Intake / Exhaust Ratio\r\n"
                     "One possible cause is the Max Lift Value is to Low or Incorrect\r\n\r\n"
                     "An example would be Your Max Lift Value is .65 and You need to ENTER 650 "
                     "just like you would Enter for the Flow Numbers.\r\n\r\n"
                     "If this is not the case PLEASE Save this data to a file and email it to "
                     "Customer Support"));
    } else {
        QVERIFY(f.platform.shown.isEmpty());
    }
}

void TestCalculateSheet::cautions_data()
{
    QTest::addColumn<int>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("ratio");
    QTest::addColumn<QString>("caution"); // empty: none

    QTest::newRow("intake throat at 0.915") << int(S::Text102) << 6 << "1.8483"
                                            << "0.915"
                                            << "";
    QTest::newRow("intake throat at 0.9151")
        << int(S::Text102) << 6 << "1.8485"
        << "0.9151"
        << "Caution - The Intake Throat Valve Ratio maybe a little high";
    QTest::newRow("exhaust throat above")
        << int(S::Text104) << 6 << "1.5"
        << "0.9375"
        << "Caution - The Exhaust Throat Valve Ratio maybe a little high";
    QTest::newRow("intake valve bore above")
        << int(S::Text112) << 6 << "3.7"
        << "0.5459"
        << "Caution - The Intake Valve Bore Ratio maybe a little high";
    QTest::newRow("exhaust valve bore at 0.46") << int(S::Text104) << 3 << "1.84"
                                                << "0.46"
                                                << "";
}

void TestCalculateSheet::cautions()
{
    QFETCH(int, array);
    QFETCH(int, index);
    QFETCH(QString, input);
    QFETCH(QString, ratio);
    QFETCH(QString, caution);

    test::CalcFixture f;
    S sheet;
    sheet.setCell(S::Array(array), index, input);
    if (!caution.isEmpty())
        f.platform.answer(AnswerOk);
    Calculate_Sheet(sheet, f.st.Metric(), f.st.calc, f.st.numbers, f.st.platform);

    const QStringList ratios = {sheet.cell(S::Text113, 7), sheet.cell(S::Text115, 7),
                                sheet.cell(S::Text113, 8), sheet.cell(S::Text115, 8)};
    QVERIFY2(ratios.contains(ratio), qPrintable(ratios.join(u' ')));
    if (caution.isEmpty()) {
        QVERIFY2(f.platform.shown.isEmpty(), qPrintable(f.platform.texts().join(u'|')));
    } else {
        QCOMPARE(f.platform.texts(), QStringList{caution});
        QCOMPARE(f.platform.shown.first().icon, MsgIcon::None);
        // The calculation went on to the end.
        QCOMPARE(sheet.cell(S::Text113, 10), QStringLiteral("0.755"));
    }
}

void TestCalculateSheet::flowsAndDepressions()
{
    test::CalcFixture f;
    S sheet;
    // Row 20: no observed flows.
    sheet.setCell(S::Text106, 20, QString());
    sheet.setCell(S::Text107, 20, QString());
    // Row 21: depressions whose corrected flows round to zero.
    sheet.setCell(S::Text106, 21, QStringLiteral("0.04"));
    sheet.setCell(S::Text210, 21, QStringLiteral("28"));
    sheet.setCell(S::Text107, 21, QStringLiteral("0.04"));
    sheet.setCell(S::Text211, 21, QStringLiteral("28"));
    // Row 22: a depression that corrects the flow.
    sheet.setCell(S::Text210, 22, QStringLiteral("25"));
    sheet.setCell(S::Text106, 22, QStringLiteral("100"));
    Calculate_Sheet(sheet, f.st.Metric(), f.st.calc, f.st.numbers, f.st.platform);

    QCOMPARE(sheet.cell(S::Text102, 20), QStringLiteral("0"));
    QCOMPARE(sheet.cell(S::Text207, 20), QStringLiteral("0"));
    QCOMPARE(sheet.cell(S::Text103, 20), QStringLiteral("0"));

    QCOMPARE(sheet.cell(S::Text102, 21), QStringLiteral("0.0"));
    QCOMPARE(sheet.cell(S::Text207, 21), QStringLiteral("0"));
    QCOMPARE(sheet.cell(S::Text210, 21), QStringLiteral("0"));
    QCOMPARE(sheet.cell(S::Text103, 21), QStringLiteral("0.0"));
    QCOMPARE(sheet.cell(S::Text211, 21), QStringLiteral("0"));

    QCOMPARE(sheet.cell(S::Text102, 22), QStringLiteral("105.8")); // sqrt(28 / 25) * 100
    QCOMPARE(sheet.cell(S::Text207, 22), QStringLiteral("1325"));
    QCOMPARE(sheet.cell(S::Text210, 22), QStringLiteral("25"));
}

void TestCalculateSheet::noIntakeFlowAtAll()
{
    test::CalcFixture f;
    S sheet;
    Calculate_Sheet(sheet, f.st.Metric(), f.st.calc, f.st.numbers,
                    f.st.platform); // leaves averages and ratios from a good run
    for (int row = 16; row <= 30; ++row)
        sheet.setCell(S::Text106, row, QStringLiteral("0"));
    f.platform.answer(AnswerOk);
    Calculate_Sheet(sheet, f.st.Metric(), f.st.calc, f.st.numbers, f.st.platform);

    QCOMPARE(f.platform.shown.size(), 1);
    QCOMPARE(sheet.cell(S::Text113, 11), QStringLiteral("-"));
    QCOMPARE(sheet.cell(S::Text106, 11), QStringLiteral("0.0"));
    // No figure of the earlier run stays beside the new results.
    QCOMPARE(sheet.cell(S::Text102, 11), QStringLiteral("0.0"));
    QCOMPARE(sheet.cell(S::Text113, 12), QStringLiteral("-"));
    QCOMPARE(sheet.cell(S::Text103, 11), QStringLiteral("150.4"));
}

void TestCalculateSheet::errors_data()
{
    QTest::addColumn<int>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("writtenArray"); // a cell that must hold a new result
    QTest::addColumn<int>("writtenIndex");
    QTest::addColumn<int>("keptArray"); // a cell that must keep its old text
    QTest::addColumn<int>("keptIndex");

    QTest::newRow("empty CR after the rows")
        << int(S::Text110) << 5 << ""
        << "Error Number 13 -- Type mismatch" << int(S::Text102) << 30 << int(S::Text113) << 11;
    QTest::newRow("zero intake valve diameter")
        << int(S::Text102) << 3 << "0"
        << "Error Number 11 -- Division by zero" << int(S::Text102) << 7 << int(S::Text113) << 7;
    QTest::newRow("zero centre-line length over zero volume")
        << int(S::Text102) << 1 << "0"
        << "" << -1 << 0 << int(S::Text102) << 2;
    QTest::newRow("letters in a flow")
        << int(S::Text107) << 25 << "abc"
        << "Error Number 13 -- Type mismatch" << int(S::Text102) << 25 << int(S::Text103) << 25;
    QTest::newRow("zero exhaust valve count")
        << int(S::Text108) << 6 << "0"
        << "Error Number 11 -- Division by zero" << int(S::Text104) << 5 << int(S::Text107) << 5;
    QTest::newRow("empty valve count writes nothing")
        << int(S::Text106) << 6 << ""
        << "Error Number 13 -- Type mismatch" << -1 << 0 << int(S::Text102) << 5;
    QTest::newRow("letter as valve count writes nothing")
        << int(S::Text108) << 6 << "x"
        << "Error Number 13 -- Type mismatch" << -1 << 0 << int(S::Text104) << 5;
    QTest::newRow("zero seat angle")
        << int(S::Text202) << 4 << "0"
        << "Error Number 11 -- Division by zero" << int(S::Text103) << 17 << int(S::Text201) << 17;
}

void TestCalculateSheet::errors()
{
    QFETCH(int, array);
    QFETCH(int, index);
    QFETCH(QString, input);
    QFETCH(QString, message);
    QFETCH(int, writtenArray);
    QFETCH(int, writtenIndex);
    QFETCH(int, keptArray);
    QFETCH(int, keptIndex);

    test::CalcFixture f;
    S sheet;
    // Mark every result so what the run wrote can be told from what it kept.
    for (int id = 0; id < sheet.layout().cellCount(); ++id)
        if (sheet.layout().info(id).kind == CellKind::Result)
            sheet.setText(id, QStringLiteral("old"));
    sheet.setCell(S::Array(array), index, input);
    if (message.isEmpty()) {
        // 0 / 0 is overflow, number 6.
        message = QStringLiteral("Error Number 6 -- Overflow");
        sheet.setCell(S::Text102, 8, QStringLiteral("0"));
    }
    f.platform.answer(AnswerOk);
    Calculate_Sheet(sheet, f.st.Metric(), f.st.calc, f.st.numbers, f.st.platform);

    QCOMPARE(f.platform.shown.size(), 1);
    const MsgRequest &r = f.platform.shown.first();
    QCOMPARE(r.icon, MsgIcon::Critical);
    QVERIFY(!r.title);
    QString expected = message + Closing;
    if (message.startsWith(u"Error Number 11"))
        expected += ZeroLine;
    QCOMPARE(r.text, expected);
    QCOMPARE(f.st.calc.Error_Msg, expected);
    if (writtenArray >= 0)
        QVERIFY(sheet.cell(S::Array(writtenArray), writtenIndex) != u"old");
    else
        for (int id = 0; id < sheet.layout().cellCount(); ++id)
            if (sheet.layout().info(id).kind == CellKind::Result)
                QCOMPARE(sheet.text(id), QStringLiteral("old"));
    if (keptArray != writtenArray || keptIndex != writtenIndex)
        QCOMPARE(sheet.cell(S::Array(keptArray), keptIndex), QStringLiteral("old"));
}

// Two unusable cells in one formula: the box names the error of the cell the
// formula reads first, left to right, whatever order the compiler would pick.
void TestCalculateSheet::firstUnusableCellNamesTheError_data()
{
    QTest::addColumn<bool>("metric");
    QTest::addColumn<QString>("cells");
    QTest::addColumn<int>("number");

    const struct {
        const char *name;
        const char *cells;
        int number;
    } cases[] = {
        {"correction factor: correct-to pressure before test pressure",
         "Text108(7)=1e999 Text108(8)=abc", 13},
        {"correction factor, reversed", "Text108(7)=abc Text108(8)=1e999", 6},
        {"intake window: width before the empty corner area", "Text106(1)= Text106(2)=1e999", 6},
        {"intake window: height before the empty corner area", "Text106(1)= Text108(2)=1e999", 6},
        {"intake window: width before height", "Text106(2)=abc Text108(2)=1e999", 13},
        {"exhaust area ratio: window area before valve area",
         "Text106(3)= Text110(3)=1e999 Text104(3)= Text104(5)=abc", 6},
        {"intake area ratio: window area before valve area",
         "Text106(2)= Text110(2)=abc Text102(3)= Text102(5)=1e999", 13},
        {"flow by depression: correct-to pressure before the observed flow",
         "Text108(7)= Text108(8)=abc Text210(20)=25 Text106(20)=1e999", 13},
        {"flow by depression, reversed",
         "Text108(7)= Text108(8)=1e999 Text210(20)=25 Text106(20)=abc", 6},
        {"flow by correction factor: factor before the observed flow",
         "Text108(7)= Text110(8)=abc Text107(20)=1e999", 13},
    };
    for (const bool metric : {false, true})
        for (const auto &c : cases)
            QTest::addRow("%s%s", c.name, metric ? ", metric" : "")
                << metric << QString::fromLatin1(c.cells) << c.number;
}

void TestCalculateSheet::firstUnusableCellNamesTheError()
{
    QFETCH(bool, metric);
    QFETCH(QString, cells);
    QFETCH(int, number);

    test::CalcFixture f;
    f.setMetric(metric);
    S sheet;
    for (const QString &c : cells.split(u' ')) {
        const QString name = c.section(u'(', 0, 0);
        const int index = c.section(u'(', 1).section(u')', 0, 0).toInt();
        const int id = sheet.find(name, index);
        QVERIFY2(id >= 0, qPrintable(c));
        sheet.setText(id, c.section(u'=', 1));
    }
    f.platform.answerAllWith(AnswerOk); // cautions the odd values may bring
    Calculate_Sheet(sheet, f.st.Metric(), f.st.calc, f.st.numbers, f.st.platform);
    QVERIFY(!f.platform.shown.isEmpty());
    QCOMPARE(f.platform.shown.last().icon, MsgIcon::Critical);
    const QString expected = number == 13 ? QStringLiteral("Error Number 13 -- Type mismatch")
                                          : QStringLiteral("Error Number 6 -- Overflow");
    QVERIFY2(f.platform.texts().last().startsWith(expected),
             qPrintable(f.platform.texts().join(u'|')));
}

void TestCalculateSheet::metricSample()
{
    test::CalcFixture f;
    S standard;
    Calculate_Sheet(standard, f.st.Metric(), f.st.calc, f.st.numbers, f.st.platform);

    S metric;
    Calculate_Sheet(metric, f.st.Metric(), f.st.calc, f.st.numbers, f.st.platform);
    Convert_Sheet_To_Metric(metric, f.st.numbers);
    f.setMetric(true);
    Calculate_Sheet(metric, f.st.Metric(), f.st.calc, f.st.numbers, f.st.platform);
    QVERIFY2(f.platform.shown.isEmpty(), qPrintable(f.platform.texts().join(u'|')));

    // Ratios and coefficients agree to the rounding of their inputs.
    const struct {
        S::Array a;
        int i;
        double tolerance;
    } same[] = {
        {S::Text113, 7, 1e-4},  {S::Text115, 7, 1e-4},  {S::Text113, 8, 1e-4},
        {S::Text115, 8, 1e-4},  {S::Text107, 4, 2e-3},  {S::Text107, 5, 2e-3},
        {S::Text113, 10, 0},    {S::Text113, 11, 2e-3}, {S::Text113, 12, 2e-3},
        {S::Text111, 20, 2e-3}, {S::Text112, 20, 2e-3}, {S::text205, 20, 2e-3},
        {S::Text206, 20, 2e-3}, {S::Text113, 20, 2e-3}, {S::Text208, 20, 1e-3},
        {S::Text209, 20, 1e-3},
    };
    for (const auto &c : same)
        QVERIFY2(std::fabs(value(metric, c.a, c.i) - value(standard, c.a, c.i)) <= c.tolerance,
                 qPrintable(QStringLiteral("%1(%2): %3 against %4")
                                .arg(S::sheetLayout().arrayName(c.a))
                                .arg(c.i)
                                .arg(metric.cell(c.a, c.i), standard.cell(c.a, c.i))));

    // Areas times 645.16, velocities times 0.3048, flow per area times 18.268897.
    const struct {
        S::Array a;
        int i;
        double factor;
    } scaled[] = {
        {S::Text102, 5, 645.16},     {S::Text110, 2, 645.16},  {S::Text201, 20, 645.16},
        {S::Text114, 20, 0.3048},    {S::Text203, 20, 0.3048}, {S::Text109, 20, 18.268897},
        {S::Text110, 20, 18.268897},
    };
    for (const auto &c : scaled) {
        const double ratio = value(metric, c.a, c.i) / value(standard, c.a, c.i) / c.factor;
        QVERIFY2(std::fabs(ratio - 1.0) < 3e-3,
                 qPrintable(QStringLiteral("%1(%2): %3 against %4")
                                .arg(S::sheetLayout().arrayName(c.a))
                                .arg(c.i)
                                .arg(metric.cell(c.a, c.i), standard.cell(c.a, c.i))));
    }
}

void TestCalculateSheet::metricListedValues()
{
    test::CalcFixture f;
    f.setMetric(true);
    S sheet;
    // The worked valve in millimetres, one lift of 1.27 mm (0.050 in).
    sheet.setCell(S::Text102, 3, QStringLiteral("51.308"));
    sheet.setCell(S::Text102, 4, QStringLiteral("7.9375"));
    sheet.setCell(S::Text102, 6, QStringLiteral("45.72"));
    sheet.setCell(S::Text202, 4, QStringLiteral("45"));
    sheet.setCell(S::Text202, 5, QStringLiteral("1.524"));
    sheet.setCell(S::Text112, 6, QStringLiteral("101.6"));
    sheet.setCell(S::Text104, 3, QStringLiteral("40.64"));
    sheet.setCell(S::Text104, 4, QStringLiteral("8.687"));
    sheet.setCell(S::Text104, 6, QStringLiteral("32.512"));
    sheet.setCell(S::Text204, 5, QStringLiteral("1.651"));
    sheet.setCell(S::Text110, 6, QStringLiteral("17.78"));
    for (int row = 16; row <= 30; ++row) {
        for (S::Array a : {S::Text101, S::Text106, S::Text107})
            sheet.setCell(a, row, QStringLiteral("0"));
    }
    sheet.setCell(S::Text101, 16, QStringLiteral("1.27"));
    sheet.setCell(S::Text106, 16, QStringLiteral("8.0703"));
    sheet.setCell(S::Text107, 16, QStringLiteral("5"));
    Calculate_Sheet(sheet, f.st.Metric(), f.st.calc, f.st.numbers, f.st.platform);
    QVERIFY2(f.platform.shown.isEmpty(), qPrintable(f.platform.texts().join(u'|')));

    QCOMPARE(sheet.cell(S::Text102, 9), QStringLiteral("12.827"));
    QCOMPARE(sheet.cell(S::Text201, 16), QStringLiteral("140.5"));
    QCOMPARE(sheet.cell(S::Text102, 16), QStringLiteral("8.07"));
    QCOMPARE(sheet.cell(S::Text106, 11), QStringLiteral("8.1"));
    QCOMPARE(sheet.cell(S::Text102, 11), QStringLiteral("8.1"));
    QCOMPARE(sheet.cell(S::Text208, 16), QStringLiteral("0.025"));

    // The same valve in inches.
    f.setMetric(false);
    S inches;
    inches.setCell(S::Text102, 4, QStringLiteral("0.3125"));
    inches.setCell(S::Text102, 6, QStringLiteral("1.8"));
    inches.setCell(S::Text202, 4, QStringLiteral("45"));
    inches.setCell(S::Text202, 5, QStringLiteral("0.06"));
    Calculate_Sheet(inches, f.st.Metric(), f.st.calc, f.st.numbers, f.st.platform);
    QCOMPARE(inches.cell(S::Text102, 9), QStringLiteral("505.0"));
    QCOMPARE(inches.cell(S::Text201, 17), QStringLiteral("0.218"));
}

void TestCalculateSheet::metricWarningHasFourLines()
{
    test::CalcFixture f;
    f.setMetric(true);
    S sheet;
    sheet.setCell(S::Text110, 6, QStringLiteral("0.001"));
    f.platform.answer(AnswerOk);
    Calculate_Sheet(sheet, f.st.Metric(), f.st.calc, f.st.numbers, f.st.platform);
    QCOMPARE(sheet.cell(S::Text113, 11), QStringLiteral("-"));
    QCOMPARE(f.platform.texts(),
             QStringList{QStringLiteral(
                 "Problem Calculating Exisiting Intake / Exhaust Ratio\r\n"
                 "One possible cause is the Max Lift Value is to Low or Incorrect\r\n\r\n"
                 "If this is not the case PLEASE Save this data to a file and email it to "
                 "Customer Support")});
}

void TestCalculateSheet::oneSheetLeavesTheOthersAlone()
{
    test::CalcFixture f;
    S one(QStringLiteral("Form1"));
    S two(QStringLiteral("Form2"));
    two.setCell(S::Text102, 3, QStringLiteral("1.9"));
    Calculate_Sheet(two, f.st.Metric(), f.st.calc, f.st.numbers, f.st.platform);
    const S fresh;
    Calculate_Sheet(one, f.st.Metric(), f.st.calc, f.st.numbers, f.st.platform);
    QCOMPARE(two.cell(S::Text102, 5), QStringLiteral("2.835"));
    for (int id = 0; id < one.layout().cellCount(); ++id)
        if (one.layout().info(id).kind == CellKind::Input)
            QCOMPARE(one.text(id), fresh.text(id));
}

QTEST_APPLESS_MAIN(TestCalculateSheet)
#include "test_calculate_sheet.moc"
