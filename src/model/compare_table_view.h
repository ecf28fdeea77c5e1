#pragma once

#include <QString>

namespace zyt {

// What the graph reads of the compare window `Form50`: its choices, option
// boxes, entry cells and the comparison table, all as they stand.
class CompareTableView {
public:
    virtual ~CompareTableView() = default;

    virtual int comparisonType() const = 0; // `Option3` index 0 to 17, -1 none
    virtual int xAxis() const = 0;          // `Option4` index 0 to 2, -1 none
    // `Check1` to `Check4` (1 to 4) ticked.
    virtual bool isChecked(int box) const = 0;
    // The entry cells `Text1` to `Text4` (1 to 4) and the caption lines
    // `Text71` and `Text72` (71, 72).
    virtual QString entryText(int cell) const = 0;
    // The table: `Text101` to `Text110` (101 to 110), rows 10 to 30.
    virtual QString cellText(int array, int row) const = 0;
    virtual QString fromTestLabel() const = 0;
    virtual QString toTestLabel() const = 0;
};

// What the compare window's commands ask of the windows around them.
class CompareWindowHooks {
public:
    virtual ~CompareWindowHooks() = default;

    // The compare window's "&Calculate"; false when it showed an error box.
    virtual bool calculate() = 0;
    // Shows the graph window `Form60`.
    virtual void showGraphWindow() = 0;
};

} // namespace zyt
