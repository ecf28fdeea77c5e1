#pragma once

#include "cell_model.h"
#include "cell_rules.h"

#include <QString>

namespace zyt {

// The cells of the compare window `Form50`: its four graph option boxes
// ("0" or "1"; the program-wide flags Quarter_D_Line, Auto_X_Lines,
// Mark_Points and Calc_Low_Y follow them), the four option groups (the
// chosen element's index), the graph entry cells, the two graph caption
// lines, the comparison table and the labels of the two tests compared.
class CompareModel : public CellModel {
    Q_OBJECT

public:
    enum Array : int {
        Check1,  // line at .25 valve diameter (ticked at start)
        Check2,  // automatic number of X-axis lines
        Check3,  // data points marked
        Check4,  // "Show Big": calculated low Y axis
        Option1, // From test: 0 to 4 for Form1 to Form5
        Option2, // To test
        Option3, // comparison type, 0 to 17
        Option4, // X column: 0 valve lift, 1 intake L/D, 2 exhaust L/D
        Text1,   // "Y Axis Low"; "-" when not used
        Text2,   // "Y Axis High"
        Text3,   // "Valve Lift 1"
        Text4,   // "Valve Lift 2"
        Text71,  // graph caption line 1
        Text72,  // graph caption line 2
        Text101, // the table, rows 10 to 30: From X
        Text102, // From intake
        Text103, // From exhaust
        Text104, // To intake
        Text105, // To exhaust
        Text106, // To X
        Text107, // results: From energies, differences or changes
        Text108,
        Text109,
        Text110,
        From_Test_Label, // "k - " and the From test's part number
        To_Test_Label,
    };
    static constexpr int FirstTableRow = 10;
    static constexpr int LastTableRow = 30;

    static constexpr int Single = CellLayout::Single;

    explicit CompareModel(QObject *parent = nullptr);

    static const CellLayout &compareLayout();

    const QString &cell(Array array, int index = Single) const
    {
        return text(checkedId(array, index));
    }
    void setCell(Array array, int index, const QString &value)
    {
        setText(checkedId(array, index), value);
    }
    void setCell(Array array, const QString &value) { setCell(array, Single, value); }

protected:
    // A compare window laid out with other cells; its first arrays must be
    // the four boxes, in their order.
    CompareModel(const CellLayout &layout, QObject *parent);
};

// The comparison types, by the index of their `Option3` element.
enum class CompareType : int {
    Cfm,
    CfmPerSqInch,
    MeanPortVelocity, // the port energy is filled beside it
    PortEnergy,
    PortEnergyDensity,
    EffectiveVelocity,
    Swirl, // the one swirl column fills both sides
    SaeCd,
    EffectiveSaeCd,
    PctFlow, // the percentage changes from here on
    PctCfmPerSqInch,
    PctSaeCd,
    PctMeanPortVelocity,
    PctEffectiveSaeCd,
    PctEffectiveVelocity,
    PctSwirl, // signed, so a change across zero still reads
    PctPortEnergy,
    PctPortEnergyDensity,
};
inline constexpr int CompareTypeCount = 18;

// True for the types shown as a percentage change (9 to 17).
constexpr bool isPercentType(int type) { return type >= 9 && type < CompareTypeCount; }

// What the window's choices stand at. A type or X column the model cannot
// read counts as none (-1); a test that is none of the first four is the
// fifth, as the window picks them.
int comparisonType(const CompareModel &Form50); // the type from 0 to 17; -1 none
int xColumn(const CompareModel &Form50);        // lift 0, intake L/D 1, exhaust L/D 2; -1
int fromTest(const CompareModel &Form50);       // Form1 to Form5 as 0 to 4
int toTest(const CompareModel &Form50);
// A graph option box (Check1 to Check4) as its flag holds it: 1 ticked, else 0.
int graphOption(const CompareModel &Form50, CompareModel::Array box);

// What a cell of `Form50` does while the user edits it: the four entry cells
// filter their keys, select their text on focus and never stay empty; the
// caption lines and the table take no rules.
CellRules compareCellRules(CompareModel::Array array);

} // namespace zyt
