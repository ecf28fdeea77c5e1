#include "model/app_state.h"
#include "model/flow_test_sheet.h"
#include "platform/runtime_error.h"
#include "sheet/sort_clear.h"

#include <QTest>

using namespace zyt;
using S = Flow_Test_Sheet;

namespace {

// Fills rows 16 to 30 with the given lifts; every other cell of a row is
// tagged with its lift so moved rows can be followed.
void setLifts(S &sheet, const QStringList &lifts)
{
    for (int row = 16; row <= 30; ++row) {
        const QString lift = lifts[row - 16];
        for (int a = S::Text101; a <= S::Text211; ++a)
            sheet.setCell(S::Array(a), row, QStringLiteral("r%1").arg(lift));
        sheet.setCell(S::Text101, row, lift);
    }
}

QStringList lifts(const S &sheet)
{
    QStringList out;
    for (int row = 16; row <= 30; ++row)
        out << sheet.cell(S::Text101, row);
    return out;
}

QStringList words(const char *text) { return QString::fromLatin1(text).split(u' '); }

} // namespace

class TestSortClear : public QObject {
    Q_OBJECT

private slots:
    void sort_data();
    void sort();
    void sortKeepsRowsWhole();
    void sortRefusesALiftThatIsNoNumber();
    void sortReadsTheOtherSeparator();
    void clearing_data();
    void clearing();
};

void TestSortClear::sort_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("450 moves up between 400 and 500")
        << words("0 50 100 150 200 250 300 350 400 500 600 700 800 900 450")
        << words("0 50 100 150 200 250 300 350 400 450 500 600 700 800 900");
    QTest::newRow("a zero goes to the bottom, row 16 stays")
        << words("0 50 100 150 0 250 300 350 400 500 600 700 800 900 1000")
        << words("0 50 100 150 250 300 350 400 500 600 700 800 900 1000 0");
    QTest::newRow("row 16 never moves")
        << words("900 50 100 150 200 250 300 350 400 500 600 700 800 850 1000")
        << words("900 50 100 150 200 250 300 350 400 500 600 700 800 850 1000");
    QTest::newRow("all zero is left alone")
        << words("0 0 0 0 0 0 0 0 0 0 0 0 0 0 0") << words("0 0 0 0 0 0 0 0 0 0 0 0 0 0 0");
    QTest::newRow("reversed") << words("5 140 130 120 110 100 90 80 70 60 50 40 30 20 10")
                              << words("5 10 20 30 40 50 60 70 80 90 100 110 120 130 140");
    QTest::newRow("decimals and zeros") << words("0 0.5 0 0.25 1 0 2 0 0 0 0 0 0 0 0.75")
                                        << words("0 0.25 0.5 0.75 1 2 0 0 0 0 0 0 0 0 0");
}

void TestSortClear::sort()
{
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    AppState st;
    S sheet;
    setLifts(sheet, before);
    Sort_Lift_Points(sheet, st.numbers);
    QCOMPARE(lifts(sheet), after);
}

void TestSortClear::sortKeepsRowsWhole()
{
    AppState st;
    S sheet;
    QStringList l = words("0 50 100 150 200 250 300 350 400 500 600 700 800 900 450");
    l[3] = QStringLiteral("300"); // two rows with lift 300
    setLifts(sheet, l);
    sheet.setCell(S::Text207, 19, QStringLiteral("first"));
    sheet.setCell(S::Text207, 22, QStringLiteral("second"));
    Sort_Lift_Points(sheet, st.numbers);
    for (int row = 16; row <= 30; ++row) {
        const QString tag = u'r' + sheet.cell(S::Text101, row);
        for (S::Array a : {S::Text102, S::Text106, S::Text107, S::Text108, S::Text113, S::Text201,
                           S::Text209, S::Text210, S::Text211})
            QCOMPARE(sheet.cell(a, row), tag);
    }
    // Equal lifts keep their order.
    const int first = int(lifts(sheet).indexOf(QStringLiteral("300")));
    QCOMPARE(sheet.cell(S::Text207, 16 + first), QStringLiteral("first"));
    QCOMPARE(sheet.cell(S::Text207, 17 + first), QStringLiteral("second"));
}

void TestSortClear::sortRefusesALiftThatIsNoNumber()
{
    AppState st;
    S sheet;
    setLifts(sheet, words("0 50 100 150 200 250 300 350 400 500 600 700 800 900 450"));
    sheet.setCell(S::Text101, 29, QString());
    const S copy;
    QStringList before;
    for (int id = 0; id < sheet.layout().cellCount(); ++id)
        before << sheet.text(id);
    try {
        Sort_Lift_Points(sheet, st.numbers);
        QFAIL("no error raised");
    } catch (const RuntimeError &e) {
        QCOMPARE(e.number(), 13);
    }
    for (int id = 0; id < sheet.layout().cellCount(); ++id)
        QCOMPARE(sheet.text(id), before[id]);
}

void TestSortClear::sortReadsTheOtherSeparator()
{
    AppState st;
    S sheet;
    setLifts(sheet, words("0 1,5 1 0 0 0 0 0 0 0 0 0 0 0 0"));
    Sort_Lift_Points(sheet, st.numbers);
    QCOMPARE(lifts(sheet).mid(0, 3), words("0 1 1,5"));
}

void TestSortClear::clearing_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QList<int>>("cleared");

    QTest::newRow("flow") << 0 << QList<int>{S::Text102, S::Text103, S::Text106, S::Text107};
    QTest::newRow("lift") << 1 << QList<int>{S::Text101, S::Text108};
    QTest::newRow("swirl") << 2 << QList<int>{S::Text207};
}

void TestSortClear::clearing()
{
    QFETCH(int, command);
    QFETCH(QList<int>, cleared);

    S sheet;
    for (int row = 16; row <= 30; ++row)
        for (int a = S::Text101; a <= S::Text211; ++a)
            sheet.setCell(S::Array(a), row, QStringLiteral("7"));
    if (command == 0)
        Clear_Flow_Fields(sheet);
    else if (command == 1)
        Clear_Lift_Fields(sheet);
    else
        Clear_Swirl_Fields(sheet);
    for (int row = 16; row <= 30; ++row)
        for (int a = S::Text101; a <= S::Text211; ++a)
            QCOMPARE(sheet.cell(S::Array(a), row),
                     cleared.contains(a) ? QStringLiteral("0") : QStringLiteral("7"));
}

QTEST_APPLESS_MAIN(TestSortClear)
#include "test_sort_clear.moc"
