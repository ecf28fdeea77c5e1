#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

namespace zyt {

// What the graph window `Form60` shows besides the graph: the grid line
// style and drawing colour of its picture and where the logo stands.
struct GraphWindowState {
    int Picture1_DrawStyle = 0; // grid lines: 0 solid, 1 dash, 2 dot
    // The colour the graph draws with where nothing gives one (its texts),
    // as red + 256 green + 65536 blue.
    std::int32_t Picture1_ForeColor = 0;
    double Picture2_Top = 0.0; // the logo, in the graph picture's units
    double Picture2_Left = 0.0;
    bool Picture2_Visible = false;
    QString Logo_Caption = QStringLiteral("Logo -- Is OFF");
    int Picture1_DrawWidth = 1;
    QStringList Combo1; // the line widths to draw with
    // The axis captions beside the picture, X with the arrow (`Label3`) and
    // plain (`Label9`), Y likewise (`Label4`, `Label8`); the graph prints the
    // plain ones on the picture.
    QString Label3 = QStringLiteral("<---");
    QString Label4 = QStringLiteral("<--- ");
    QString Label8;
    QString Label9;
};

} // namespace zyt
