#pragma once

#include "calc/flow_test_sheet.h"

namespace zyt {

enum class KeyFilter { None, Integer, Decimal, Signed };
enum class FocusCheck { None, NotEmpty, NotZero };
enum class ExtraRule { None, LiftCopy, IntakeValveCount, ExhaustValveCount };

// What a sheet cell does while the user edits it.
struct CellRules {
    bool edited = false;        // the mouse flag is kept over it
    bool selectOnFocus = false; // the whole text is selected on focus
    KeyFilter filter = KeyFilter::None;
    FocusCheck check = FocusCheck::None;
    ExtraRule extra = ExtraRule::None; // runs after the check
};

CellRules Sheet_Cell_Rules(Flow_Test_Sheet::Array array, int index);

} // namespace zyt
