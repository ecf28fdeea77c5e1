#pragma once

#include "model/cell_rules.h"
#include "model/main_model.h"

#include <QStringView>

namespace zyt {

struct NumberStyle;
struct Platform;

// What an estimator or port calculator cell of the main window does while
// the user edits it. The mouse flag is kept over every cell of the edited
// columns; the other cells of the window have no rules.
CellRules mainCellRules(MainModel::Array array, int index);

// The limit of the Mach number Text101(3) (1) or the compression ratio
// Text101(8) (25), run when the focus leaves the cell, after its
// Check_Not_Zero. Over the limit it shows its message; true then, and the
// window puts the focus back into the cell. The text stays as typed; a value
// at the limit and a text that is no number pass.
bool estimatorLimitCheck(int index, QStringView text, const NumberStyle &numbers,
                         const Platform &platform);

} // namespace zyt
