#pragma once

#include "platform/file_dialogs.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"

#include <QChar>
#include <QHash>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace zyt {

class MainModel;

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

// The program-wide values every window and routine shares. One instance lives
// for the whole run; tests make their own.
struct AppState {
    AppState();

    Platform platform;

    QString App_Title;
    int Exiting = 0;

    // Decimal input follows Decimal_Comma; formatted output always uses the
    // locale's own characters.
    int Decimal_Comma = 0;
    QChar Locale_Decimal = u'.';
    QChar Locale_Group = u',';

    // 0 left, 1 right, 2 centre; right alignment gives fixed decimals.
    int Box_Alignment = 0;

    // The font chosen last in the font dialog or read from a .gui file; every
    // font command applies these.
    QString Font_Name;
    QString Font_Size; // points, as text
    int Font_Bold = 0; // -1 bold, 0 not
    int Font_Italic = 0;
    int Font_Cancelled = 0; // 1 after the font dialog was cancelled

    // The colour every colour dialog opens on: the one chosen last in any.
    std::int32_t Dialog_Color = 0;

    // The printer chosen for this run, by device name or Pdf_File_Printer;
    // empty until the user chooses one.
    QString Printer;
    QString Printer_Name; // the entry picked in the printer list
    // The printer every printout goes to: the one chosen, else the system's
    // default printer, else the PDF file.
    QString currentPrinter() const;

    // Set while a mouse button is held on an edited cell, so a click keeps
    // the caret where it was put instead of selecting the whole text.
    int Skip_Focus_Select = 0;

    std::array<QString, 2> Field_Msgs;

    // Fitting the windows to a large screen.
    double Scale_X = 1.0;
    double Scale_Y = 1.0;
    double Scale_Font = 1.0;
    double Fit_Screen_Width = 0.0;  // pixels
    double Fit_Screen_Height = 0.0; // pixels
    int Screen_DPI = 96;
    int Full_Screen_Res = 0;
    int Nonstandard_Aspect = 0;

    // Hover-help texts by name ("Help_Calculate", ...), filled at start-up.
    QHash<QString, QString> Help_Texts;

    // The main window's cells; its "Metric" check box says which units every
    // sheet is in. Without a main window the units are standard.
    const MainModel *Main = nullptr;
    bool Metric() const;

    // Calculation state shared by the five sheets; it describes the sheet
    // calculated last.
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

    // The path of the last file dialog, or the one a caller preset so that a
    // reader or writer asks no dialog.
    QString File_Name;
    int Import_Filter_Index = 1; // entry of the flow import dialog chosen last

    // Graph and logo settings the main data file keeps; the graph and
    // compare windows draw with them.
    int Grid_On = 1;
    std::int32_t Grid_Line_Color = 9474192; // 0xBBGGRR, mid grey
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

    // "Main" while the main window captures itself.
    QString Capture_Caller;

    // Handlers of the main window that the main data file runs by name; the
    // main window puts its own in. Unset, they do nothing.
    std::function<void()> Check2_Click;    // convert Main and the sheets to Check2's units
    std::function<void()> Command51_Click; // the estimator's calculation
    // Loads the logo picture into the graph window; false when the file
    // holds no picture. Unset, a file that exists counts as a picture.
    std::function<bool(const QString &path)> Load_Logo_Picture;

    // Takes the separators of the locale and settles Decimal_Comma from them.
    void Set_Decimal_Separators(QChar decimal, QChar group);

    // The own decimal character of the input side.
    QChar inputDecimal() const { return Decimal_Comma != 0 ? u',' : u'.'; }

    int message(const QString &text, MsgButtons buttons = MsgButtons::Ok,
                MsgIcon icon = MsgIcon::None);
    int message(const MsgRequest &request);
    void beep();
    // The chosen path, or nothing when the user cancelled.
    std::optional<QString> fileDialog(const FileDialogRequest &request);
    QString programFolder();
};

inline constexpr const char *Crlf = "\r\n";

} // namespace zyt
