#pragma once

#include <QStringList>

namespace zyt {

struct AppState;
struct NumberStyle;
struct Platform;
struct Models;
class RecordWriter;

// The parameter file (.gui): the four fonts, the box alignment and the graph
// font colour as 19 record lines, read back in order: a font group takes
// effect at its italic line.

// Menu "Read (Open) GUI File": the Open dialog, the reader, then the count of
// records read. A file that cannot be read shows "Parameter File has Not
// been Read".
void Read_GUI_Click(Models &models, AppState &st);
// Menu "Write (Save) GUI File": the Save dialog, the writer, then the count of
// records written. A failed write leaves the file that was there.
void Write_GUI_Click(Models &models, AppState &st);

// The two halves without files or dialogs. Bad records ask the user; the
// number of lines read is returned.
int readGuiLines(Models &models, const QStringList &lines, AppState &st);
RecordWriter writeGuiRecords(const Models &models, const NumberStyle &numbers,
                             const Platform &platform);

} // namespace zyt
