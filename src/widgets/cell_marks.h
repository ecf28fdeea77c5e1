#pragma once

#include <QMargins>

#include <vector>

class QWidget;

namespace zyt {

// A cell's text margins, whatever widget shows the cell.
void setCellTextMargins(QWidget &cell, const QMargins &margins);

// Gives each mark (a small coloured patch at the right end of a cell, or
// just beyond it) to the cell of the same parent it stands at: the cell
// keeps its text clear of its marks, with the marks' part of the cell and a
// small gap as its right text margin, and follows them as the screen
// fitting moves and grows them.
void keepTextClearOfMarks(const std::vector<QWidget *> &cells, const std::vector<QWidget *> &marks);

} // namespace zyt
