#include "compare/graph_axes.h"
#include "compare/graph_command.h"
#include "fake_compare_table.h"
#include "model/compare_model.h" // with the axes: one percent-type rule for both
#include "model/number_style.h"
#include "platform/recording_surface.h"
#include "scripted_platform.h"

#include <QTest>

using namespace zyt;
using zyt::test::FakeCompareTable;
using zyt::test::ScriptedPlatform;

namespace {

const QString crlf = QStringLiteral("\r\n");

QList<double> parseList(const QString &text)
{
    QList<double> values;
    for (const QString &v : text.split(u' ', Qt::SkipEmptyParts))
        values << v.toDouble();
    return values;
}

struct YRuleRow {
    const char *name;
    int type;
    bool metric;
    bool showBig;
    int axis;
    const char *intake; // From and To, rows 16 on
    const char *exhaust;
    double low;
    double high;
};

const YRuleRow yRuleRows[] = {
    {"cfm 237.4", 0, false, false, 0, "0 100 237.4 200", nullptr, 0, 240},
    {"cfm 240", 0, false, false, 0, "0 100 240 200", nullptr, 0, 250},
    {"cfm metric 6.42", 0, true, false, 0, "0 3 6.42 5", nullptr, 0, 7},
    {"per sq inch", 1, false, false, 0, "0 500 20 9", nullptr, 50, 150},
    {"per sq mm", 1, true, false, 0, "0 5 20 9", nullptr, 900, 2750},
    {"velocity", 2, true, false, 0, "0 100 300 200", nullptr, 0, 310},
    {"energy", 3, false, false, 0, "0 10 16.77 12", nullptr, 0, 17},
    {"density", 4, false, false, 0, "0 10 16.1 12", nullptr, 0, 17},
    {"eff velocity big", 5, false, true, 0, "0 183.2 250 300", nullptr, 170, 310},
    {"eff velocity", 5, false, false, 0, "0 183.2 250 300", nullptr, 0, 310},
    {"swirl big 57", 6, false, true, 0, "0 57 80 90", nullptr, 30, 100},
    {"swirl big 23", 6, false, true, 0, "0 23 80 90", nullptr, 0, 100},
    {"swirl big -12", 6, false, true, 0, "0 -12 80 90", nullptr, -12, 100},
    {"swirl -12", 6, false, false, 0, "0 -12 80 90", nullptr, -12, 100},
    {"swirl positive", 6, false, false, 0, "0 57 80 90", nullptr, 0, 100},
    // "Show Big" with no intake value to take the low end from: the exhaust
    // L/D axis never counts intake values.
    {"eff velocity big, exhaust axis", 5, false, true, 2, "0 183.2 250 300", "0 150 200 210", 0,
     220},
    {"cd 0.512", 7, false, false, 0, "0 0.45 0.512 0.5", "0 0.45 0.5 0.5", 0.4, 0.7},
    {"cd 0.36", 7, false, false, 0, "0 0.36 0.512 0.5", "0 0.45 0.5 0.5", 0.3, 0.7},
    {"cd 0.005", 7, false, false, 0, "0 0.005 0.512 0.5", "0 0.45 0.5 0.5", 0.4, 0.7},
    {"effective cd", 8, false, false, 0, "0 0.47 0.61 0.6", "0 0.55 0.6 0.6", 0.4, 0.8},
    {"percent", 9, false, false, 0, "0 -12.3 8.2 1", "0 1 2 3", -13, 9},
    {"percent up", 12, false, false, 0, "0 2 8.2 1", "0 1 2 3", 0, 9},
    {"percent down", 12, false, false, 0, "0 -2 -8.2 -1", "0 -1 -2 -3", -9, 0},
    {"exhaust axis", 0, false, false, 2, "0 500 600 700", "0 100 120 130", 0, 140},
    {"intake axis", 0, false, false, 1, "0 100 120 130", "0 500 600 700", 0, 140},
};

} // namespace

class TestGraphAxes : public QObject {
    Q_OBJECT

private slots:
    void axisNumbers_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        const struct {
            double v;
            const char *t;
        } rows[] = {{0, "0"},          {100, "100"},       {123.456, "123.4"},
                    {1234.5, "1234"},  {800.25, "800"},    {0.5, ".5"},
                    {0.0125, ".0125"}, {-2.5, "-2.5"},     {150000.5, "150000"},
                    {12.5, "12.5"},    {60, "60"},         {-100, "-100"},
                    {-0.25, "-.25"},   {0.12345, ".1235"}, {0.0004, ".0004"},
                    {99999, "99999"}};
        for (const auto &r : rows)
            QTest::addRow("%g", r.v) << r.v << QString::fromLatin1(r.t);
    }
    void axisNumbers()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(Format_Axis_Number(value, u'.', u','), text);
    }

    void axisNumbersLookForThePoint()
    {
        // Under a decimal comma the trailing-zero rule finds no point.
        QCOMPARE(Format_Axis_Number(100, u',', u'.'), QStringLiteral("100,0"));
        QCOMPARE(Format_Axis_Number(0.5, u',', u'.'), QStringLiteral(",5"));
    }

    void automaticDivisions_data()
    {
        QTest::addColumn<double>("high");
        QTest::addColumn<bool>("metric");
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("newHigh");
        QTest::newRow("425 thou") << 425.0 << false << 17 << 425.0;
        QTest::newRow("430 thou") << 430.0 << false << 9 << 450.0;
        QTest::newRow("750 thou") << 750.0 << false << 15 << 750.0;
        QTest::newRow("760 thou") << 760.0 << false << 8 << 800.0;
        QTest::newRow("800 thou") << 800.0 << false << 8 << 800.0;
        QTest::newRow("12.3 mm") << 12.3 << true << 13 << 13.0;
        QTest::newRow("25 mm") << 25.0 << true << 13 << 26.0;
        QTest::newRow("41 mm") << 41.0 << true << 14 << 42.0;
        // Counts the scale cannot hold keep ten divisions and the high end.
        QTest::newRow("no lift") << 0.0 << false << 10 << 0.0;
        QTest::newRow("thou while metric") << 650.0 << true << 10 << 650.0;
    }
    void automaticDivisions()
    {
        QFETCH(double, high);
        QFETCH(bool, metric);
        QFETCH(int, count);
        QFETCH(double, newHigh);
        const XDivisions d = autoXDivisions(high, metric);
        QCOMPARE(d.count, count);
        QCOMPARE(d.high, newHigh);
    }

    void ldHigh()
    {
        QCOMPARE(roundLdHigh(0.3412), 0.35);
        QCOMPARE(roundLdHigh(0.35), 0.35);
    }

    // The Y axis each type gets from the table, through the Graph command.
    void yRules_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(yRuleRows)); ++i)
            QTest::addRow("%s", yRuleRows[i].name) << i;
    }
    void yRules()
    {
        QFETCH(int, row);
        const YRuleRow &r = yRuleRows[row];
        test::GraphFixture f;
        FakeCompareTable &table = f.table;
        table.type = r.type;
        table.axis = r.axis;
        table.checks[4] = r.showBig;
        const QList<double> lifts{0, 100, 200, 300};
        const bool groupA = typeGroup(r.type) == TypeGroup::A;
        const QList<double> in = parseList(QString::fromLatin1(r.intake));
        const QList<double> ex = parseList(QString::fromLatin1(r.exhaust ? r.exhaust : "1 1 1 1"));
        table.setColumn(101, lifts);
        table.setColumn(106, lifts);
        table.setColumn(groupA ? 102 : 107, in);
        table.setColumn(groupA ? 103 : 108, ex);
        table.setColumn(groupA ? 104 : 109, in);
        table.setColumn(groupA ? 105 : 110, ex);

        f.platform.answerAllWith(AnswerOk);
        f.setMetric(r.metric);
        RecordingSurface surface;
        f.graph(surface);
        const Graph_State &graph = f.st.plot;
        QCOMPARE(graph.Graph_Y_Low, r.low);
        QCOMPARE(graph.Graph_Y_High, r.high);
        QCOMPARE(graph.Graph_Y_Step, (r.high - r.low) / 600.0);
    }

    void rowsAndCounts()
    {
        test::GraphFixture f;
        FakeCompareTable &table = f.table;
        table.setColumn(101, QStringList{"0", "100", "200", "0", "300"});
        table.setColumn(102, QStringList{"0", "10", "20", "", "30"});
        table.setColumn(103, QStringList{"0", "5", "6", "", "7"});
        // "0.0" is not the text "0": its row counts. A row whose cells hold
        // no number gives no point.
        table.setColumn(106, QStringList{"0", "0.0", "x", "150", "250"});
        table.setColumn(104, QStringList{"0", "999", "1", "15", "25"});
        table.setColumn(105, QStringList{"0", "9", "1", "8", "9"});
        f.platform.answerAllWith(AnswerOk);
        RecordingSurface surface;
        f.graph(surface);
        const Graph_State &graph = f.st.plot;
        // Type 0 keeps the zero start point.
        QCOMPARE(graph.Graph_From_Count, 4);
        QCOMPARE(graph.Graph_X_From[3], 300.0);
        QCOMPARE(graph.Graph_From_Intake[3], 30.0);
        QCOMPARE(graph.Graph_To_Count, 4);
        QCOMPARE(graph.Graph_X_To[1], 0.0);
        QCOMPARE(graph.Graph_To_Intake[2], 15.0);
        QCOMPARE(graph.Graph_X_High, 300.0);
        QCOMPARE(graph.Graph_Y_High, 1000.0); // 999 on the "0.0" row counts
        QCOMPARE(f.Form60.Label3, QStringLiteral("<--- Valve Lift Inches * 1000"));
        QCOMPARE(f.Form60.Label8, QStringLiteral("CFM @ 28\""));
    }

    void dropZeroAndLowerLow()
    {
        Graph_State g;
        g.Graph_From_Count = 3;
        g.Graph_X_From = {0, 100, 200};
        g.Graph_From_Intake = {0, 10, 20};
        g.Graph_From_Exhaust = {4, 5, 6};
        g.Graph_To_Count = 2;
        g.Graph_To_Intake = {0, 0.32};
        g.Graph_To_Exhaust = {1, 2};
        // Leftovers past a test's count take no part.
        g.Graph_To_Intake[5] = 0.2;
        g.Graph_Y_Low = 0.4;
        Lower_Y_Low_To_Data(g);
        QCOMPARE(g.Graph_Y_Low, 0.32);

        Drop_Zero_Start_Point(g);
        QCOMPARE(g.Graph_From_Count, 2);
        QCOMPARE(g.Graph_X_From[0], 100.0);
        QCOMPARE(g.Graph_From_Exhaust[0], 5.0); // both From curves lose it
        QCOMPARE(g.Graph_To_Count, 2);          // the To side looks at its exhaust

        Graph_State empty;
        empty.Graph_From_Count = 0;
        empty.Graph_To_Count = 0;
        Drop_Zero_Start_Point(empty);
        QCOMPARE(empty.Graph_From_Count, 0);
    }

    void userAxis_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<QString>("text1");
        QTest::addColumn<QString>("text2");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<double>("newLow");
        QTest::addColumn<double>("newHigh");
        QTest::addColumn<QStringList>("boxes");
        using L = QList<int>;
        const QString greater = QStringLiteral(
            "For this type of Graph the User Supplied Y_Axis High Value\r\nMUST BE GREATER THAN "
            "ZERO.\r\n\r\nUser Y_Axis High Value ignored.");
        const QString lower = QStringLiteral(
            "Your User Supplied High Y_Axis of 200 is Lower Than\r\nthe Calculated Y_Axis of "
            "250.0\r\n\r\nDo you still want to use Your Y_Axis High Value?");
        const QString higher = QStringLiteral(
            "Your User Supplied Low Y_Axis of 5 is Higher Than\r\nthe Calculated Y_Axis of "
            "-13.0\r\n\r\nDo you still want to use Your Y_Axis Low Value?");
        const QString reset = QStringLiteral(
            "Low Y_Axis of 5.0 is Equal or Higher Than High Y_Axis of 4.0\r\n\r\nLow Y_Axis is "
            "reset to High Y_Axis - 10");
        QTest::newRow("silent") << 0 << 0.0 << 250.0 << "-"
                                << "300" << L{} << 0.0 << 300.0 << QStringList{};
        QTest::newRow("lower, no") << 0 << 0.0 << 250.0 << "-"
                                   << "200" << L{AnswerNo} << 0.0 << 250.0 << QStringList{lower};
        QTest::newRow("lower, yes") << 0 << 0.0 << 250.0 << "-"
                                    << "200" << L{AnswerYes} << 0.0 << 200.0 << QStringList{lower};
        QTest::newRow("zero") << 2 << 0.0 << 250.0 << "-"
                              << "0" << L{AnswerOk} << 0.0 << 250.0 << QStringList{greater};
        QTest::newRow("low ignored") << 0 << 0.0 << 250.0 << "5"
                                     << "-" << L{} << 0.0 << 250.0 << QStringList{};
        QTest::newRow("percent low, yes")
            << 9 << -13.0 << 4.0 << "5"
            << "-" << L{AnswerYes, AnswerOk} << -6.0 << 4.0 << QStringList{higher, reset};
        QTest::newRow("percent low, no")
            << 9 << -13.0 << 4.0 << "5"
            << "-" << L{AnswerNo} << -13.0 << 4.0 << QStringList{higher};
        // A high end under the low end would turn the axis over.
        QTest::newRow("under the low end")
            << 7 << 0.4 << 0.7 << "-"
            << "0.3" << L{AnswerOk} << 0.4 << 0.7
            << QStringList{QStringLiteral(
                   "Your User Supplied High Y_Axis of 0.3 is Equal or Lower Than\r\nthe Low "
                   "Y_Axis of 0.4\r\n\r\nUser Y_Axis High Value ignored.")};
        QTest::newRow("no number") << 9 << -13.0 << 4.0 << "."
                                   << "5-" << L{} << -13.0 << 4.0 << QStringList{};
    }
    void userAxis()
    {
        QFETCH(int, type);
        QFETCH(double, low);
        QFETCH(double, high);
        QFETCH(QString, text1);
        QFETCH(QString, text2);
        QFETCH(QList<int>, answers);
        QFETCH(double, newLow);
        QFETCH(double, newHigh);
        QFETCH(QStringList, boxes);

        ScriptedPlatform platform;
        for (int a : answers)
            platform.answer(a);
        Graph_State g;
        g.Graph_Y_Low = low;
        g.Graph_Y_High = high;
        g.Graph_Y_Step = (high - low) / 600.0;
        Apply_User_Y_Axis(g, type, text1, text2, 600.0, NumberStyle(), platform.platform());
        QCOMPARE(g.Graph_Y_Low, newLow);
        QCOMPARE(g.Graph_Y_High, newHigh);
        QCOMPARE(g.Graph_Y_Step, (newHigh - newLow) / 600.0);
        QCOMPARE(platform.texts(), boxes);
        // A question carries no icon; a refused or replaced value is a
        // failure box, with the exclamation icon and the program's title.
        for (const MsgRequest &r : platform.shown) {
            QCOMPARE(r.icon, r.buttons == MsgButtons::YesNo ? MsgIcon::None : MsgIcon::Exclamation);
            QVERIFY(!r.title);
        }
        QVERIFY(platform.scriptDone());
    }
};

QTEST_GUILESS_MAIN(TestGraphAxes)
#include "test_graph_axes.moc"
