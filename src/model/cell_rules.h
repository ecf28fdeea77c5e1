#pragma once

namespace zyt {

enum class KeyFilter { None, Integer, Decimal, Signed };
// DashWhenEmpty: an empty cell gets "-" ("not used") and the focus back.
enum class FocusCheck { None, NotEmpty, NotZero, DashWhenEmpty };
// A rule of its own that runs after the focus check.
enum class ExtraRule {
    None,
    LiftCopy,
    IntakeValveCount,
    ExhaustValveCount,
    EstimatorLimit, // the main window's Mach number and compression ratio
};

// What a cell does while the user edits it, whatever window it is on.
struct CellRules {
    bool edited = false;        // the mouse flag is kept over it
    bool selectOnFocus = false; // the whole text is selected on focus
    KeyFilter filter = KeyFilter::None;
    FocusCheck check = FocusCheck::None;
    ExtraRule extra = ExtraRule::None; // runs after the check
};

} // namespace zyt
