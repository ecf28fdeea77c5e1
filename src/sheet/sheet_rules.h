#pragma once

#include "calc/cell_rules.h"
#include "calc/flow_test_sheet.h"

namespace zyt {

// What a sheet cell does while the user edits it.
CellRules Sheet_Cell_Rules(Flow_Test_Sheet::Array array, int index);

} // namespace zyt
