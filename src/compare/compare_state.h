#pragma once

#include "calc/cell_model.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

namespace zyt {

// The cells of the compare window `Form50` kept so far: its four graph
// option boxes, "0" or "1". The program-wide flags Quarter_D_Line,
// Auto_X_Lines, Mark_Points and Calc_Low_Y follow them.
class Compare_Model : public CellModel {
    Q_OBJECT

public:
    enum Array : int {
        Check1, // line at .25 valve diameter (ticked at start)
        Check2, // automatic number of X-axis lines
        Check3, // data points marked
        Check4, // "Show Big": calculated low Y axis
    };

    static constexpr int Single = CellLayout::Single;

    explicit Compare_Model(QObject *parent = nullptr);

    static const CellLayout &compareLayout();

    const QString &cell(Array array) const { return text(layout().id(array, Single)); }
    void setCell(Array array, const QString &value) { setText(layout().id(array, Single), value); }
};

// What the graph window `Form60` shows besides the graph: the grid line
// style and drawing colour of its picture and where the logo stands.
struct Graph_Window_State {
    int Picture1_DrawStyle = 0; // grid lines: 0 solid, 1 dash, 2 dot
    // The colour the graph draws with where nothing gives one (its texts),
    // as red + 256 green + 65536 blue.
    std::int32_t Picture1_ForeColor = 0;
    // Clears what is drawn on the graph picture, annotations included; the
    // graph window puts its own in. Unset, there is nothing to clear.
    std::function<void()> Picture1_Cls;
    double Picture2_Top = 0.0; // the logo, in the graph picture's units
    double Picture2_Left = 0.0;
    bool Picture2_Visible = false;
    QString Logo_Caption = QStringLiteral("Logo -- Is OFF");
    int Picture1_DrawWidth = 1;
    QStringList Combo1; // the line widths to draw with
};

} // namespace zyt
