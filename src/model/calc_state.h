#pragma once

#include <QString>

namespace zyt {

// The prepared valve, stem, throat and seat geometry of one side of the
// sheet calculated last, in inches.
struct Valve_Geometry {
    double Valve_Dia = 0.0;
    double Seat_Angle = 0.0; // degrees
    double Seat_Width = 0.0;
    double Seat_Width_Cos = 0.0;
    double Seat_Sin = 0.0;
    double Seat_Cos = 0.0;
    double Net_Throat_Area = 0.0; // all valves of the side together
};

// What the calculation of a sheet keeps between its steps; shared by the
// five sheets, it describes the sheet calculated last.
struct CalcState {
    int Valves_In = 1;
    int Valves_Ex = 1;
    double Ratio_Sum = 0.0;
    int Ratio_Count = 0;
    double Avg_Ratio_Sum = 0.0;
    int Avg_Ratio_Count = 0;
    double In_Flow_Sum = 0.0;
    double Ex_Flow_Sum = 0.0;
    int In_Flow_Count = 0;
    int Ex_Flow_Count = 0;
    Valve_Geometry Intake_Geometry;
    Valve_Geometry Exhaust_Geometry;
    double Curtain_Area = 0.0; // square inches, from the last curtain-area call
    QString Error_Msg;
};

} // namespace zyt
