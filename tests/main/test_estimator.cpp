#include "calc/formats.h"
#include "main/estimator.h"
#include "main/estimator_rules.h"
#include "main_fixture.h"

#include <QRegularExpression>
#include <QTest>

using namespace zyt;
using M = Main_Model;

namespace {

// "Text101(8)=10.5" or "Check1=1": one cell and its text.
struct CellText {
    QString array;
    int index;
    QString text;
};

CellText cellText(const QString &spec)
{
    static const QRegularExpression re(QStringLiteral(R"(^(\w+)(?:\((\d+)\))?=(.*)$)"));
    const QRegularExpressionMatch m = re.match(spec);
    if (!m.hasMatch())
        qFatal("bad cell text %s", qPrintable(spec));
    return {m.captured(1), m.hasCaptured(2) ? m.captured(2).toInt() : M::Single, m.captured(3)};
}

void setCells(M &main, const QStringList &cells)
{
    for (const QString &c : cells) {
        const CellText t = cellText(c);
        QVERIFY2(main.setText(t.array, t.index, t.text), qPrintable(c));
    }
}

void compareCells(const M &main, const QStringList &cells)
{
    for (const QString &c : cells) {
        const CellText t = cellText(c);
        const QString *shown = main.text(t.array, t.index);
        QVERIFY2(shown, qPrintable(c));
        QCOMPARE(t.array + u'(' + QString::number(t.index) + QStringLiteral(")=") + *shown, c);
    }
}

// The estimator's entries in metric units, as the switch leaves the
// starting values.
const QStringList metricStart = {"Text102(3)=187.76", "Text103(3)=1774.19", "Text104(3)=104.78",
                                 "Text105(3)=101.6", "Text103(8)=9.11802"};

// The cells the calculation writes, in the order of its steps (step 7 writes
// Text109(3) or, with a typed speed, Text103(3)).
const std::pair<M::Array, int> stepCells[] = {
    {M::Text111, 3}, {M::Text101, 3}, {M::Text102, 3}, {M::Text106, 3},
    {M::Text107, 3}, {M::Text108, 3}, {M::Text109, 3}, {M::Text110, 3},
    {M::Text102, 8}, {M::Text106, 8}, {M::Text107, 8}, {M::Text108, 8},
    {M::Text104, 8}, {M::Text105, 8}, {M::Text109, 8}, {M::Text110, 8}};

QString errorBox(int number, const char *description)
{
    return QStringLiteral("Error Number %1 -- ").arg(number) + QString::fromLatin1(description);
}

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
    void looksTakeFontsAndMarkerOfTheirModels();
    void rules_data();
    void rules();
    void limits_data();
    void limits();
    void helpTexts();
};

void TestEstimator::calculate_data()
{
    QTest::addColumn<bool>("comma");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QStringList>("results");

    const QStringList usResults = {"Text111(3)=8",       "Text101(3)=0.5475", "Text102(3)=615.9",
                                   "Text106(3)=13.36",   "Text107(3)=427.7",  "Text108(3)=53.46",
                                   "Text109(3)=7036",    "Text110(3)=7529",   "Text102(8)=4691",
                                   "Text106(8)=708",     "Text107(8)=1.388",  "Text108(8)=84.7",
                                   "Text104(8)=594",     "Text105(8)=700",    "Text109(8)=1.655",
                                   "Text110(8)=100.955", "Text103(3)=2.75"};
    // The peak-power speed comes from the shown 615.9, not 615.9375: 7036.
    QTest::newRow("starting entries") << false << QStringList{} << usResults;
    QTest::newRow("no cylinder count means 8") << false << QStringList{"Text111(3)="} << usResults;
    QTest::newRow("cylinder count 0 means 8") << false << QStringList{"Text111(3)=0"} << usResults;
    QStringList commaResults = usResults;
    commaResults.replaceInStrings(QStringLiteral("."), QStringLiteral(","));
    QTest::newRow("decimal comma") << true << QStringList{} << commaResults;
    QTest::newRow("metric") << false << (metricStart + QStringList{"Check2=1"})
                            << QStringList{
                                   "Text101(3)=0.5475", "Text102(3)=187.74",  "Text106(3)=8622.79",
                                   "Text107(3)=7.0086", "Text108(3)=0.87608", "Text109(3)=7036",
                                   "Text110(3)=7529",   "Text102(8)=1429.72", "Text106(8)=528",
                                   "Text107(8)=1.881",  "Text108(8)=114.7",   "Text104(8)=804.49",
                                   "Text105(8)=522",    "Text109(8)=1.235",   "Text110(8)=75.335"};
    QTest::newRow("typed Mach number")
        << false << QStringList{"Check1=1", "Text101(3)=0.6"}
        << QStringList{"Text101(3)=0.6",  "Text102(3)=675.0", "Text109(3)=7711",
                       "Text110(3)=8251", "Text102(8)=5141",  "Text105(8)=767"};
    QTest::newRow("typed peak-power speed")
        << false << QStringList{"Check3=1", "Text109(3)=7000"}
        << QStringList{"Text103(3)=2.736", "Text109(3)=7000", "Text110(3)=7490", "Text102(8)=4667",
                       "Text105(8)=697"};
    QTest::newRow("typed peak-power speed, metric")
        << false << (metricStart + QStringList{"Check2=1", "Check3=1", "Text109(3)=7000"})
        << QStringList{"Text103(3)=1765.148", "Text109(3)=7000", "Text102(8)=1422.4",
                       "Text105(8)=519"};
}

void TestEstimator::calculate()
{
    QFETCH(bool, comma);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, results);
    test::MainFixture f;
    if (comma) {
        f.st.Set_Decimal_Separators(u',', u'.');
        Form_Dots_To_Commas(f.main);
    }
    setCells(f.main, inputs);
    Command51_Click(f.main, f.st);
    QVERIFY2(f.platform.shown.isEmpty(), qPrintable(f.platform.texts().join(u'|')));
    compareCells(f.main, results);
}

void TestEstimator::failures_data()
{
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QStringList>("written"); // by the steps before the failing one
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("failingStep"); // index into stepCells

    auto row = [](const char *name, QStringList inputs, QStringList written, QString box,
                  int step) { QTest::newRow(name) << inputs << written << box << step; };
    const QString mismatch = errorBox(13, "Type mismatch");
    const QString byZero = errorBox(11, "Division by zero");
    row("no compression ratio", {"Text101(8)=", "Text111(3)="}, {"Text111(3)=8"}, mismatch, 1);
    row("compression ratio of 1", {"Text101(8)=1"}, {"Text101(3)=0.5", "Text102(3)=562.5"}, byZero,
        9);
    row("lone separator as stroke", {"Text105(3)=."}, {"Text102(3)=615.9"}, mismatch, 4);
    row("zero bore", {"Text104(3)=0"}, {"Text106(3)=0.0", "Text107(3)=0.0", "Text108(3)=0.0"},
        byZero, 6);
    row("cylinder count 00 is kept", {"Text111(3)=00"}, {"Text111(3)=00", "Text107(3)=0.0"},
        errorBox(6, "Overflow"), 5);
    row("letters as air flow", {"Text103(8)=abc"}, {"Text109(3)=7036", "Text102(8)=4691"}, mismatch,
        9);
    row("typed Mach 0 with typed speed", {"Check1=1", "Check3=1", "Text101(3)=0"},
        {"Text102(3)=0.0"}, byZero, 6);
}

void TestEstimator::failures()
{
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, written);
    QFETCH(QString, box);
    QFETCH(int, failingStep);
    test::MainFixture f;
    setCells(f.main, inputs);
    const QStringList before = f.texts();
    f.platform.answer(AnswerOk);
    Command51_Click(f.main, f.st);
    QCOMPARE(f.platform.shown.size(), 1);
    QCOMPARE(f.platform.shown[0].text, box);
    QCOMPARE(f.platform.shown[0].icon, MsgIcon::Critical);
    QCOMPARE(f.platform.shown[0].buttons, MsgButtons::Ok);
    compareCells(f.main, written);
    // The failing step and the steps after it have written nothing.
    for (size_t k = size_t(failingStep); k < std::size(stepCells); ++k) {
        const int id = f.main.layout().id(stepCells[k].first, stepCells[k].second);
        QCOMPARE(f.main.text(id), before[id]);
    }
    QCOMPARE(f.main.cell(M::Text103, 3), before[f.main.layout().id(M::Text103, 3)]);
}

void TestEstimator::ports_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("metric");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("result");

    const QStringList none;
    QTest::newRow("cc's") << 7 << false << none << "Text102(9)=203.08";
    QTest::newRow("length") << 8 << false << none << "Text104(9)=5.098";
    QTest::newRow("area") << 9 << false << none << "Text106(9)=2.429";
    QTest::newRow("cc's of 5 in by 2 sq in")
        << 7 << false << QStringList{"Text104(9)=5", "Text106(9)=2"} << "Text102(9)=163.87";
    QTest::newRow("cc's of 127 mm by 1290.32 sq mm")
        << 7 << true << QStringList{"Text104(9)=127", "Text106(9)=1290.32"} << "Text102(9)=163.87";
    QTest::newRow("metric length")
        << 8 << true << QStringList{"Text106(9)=1290.32"} << "Text104(9)=157.325";
    QTest::newRow("metric area") << 9 << true << QStringList{"Text104(9)=127"}
                                 << "Text106(9)=1598.425";
    QTest::newRow("empty area keeps the cc's")
        << 7 << false << QStringList{"Text106(9)="} << "Text102(9)=203";
    QTest::newRow("empty volume keeps the length")
        << 8 << false << QStringList{"Text102(9)="} << "Text104(9)=5.1";
    QTest::newRow("zero area keeps the length")
        << 8 << false << QStringList{"Text106(9)=0"} << "Text104(9)=5.1";
    QTest::newRow("zero length keeps the area")
        << 9 << true << QStringList{"Text104(9)=0"} << "Text106(9)=2.43";
}

void TestEstimator::ports()
{
    QFETCH(int, button);
    QFETCH(bool, metric);
    QFETCH(QStringList, inputs);
    QFETCH(QString, result);
    test::MainFixture f;
    f.setMetric(metric);
    setCells(f.main, inputs);
    QStringList expected = f.texts();
    const CellText r = cellText(result);
    expected[f.main.find(r.array, r.index)] = r.text;
    if (button == 7)
        Command7_Click(f.main, f.st);
    else if (button == 8)
        Command8_Click(f.main, f.st);
    else
        Command9_Click(f.main, f.st);
    QVERIFY(f.platform.shown.isEmpty());
    QCOMPARE(f.texts(), expected);
}

void TestEstimator::looks_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<bool>("set");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<uint>("back");
    QTest::addColumn<uint>("fore");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("tabStop");

    const uint white = 0xFFFFFF, black = 0, blue = 0x0000FF, red = 0xFF0000, yellow = 0xFFFF01;
    auto row = [](const char *name, int box, bool set, const char *cell, uint back, uint fore,
                  bool readOnly, bool tabStop) {
        QTest::newRow(name) << box << set << QString::fromLatin1(cell) << back << fore << readOnly
                            << tabStop;
    };
    row("typed Mach: marker", 1, true, "Label2(0)", blue, black, true, false);
    row("typed Mach: label", 1, true, "Text101(1)", white, black, true, false);
    row("typed Mach: cell", 1, true, "Text101(3)", white, black, false, true);
    row("computed Mach: marker", 1, false, "Label2(0)", white, black, true, false);
    row("computed Mach: label", 1, false, "Text101(2)", yellow, red, true, false);
    row("computed Mach: cell", 1, false, "Text101(3)", yellow, red, true, false);
    row("typed speed: marker", 3, true, "Label2(7)", blue, black, true, false);
    row("typed speed: label", 3, true, "Text109(2)", white, black, true, false);
    row("typed speed: cell", 3, true, "Text109(3)", white, black, false, true);
    row("typed speed: area marker", 3, true, "Label2(2)", white, black, true, false);
    row("typed speed: area label", 3, true, "Text103(1)", yellow, red, true, false);
    row("typed speed: area cell", 3, true, "Text103(3)", yellow, red, true, false);
    row("computed speed: marker", 3, false, "Label2(7)", white, black, true, false);
    row("computed speed: cell", 3, false, "Text109(3)", yellow, red, true, false);
    row("computed speed: area marker", 3, false, "Label2(2)", blue, black, true, false);
    row("computed speed: area label", 3, false, "Text103(2)", white, black, true, false);
    row("computed speed: area cell", 3, false, "Text103(3)", white, black, false, true);
}

void TestEstimator::looks()
{
    QFETCH(int, box);
    QFETCH(bool, set);
    QFETCH(QString, cell);
    QFETCH(uint, back);
    QFETCH(uint, fore);
    QFETCH(bool, readOnly);
    QFETCH(bool, tabStop);
    test::MainFixture f;
    const QStringList texts = f.texts();
    const M::Array check = box == 1 ? M::Check1 : M::Check3;
    auto click = [&](const char *value) {
        f.main.setCell(check, QString::fromLatin1(value));
        box == 1 ? Check1_Click(f.main) : Check3_Click(f.main);
    };
    // Cleared after being set, so the look really goes back.
    click("1");
    if (!set)
        click("0");
    const CellText c = cellText(cell + u'=');
    const CellLook &look = f.main.look(f.main.find(c.array, c.index));
    QCOMPARE(look.backColor, back);
    QCOMPARE(look.foreColor, fore);
    QCOMPARE(look.readOnly, readOnly);
    QCOMPARE(look.tabStop, tabStop);
    // Only looks change.
    QStringList after = f.texts();
    after[f.main.layout().id(check, M::Single)] = texts[f.main.layout().id(check, M::Single)];
    QCOMPARE(after, texts);
}

void TestEstimator::looksTakeFontsAndMarkerOfTheirModels()
{
    test::MainFixture f;
    auto setLook = [&](M::Array a, int i, auto change) {
        const int id = f.main.layout().id(a, i);
        CellLook look = f.main.look(id);
        change(look);
        f.main.setLook(id, look);
    };
    setLook(M::Text101, 8, [](CellLook &l) {
        l.fontName = QStringLiteral("Arial");
        l.fontSize = 12;
        l.fontBold = true;
    });
    setLook(M::Text102, 6, [](CellLook &l) {
        l.fontName = QStringLiteral("Courier");
        l.fontSize = 9;
        l.fontItalic = true;
    });
    setLook(M::Label2, 1, [](CellLook &l) { l.backColor = 0x00FF00; });
    setLook(M::Text101, 3, [](CellLook &l) { l.alignment = 0; });
    const int mach = f.main.layout().id(M::Text101, 3);

    f.main.setCell(M::Check1, QStringLiteral("1"));
    Check1_Click(f.main);
    QCOMPARE(f.main.look(f.main.layout().id(M::Label2, 0)).backColor, 0x00FF00u);
    CellLook l = f.main.look(mach);
    QCOMPARE(l.fontName, QStringLiteral("Arial"));
    QCOMPARE(l.fontSize, 12.0);
    QVERIFY(l.fontBold && !l.fontItalic);
    QCOMPARE(l.alignment, 0);
    // The label above keeps its own font.
    QVERIFY(f.main.look(f.main.layout().id(M::Text101, 2)).fontName.isEmpty());

    f.main.setCell(M::Check1, QStringLiteral("0"));
    Check1_Click(f.main);
    l = f.main.look(mach);
    QCOMPARE(l.fontName, QStringLiteral("Courier"));
    QCOMPARE(l.fontSize, 9.0);
    QVERIFY(!l.fontBold && l.fontItalic);
    QCOMPARE(l.alignment, 0);
}

void TestEstimator::rules_data()
{
    QTest::addColumn<int>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("edited");
    QTest::addColumn<int>("filter");
    QTest::addColumn<int>("extra");

    const int none = int(KeyFilter::None), decimal = int(KeyFilter::Decimal),
              integer = int(KeyFilter::Integer), limit = int(ExtraRule::EstimatorLimit);
    auto row = [](const char *name, M::Array a, int i, bool edited, int filter, int extra) {
        QTest::newRow(name) << int(a) << i << edited << filter << extra;
    };
    row("Mach number", M::Text101, 3, true, decimal, limit);
    row("compression ratio", M::Text101, 8, true, decimal, limit);
    row("label of an edited column", M::Text101, 1, true, none, 0);
    row("computed port velocity", M::Text102, 3, true, none, 0);
    row("port volume", M::Text102, 9, true, decimal, 0);
    row("mean port area", M::Text103, 3, true, decimal, 0);
    row("air flow", M::Text103, 8, true, decimal, 0);
    row("port length", M::Text104, 9, true, decimal, 0);
    row("stroke", M::Text105, 3, true, decimal, 0);
    row("piston area is computed", M::Text106, 3, true, none, 0);
    row("port area", M::Text106, 9, true, decimal, 0);
    row("displacement has no rules", M::Text107, 3, false, none, 0);
    row("peak-power speed", M::Text109, 3, true, integer, 0);
    row("power per cube", M::Text109, 8, true, none, 0);
    row("shift speed has no rules", M::Text110, 3, false, none, 0);
    row("cylinders", M::Text111, 3, true, integer, 0);
    row("test name has no rules", M::Text33, M::Single, false, none, 0);
}

void TestEstimator::rules()
{
    QFETCH(int, array);
    QFETCH(int, index);
    QFETCH(bool, edited);
    QFETCH(int, filter);
    QFETCH(int, extra);
    const CellRules r = Main_Cell_Rules(M::Array(array), index);
    QCOMPARE(r.edited, edited);
    QCOMPARE(int(r.filter), filter);
    QCOMPARE(int(r.extra), extra);
    // Every entry cell selects on focus and refuses an empty or zero entry.
    const bool entry = filter != int(KeyFilter::None);
    QCOMPARE(r.selectOnFocus, entry);
    QCOMPARE(r.check, entry ? FocusCheck::NotZero : FocusCheck::None);
}

void TestEstimator::limits_data()
{
    QTest::addColumn<bool>("comma");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("box"); // empty: passes

    const QString mach = QStringLiteral("Mach # Can Not be Greater Than 1");
    const QString cr = QStringLiteral("CR Can Not be Greater Than 25");
    QTest::newRow("Mach 1 passes") << false << 3 << "1" << QString();
    QTest::newRow("Mach 1.0001") << false << 3 << "1.0001" << mach;
    QTest::newRow("Mach 2") << false << 3 << "2" << mach;
    QTest::newRow("Mach no number") << false << 3 << "." << QString();
    QTest::newRow("CR 25 passes") << false << 8 << "25" << QString();
    QTest::newRow("CR 25.01") << false << 8 << "25.01" << cr;
    QTest::newRow("CR 25,01 with a comma") << true << 8 << "25,01" << cr;
    QTest::newRow("CR 10.5") << false << 8 << "10.5" << QString();
    QTest::newRow("CR empty") << false << 8 << "" << QString();
    QTest::newRow("no limit on other cells") << false << 1 << "30" << QString();
}

void TestEstimator::limits()
{
    QFETCH(bool, comma);
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QString, box);
    test::MainFixture f;
    if (comma)
        f.st.Set_Decimal_Separators(u',', u'.');
    if (!box.isEmpty())
        f.platform.answer(AnswerOk);
    QCOMPARE(Text101_Limit_Check(index, text, f.st), !box.isEmpty());
    if (box.isEmpty()) {
        QVERIFY(f.platform.shown.isEmpty());
        return;
    }
    QCOMPARE(f.platform.shown.size(), 1);
    QCOMPARE(f.platform.shown[0].text, box);
    QCOMPARE(f.platform.shown[0].buttons, MsgButtons::Ok);
    QCOMPARE(f.platform.shown[0].icon, MsgIcon::None);
    QVERIFY(!f.platform.shown[0].title);
}

void TestEstimator::helpTexts()
{
    AppState st;
    Fill_Estimator_Help_Texts(st);
    QCOMPARE(st.Help_Texts.size(), 7);
    QCOMPARE(st.Help_Texts.value(QStringLiteral("Main_Command7")),
             QStringLiteral("Calculate Port cc's / Volume from it's Port's Average CSA and Port "
                            "CenterLine Length."));
    QCOMPARE(st.Help_Texts.value(QStringLiteral("Main_Command51")),
             QStringLiteral("Lets you Calculate the above Data."));
    QVERIFY(st.Help_Texts.value(QStringLiteral("Main_Check3")).contains(u"User cam Enter"));
    QVERIFY(st.Help_Texts.value(QStringLiteral("Main_Check2"))
                .startsWith(u"Checking This box will convert all data to Metric"));
}

QTEST_APPLESS_MAIN(TestEstimator)
#include "test_estimator.moc"
