#pragma once

#include "cell_model.h"

#include <QString>

namespace zyt {

// The cells of the compare window `Form50` kept so far: its four graph
// option boxes, "0" or "1". The program-wide flags Quarter_D_Line,
// Auto_X_Lines, Mark_Points and Calc_Low_Y follow them.
class CompareModel : public CellModel {
    Q_OBJECT

public:
    enum Array : int {
        Check1, // line at .25 valve diameter (ticked at start)
        Check2, // automatic number of X-axis lines
        Check3, // data points marked
        Check4, // "Show Big": calculated low Y axis
    };

    static constexpr int Single = CellLayout::Single;

    explicit CompareModel(QObject *parent = nullptr);

    static const CellLayout &compareLayout();

    const QString &cell(Array array) const { return text(checkedId(array, Single)); }
    void setCell(Array array, const QString &value) { setText(checkedId(array, Single), value); }

protected:
    // A compare window laid out with more cells; its first arrays must be
    // the four boxes, in their order.
    CompareModel(const CellLayout &layout, QObject *parent);
};

} // namespace zyt
