#pragma once

#include <QString>

#include <cstdint>

namespace zyt {

// How the windows look: the font and colour chosen last and the factors
// that fit the windows to a large screen.
struct LookState {
    // The font chosen last in the font dialog or read from a .gui file; every
    // font command applies these.
    QString Font_Name;
    QString Font_Size; // points, as text
    int Font_Bold = 0; // -1 bold, 0 not
    int Font_Italic = 0;
    int Font_Cancelled = 0; // 1 after the font dialog was cancelled

    // The colour every colour dialog opens on: the one chosen last in any.
    std::int32_t dialogColor = 0;

    // Fitting the windows to a large screen.
    double Scale_X = 1.0;
    double Scale_Y = 1.0;
    double Scale_Font = 1.0;
    double Fit_Screen_Width = 0.0;  // pixels
    double Fit_Screen_Height = 0.0; // pixels
    int Screen_DPI = 96;
    int Full_Screen_Res = 0;
    int Nonstandard_Aspect = 0;
};

} // namespace zyt
