#pragma once

#include "model/cell_rules.h"
#include "model/flow_test_sheet.h"

namespace zyt {

// What a sheet cell does while the user edits it.
CellRules sheetCellRules(Flow_Test_Sheet::Array array, int index);

} // namespace zyt
