#pragma once

#include <array>
#include <cstdint>

namespace zyt {

// The record the compare graph's routines share: the Graph command fills it,
// Graph Plus and the user's Y axis change it, the drawing reads it. One lives
// for the whole run. The plot's size, its grid and the option flags are
// program-wide settings (GraphSettings).
struct Graph_State {
    static constexpr int MaxPoints = 15;
    using Points = std::array<double, MaxPoints>;

    // Points of each test, in the order of the table's lift rows; elements
    // from the count on are not part of the graph.
    std::int32_t Graph_From_Count = 0;
    std::int32_t Graph_To_Count = 0;
    Points Graph_X_From{};
    Points Graph_X_To{};
    Points Graph_From_Intake{};
    Points Graph_From_Exhaust{};
    Points Graph_To_Intake{};
    Points Graph_To_Exhaust{};

    std::int32_t Curve_Tension = 50; // tension of the fitted curves

    double Graph_X_Low = 0.0;
    double Graph_X_High = 0.0;
    double Graph_Y_Low = 0.0;
    double Graph_Y_High = 0.0;
    double Graph_X_Step = 0.0; // X value per unit of the plot
    double Graph_Y_Step = 0.0; // Y value per unit of the plot
    double Graph_Top = 0.0;    // top of the plot inside the picture

    // 999 until the first graph of the run, 0 after every Graph command, one
    // more after every Graph Plus pass; Graph Plus runs only below 3.
    int Graph_Plus_Count = 999;

    // How far the legend's lines stand below their first place.
    double Legend_Offset = 0.0;

    void clearPoints()
    {
        Graph_From_Count = Graph_To_Count = MaxPoints;
        Graph_X_From.fill(0.0);
        Graph_X_To.fill(0.0);
        Graph_From_Intake.fill(0.0);
        Graph_From_Exhaust.fill(0.0);
        Graph_To_Intake.fill(0.0);
        Graph_To_Exhaust.fill(0.0);
    }
};

} // namespace zyt
