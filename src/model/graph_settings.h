#pragma once

#include <QString>

#include <cmath>
#include <cstdint>

namespace zyt {

// The grid colour graphs start with, mid grey; it alone gets the wider solid
// grid lines.
inline constexpr std::int32_t DefaultGridColor = 9474192;

// The graph and logo settings the main data file keeps and the graph and
// compare windows draw with.
struct GraphSettings {
    int Grid_On = 1;
    std::int32_t Grid_Line_Color = DefaultGridColor; // 0xBBGGRR
    int Logo_On = 0;
    QString Logo_File;
    // The compare window's graph options as its check boxes start.
    int Quarter_D_Line = 1;
    int Auto_X_Lines = 0;
    int Mark_Points = 0;
    int Calc_Low_Y = 0;

    // Graph settings start-up gives their start values.
    int Graph_Caption_On = 1;
    int Draw_Red = 255;
    int Draw_Green = 255;
    int Draw_Blue = 255;
    int Plot_Mode_Switch = 0;
    int Grid_Lines_Y = 10;
    int Grid_Lines_X = 10;
    double Graph_Width = 600.0; // the plot in graph-window units
    double Graph_Height = 600.0;
    std::int32_t Draw_Line_Color = 99999;
    int Draw_Line_Width = 3;
    int Graph_Right_Edge = 599;
    int Graph_Bottom_Edge = 599;
};

// The last drawable column or row of a plot `size` units across: the size
// less one, halves rounded to even.
inline int graphEdge(double size) { return int(std::nearbyint(size - 1.0)); }

} // namespace zyt
