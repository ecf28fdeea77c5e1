#include "calc/calculate_sheet.h"
#include "calc/formats.h"
#include "calc/port_energy.h"
#include "calc/unit_conversion.h"
#include "compare/compare_calculate.h"
#include "five_sheets.h"
#include "model/app_state.h"
#include "model/compare_model.h"
#include "model/flow_test_sheet.h"
#include "model/main_model.h"
#include "scripted_platform.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <memory>

using namespace zyt;
using S = Flow_Test_Sheet;
using C = CompareModel;

namespace {

// Five sample sheets, the compare window's cells, scripted boxes and the main
// window's cells for its "Metric" box.
struct Fixture {
    Fixture()
    {
        st.platform = platform.platform();
        st.numbers.setLocaleSeparators(u'.', u',');
        st.Main = &main;
    }
    void setMetric(bool on) { main.setCell(MainModel::Check2, QString::number(int(on))); }
    // Tests counted from 1.
    void choose(int from, int to, int type, int x = 0)
    {
        form50.setCell(C::Option1, QString::number(from - 1));
        form50.setCell(C::Option2, QString::number(to - 1));
        form50.setCell(C::Option3, QString::number(type));
        form50.setCell(C::Option4, QString::number(x));
    }
    bool calculate() { return Command1_Click(form50, sheets.list, st); }
    const QString &cell(C::Array a, int row) const { return form50.cell(a, row); }

    test::ScriptedPlatform platform;
    AppState st;
    MainModel main;
    test::FiveSheets sheets;
    C form50;
};

// Sets sheet cells, each edit "array row text".
void edit(S &sheet, const QStringList &edits)
{
    for (const QString &e : edits) {
        const QStringList parts = e.split(u' ');
        QVERIFY(sheet.setText(parts[0], parts[1].toInt(), parts.value(2)));
    }
}

const QString Closing =
    QStringLiteral("\r\n\r\nIf you can NOT Find the Reason for this Error. Please the Sent the "
                   "Saved Data file and a Print Screen of this Error to Software Support.");
const QString ZeroLine =
    QStringLiteral("\r\n\r\nCheck for a Field that has a Value of Zero that should not be Zero");

} // namespace

class TestCompare : public QObject {
    Q_OBJECT

private slots:
    void tables_data();
    void tables();
    void portEnergy_data();
    void portEnergy();
    void fillErrors_data();
    void fillErrors();
    void choicesAndEdgeRows();
    void commaWalkReachesNumberCellsOnly();
};

// The golden file holds the whole table after each choice of tests, type
// and X column it names: every type on the sample sheets and a second test,
// a test against itself and, under "Metric", the energy types.
void TestCompare::tables_data()
{
    QTest::addColumn<QStringList>("choice"); // from, to, type, x
    QTest::addColumn<bool>("metric");
    QTest::addColumn<QStringList>("rows");

    QFile golden(QStringLiteral(ZYT_TEST_DATA "/tables.txt"));
    QVERIFY(golden.open(QIODevice::ReadOnly));
    const QRegularExpression head(QStringLiteral("^== (\\d) to (\\d), type (\\d+), x (\\d)"));
    const QStringList lines = QString::fromUtf8(golden.readAll()).split(u'\n');
    for (qsizetype i = 0; i + 21 < lines.size(); i += 22) {
        const QRegularExpressionMatch m = head.match(lines[i]);
        QVERIFY2(m.hasMatch(), qPrintable(lines[i]));
        QTest::newRow(qPrintable(lines[i]))
            << m.capturedTexts().mid(1) << lines[i].endsWith(u"metric") << lines.mid(i + 1, 21);
    }
}

// Each table is calculated over the one another type left, so a cell the
// type does not write shows.
void TestCompare::tables()
{
    QFETCH(QStringList, choice);
    QFETCH(bool, metric);
    QFETCH(QStringList, rows);

    Fixture f;
    // A second test beside the sample one: another port, other flows and a
    // swirl that turns both ways.
    QFile second(QStringLiteral(ZYT_TEST_DATA "/second_test.txt"));
    QVERIFY(second.open(QIODevice::ReadOnly));
    edit(f.sheets[1], QString::fromUtf8(second.readAll()).split(u'\n', Qt::SkipEmptyParts));
    f.setMetric(metric);
    f.platform.answerAllWith(AnswerOk); // the sheets' own cautions
    for (S *sheet : {f.sheets.list[0], f.sheets.list[1]}) {
        if (metric)
            Convert_Sheet_To_Metric(*sheet, f.st.numbers);
        Calculate_Sheet(*sheet, metric, f.st.calc, f.st.numbers, f.st.platform);
    }
    f.platform.answerAllWith(0);
    f.platform.clear();
    const int from = choice[0].toInt(), to = choice[1].toInt(), type = choice[2].toInt();
    f.choose(from, to, CompareTypeCount - 1 - type, choice[3].toInt());
    QVERIFY(f.calculate());
    f.choose(from, to, type, choice[3].toInt());
    QVERIFY(f.calculate());
    for (int row = C::FirstTableRow; row <= C::LastTableRow; ++row) {
        QString line = QString::number(row);
        for (int a = C::Text101; a <= C::Text110; ++a)
            line += u'|' + f.cell(C::Array(a), row);
        QCOMPARE(line, rows[row - C::FirstTableRow]);
    }
    QVERIFY(f.platform.shown.isEmpty());
}

void TestCompare::portEnergy_data()
{
    QTest::addColumn<bool>("metric");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QStringList>("texts"); // velocity, area, length, energy, density

    using L = QStringList;
    QTest::newRow("standard") << false << 0 << L{"250", "2.5", "5", "16.7715", "16.1006"};
    QTest::newRow("metric") << true << 0 << L{"76.2", "1612.9", "127", "22.739", "21.8295"};
    QTest::newRow("metric, right") << true << 1 << L{"76.2", "1612.9", "127", "22.7390", "21.8295"};
    QTest::newRow("velocity 0.0") << false << 1 << L{"0.0", "2.5", "5", "0.0000", "0.0000"};
    QTest::newRow("velocity 0: left out") << false << 0 << L{"0", "2.5", "5", "", ""};
}

void TestCompare::portEnergy()
{
    QFETCH(bool, metric);
    QFETCH(int, alignment);
    QFETCH(QStringList, texts);

    QCOMPARE(portMassFactor(200.0), 0.00026834338914875824);
    Fixture f;
    f.setMetric(metric);
    f.st.numbers.Box_Alignment = alignment;
    S &sheet = f.sheets[0];
    // The same port on both sides; the standard exhaust velocity is computed
    // whatever the intake one.
    for (S::Array side : {S::Text102, S::Text104}) {
        sheet.setCell(side, 1, QStringLiteral("200"));
        sheet.setCell(side, 2, texts[1]);
        sheet.setCell(side, 8, texts[2]);
    }
    sheet.setCell(S::Text114, 20, texts[0]);
    sheet.setCell(S::Text115, 20, metric ? texts[0] : QStringLiteral("250"));
    From_Port_Energy(f.form50, sheet, 20, metric, f.st.numbers);
    QCOMPARE(f.cell(C::Text107, 20), texts[3]);
    To_Port_Energy_Density(f.form50, sheet, 20, metric, f.st.numbers);
    QCOMPARE(f.cell(C::Text109, 20), texts[4]);
    QCOMPARE(f.cell(C::Text110, 20), metric ? texts[4] : QStringLiteral("16.1006"));
}

void TestCompare::fillErrors_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("fromSide"); // which sheet holds the fault
    QTest::addColumn<QString>("edits"); // "array row text" separated by ";"
    QTest::addColumn<int>("failingRow");
    QTest::addColumn<QString>("error");

    const int energy = int(CompareType::PortEnergy);
    const int density = int(CompareType::PortEnergyDensity);
    // The sheets are not calculated: their lift rows hold the velocity "0"
    // that the energies pass by, until a row is given one.
    QTest::newRow("unreadable velocity")
        << energy << true << "Text114 20 2O5.1" << 20 << "Error Number 13 -- Type mismatch";
    QTest::newRow("zero port length") << density << true << "Text102 8 0;Text114 16 180.5" << 16
                                      << "Error Number 11 -- Division by zero";
    QTest::newRow("zero port area") << density << true << "Text102 2 0;Text114 20 250" << 20
                                    << "Error Number 11 -- Division by zero";
    QTest::newRow("zero area, zero energy")
        << density << true << "Text102 2 0;Text114 16 0.0" << 16 << "Error Number 6 -- Overflow";
    QTest::newRow("empty To value") << int(CompareType::Cfm) << false << "Text102 22 " << 22
                                    << "Error Number 13 -- Type mismatch";
}

// A failing fill stops in its row, keeps the later rows as they were, shows
// one box naming the From test, and the To side is filled all the same.
void TestCompare::fillErrors()
{
    QFETCH(int, type);
    QFETCH(bool, fromSide);
    QFETCH(QString, edits);
    QFETCH(int, failingRow);
    QFETCH(QString, error);

    Fixture f;
    f.sheets[2].setCell(S::Text102, 0, QStringLiteral("Ported #4"));
    S &faulty = f.sheets[fromSide ? 2 : 3];
    edit(faulty, edits.split(u';'));
    f.choose(3, 4, type);
    for (int a = C::Text101; a <= C::Text110; ++a)
        for (int row = C::FirstTableRow; row <= C::LastTableRow; ++row)
            f.form50.setCell(C::Array(a), row, QStringLiteral("old"));
    f.platform.answer(AnswerOk);
    QVERIFY(!f.calculate());

    QCOMPARE(f.platform.shown.size(), 1);
    const MsgRequest &box = f.platform.shown.front();
    QCOMPARE(box.text,
             error + QStringLiteral("\r\n\r\nPlease Save your Data for Flow Test 3 - Ported #4") +
                 Closing + (error.contains(u"11") ? ZeroLine : QString()));
    QVERIFY(box.icon == MsgIcon::Critical && box.buttons == MsgButtons::Ok && !box.title);

    const C::Array value = fromSide ? C::Text102 : C::Text104;
    for (int row = 13; row < failingRow; ++row)
        QVERIFY(f.cell(value, row) != u"old");
    QCOMPARE(f.cell(value, failingRow),
             faulty.cell(fromSide ? S::Text114 : S::Text102, failingRow));
    for (int row = failingRow + 1; row <= 30; ++row) {
        QCOMPARE(f.cell(value, row), QStringLiteral("old"));
        QCOMPARE(f.cell(fromSide ? C::Text107 : C::Text109, row), QStringLiteral("old"));
    }
    // The other side is whole.
    for (C::Array a :
         fromSide ? std::array{C::Text104, C::Text106} : std::array{C::Text102, C::Text101})
        for (int row = 13; row <= 30; ++row)
            QVERIFY(f.cell(a, row) != u"old");
}

void TestCompare::choicesAndEdgeRows()
{
    Fixture f;
    f.sheets[0].setCell(S::Text102, 0, QString());
    f.sheets[4].setCell(S::Text102, 0, QStringLiteral("Fifth"));
    f.choose(1, 2, 0);
    f.form50.setCell(C::Option2, QStringLiteral("x")); // names no test: the fifth
    QVERIFY(f.calculate());
    QCOMPARE(f.cell(C::Text102, 10), QStringLiteral("Test 1 - "));
    QCOMPARE(f.cell(C::Text104, 10), QStringLiteral("Test 5 - Fifth"));
    QCOMPARE(f.form50.cell(C::To_Test_Label), QStringLiteral("5 - Fifth"));

    // Sheets never calculated hold the velocity "0": no energy, no change,
    // and no error.
    f.choose(1, 2, int(CompareType::PctPortEnergy));
    QVERIFY(f.calculate());
    QCOMPARE(f.cell(C::Text102, 20), QString());
    QCOMPARE(f.cell(C::Text107, 20), QString());

    // The top lift row never gets a change; the next one does.
    for (int row : {16, 17}) {
        f.sheets[0].setCell(S::Text102, row, QStringLiteral("5"));
        f.sheets[4].setCell(S::Text102, row, QStringLiteral("4"));
    }
    f.choose(1, 5, int(CompareType::PctFlow));
    QVERIFY(f.calculate());
    QCOMPARE(f.cell(C::Text107, 16) + u'|' + f.cell(C::Text109, 17), QStringLiteral("|25.0"));
}

// The comma walk of start-up reaches the table and the entry cells, never
// the caption lines or the test labels.
void TestCompare::commaWalkReachesNumberCellsOnly()
{
    Fixture f;
    const std::pair<C::Array, int> cells[] = {{C::Text107, 20},
                                              {C::Text1, C::Single},
                                              {C::Text71, C::Single},
                                              {C::From_Test_Label, C::Single}};
    for (auto [array, index] : cells)
        f.form50.setCell(array, index, QStringLiteral("-0.5"));
    Form_Dots_To_Commas(f.form50);
    QStringList walked;
    for (auto [array, index] : cells)
        walked << f.form50.cell(array, index);
    QCOMPARE(walked, (QStringList{"-0,5", "-0,5", "-0.5", "-0.5"}));
}

QTEST_APPLESS_MAIN(TestCompare)
#include "test_compare.moc"
