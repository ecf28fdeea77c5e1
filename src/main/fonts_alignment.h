#pragma once

#include <QString>

#include <optional>

namespace zyt {

struct AppState;
struct LookState;
struct NumberStyle;
struct Platform;
struct Models;
class CellModel;
class MainModel;

// Fonts and alignment of the text boxes: the cells shown as boxes (labels,
// entries, results and headers; no check box or option). They change the
// cells' looks; the windows follow.

// The size, in points, of the windows' own font, which a cell without a font
// of its own shows.
inline constexpr double WindowFontSize = 8.0;

// The point size a font size text gives, when a box can take it: 1 to 200.
std::optional<double> fontSizeValue(const QString &text, const NumberStyle &numbers);

// Shows the font dialog and keeps its font in Font_Name, Font_Size,
// Font_Bold and Font_Italic. A cancel shows "No Font Selected", changes no
// font value and sets Font_Cancelled; false then.
bool Choose_Font(LookState &looks, const NumberStyle &numbers, const Platform &platform);

// Apply the font values to every text box of the main window, or only to
// those the user can type in at the moment.
void Apply_Font_Main(MainModel &Main, const LookState &looks, const NumberStyle &numbers);
void Apply_Entry_Font_Main(MainModel &Main, const LookState &looks, const NumberStyle &numbers);
// The same on the flow screens: the five sheets, then the compare window.
void Apply_Font_Sheets(Models &models, const LookState &looks, const NumberStyle &numbers);
void Apply_Entry_Font_Sheets(Models &models, const LookState &looks, const NumberStyle &numbers);
// One window; the compare window's two graph caption boxes Text71 and
// Text72 keep their own font.
void Apply_Font_Form(CellModel &window, const LookState &looks, const NumberStyle &numbers);
void Apply_Entry_Font_Form(CellModel &window, const LookState &looks, const NumberStyle &numbers);

// Box_Alignment to the text boxes of one window, every comments box
// "Text38" and the compare window's Text71 and Text72 excepted; only the
// display changes.
void Align_Form(CellModel &window, const NumberStyle &numbers);
// The same on the main window, the sheets and the compare window.
void Align_All_Forms(Models &models, const NumberStyle &numbers);
// Calculate_Sheet on Form1 to Form5 in turn, so their results are written
// again in the number forms of the alignment.
void calculateAllSheets(Models &models, AppState &st);

// Menu "User Selectable Entry GUI Options", the captions of the entries:
// "Select Font for All Text Main Screen"
void AllFont_Click(Models &models, AppState &st);
// "Select Font for Just Entry Text Main Screen"
void EntryFont_Click(Models &models, AppState &st);
// "Select Font for All Text Flow Screen"
void AllFont_Flow_Click(Models &models, AppState &st);
// "Select Font for Just Entry Text Flow Screen"
void EntryFont_Flow_Click(Models &models, AppState &st);
// Submenu "Select Alignment for All Text": "Set Alignment for Flush Left",
// "Set Alignment for Center" and "Set Alignment for Flush Right" (which also
// recalculates the five sheets).
void AligLeft_Click(Models &models, AppState &st);
void AligCenter_Click(Models &models, AppState &st);
void AligRight_Click(Models &models, AppState &st);

} // namespace zyt
