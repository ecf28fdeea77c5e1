#pragma once

#include "compare/graph_command.h"
#include "model/app_state.h"
#include "model/graph_window_state.h"
#include "model/main_model.h"
#include "scripted_platform.h"

#include <QHash>
#include <QList>
#include <QStringList>

#include <array>
#include <utility>

namespace zyt::test {

// The compare window's table and choices as plain data, for the graph; it
// counts the calculations and the showings of the graph window asked of it.
class FakeCompareTable final : public CompareTableView, public CompareWindowHooks {
public:
    int type = 0;
    int axis = 0;
    std::array<bool, 5> checks{false, false, false, false, false}; // boxes 1 to 4
    QHash<int, QString> entries{{1, QStringLiteral("-")},
                                {2, QStringLiteral("-")},
                                {3, QStringLiteral("-")},
                                {4, QStringLiteral("-")},
                                {71, QStringLiteral("User Supplied Text for Graph Caption Line 1 "
                                                    "-- ADD HERE")},
                                {72, QStringLiteral("User Supplied Text for Graph Caption Line 2 "
                                                    "-- ADD HERE")}};
    QHash<std::pair<int, int>, QString> cells;
    QString from = QStringLiteral("1 - E7TE");
    QString to = QStringLiteral("2 - E7TE Ported");
    int calculations = 0;
    bool calculateWorks = true;
    int shown = 0;

    // Fills rows 16 onwards of a column; the rest of rows 16 to 30 read "0".
    void setColumn(int array, const QStringList &values)
    {
        for (int row = 16; row <= 30; ++row)
            cells[{array, row}] = row - 16 < values.size() ? values[row - 16] : QStringLiteral("0");
    }
    void setColumn(int array, const QList<double> &values)
    {
        QStringList texts;
        for (double v : values)
            texts << QString::number(v, 'g', 15);
        setColumn(array, texts);
    }

    int comparisonType() const override { return type; }
    int xAxis() const override { return axis; }
    bool isChecked(int box) const override { return box >= 1 && box <= 4 && checks[size_t(box)]; }
    QString entryText(int cell) const override { return entries.value(cell); }
    QString cellText(int array, int row) const override { return cells.value({array, row}); }
    QString fromTestLabel() const override { return from; }
    QString toTestLabel() const override { return to; }

    bool calculate() override
    {
        ++calculations;
        return calculateWorks;
    }
    void showGraphWindow() override { ++shown; }
};

// A graph command's surroundings: the compare window as data, scripted
// boxes, the program state and the graph window.
struct GraphFixture {
    GraphFixture()
    {
        st.platform = platform.platform();
        st.Main = &main;
    }
    void setMetric(bool metric)
    {
        main.setCell(MainModel::Check2, QString::number(metric ? 1 : 0));
    }
    void graph(DrawSurface &picture) { Command2_Click(table, Form60, picture, st, table); }
    void graphPlus(DrawSurface &picture) { Graph_Plus_Click(table, Form60, picture, st, table); }

    FakeCompareTable table;
    ScriptedPlatform platform;
    MainModel main;
    AppState st;
    GraphWindowState Form60;
};

// Two tests like the sample sheet: lifts to 1000 thousandths, intake and
// exhaust flows, the second test a ported version of the first.
inline const QList<double> &sampleLifts()
{
    static const QList<double> lifts{0,   50,  100, 150, 200, 250, 300, 350,
                                     400, 500, 600, 700, 800, 900, 1000};
    return lifts;
}
inline const QList<double> &sampleIntake()
{
    static const QList<double> flows{0,   35.8,  73,  110, 145, 169, 193.5, 211.5,
                                     230, 257.4, 268, 277, 282, 284, 285};
    return flows;
}
inline const QList<double> &sampleExhaust()
{
    static const QList<double> flows{0,   24.6,  52,    77,    109, 136.6, 147.7, 161,
                                     179, 187.9, 188.6, 198.6, 207, 215,   222};
    return flows;
}
inline QList<double> scaled(const QList<double> &values, double factor)
{
    QList<double> out;
    for (double v : values)
        out << v * factor;
    return out;
}

// A flow comparison (CFM) of the two sample tests on the valve-lift axis.
inline void fillSampleFlows(FakeCompareTable &table)
{
    table.type = 0;
    table.axis = 0;
    table.setColumn(101, sampleLifts());
    table.setColumn(106, sampleLifts());
    table.setColumn(102, sampleIntake());
    table.setColumn(103, sampleExhaust());
    table.setColumn(104, scaled(sampleIntake(), 1.06));
    table.setColumn(105, scaled(sampleExhaust(), 1.04));
    table.cells[{102, 11}] = QStringLiteral("505");
    table.cells[{103, 11}] = QStringLiteral("400");
    table.cells[{104, 11}] = QStringLiteral("505");
    table.cells[{105, 11}] = QStringLiteral("400");
}

} // namespace zyt::test
