#pragma once

#include "model/main_model.h"
#include "model/models.h"

namespace zyt {

struct NumberStyle;

// The "Metric" box changed: brings the estimator's and the port calculators'
// values and unit words into the units the box now shows, then every sheet.
// Nothing is recalculated. A cell that holds no number stays as it is and
// the others convert; nothing is shown and nothing throws.
void Check2_Click(MainModel &main, const SheetList &sheets, const NumberStyle &numbers);

} // namespace zyt
