#pragma once

#include "files/file_command.h"
#include "model/models.h"
#include "report_text.h"

#include <QString>
#include <QStringView>

namespace zyt {

struct AppState;
class MainModel;
class ReportModel;

// The report window's boxes as the builder takes them.
ReportSelection reportSelection(const ReportModel &report);

// "&Create Text Report": recalculates every chosen sheet (a calculation
// error shows its own box and the section is built from the cells as they
// stand), builds the report from the main window's cells `main` and the five
// sheets, and shows it in the report window.
void Create_Text_Report(ReportModel &report, const MainModel &main, const SheetList &sheets,
                        AppState &st);

// What a key pressed in the shown report does. Only keys that carry a
// character count: "." saves the report and closes it, any other character
// closes it; arrows, page keys, Shift and the like leave it open, so the
// user can scroll.
enum class ReportKey { Keep, Close, SaveAndClose };
ReportKey reportKeyAction(QStringView keyText);

// A key pressed in the display box, given by the text it carries. True when
// the report closed.
bool Text38_KeyPress(ReportModel &report, QStringView keyText, AppState &st);

// Asks for a file with the Save dialog and writes the report into it with
// one more CR LF. On a cancelled dialog or a failed write "Problem - File
// Not Saved" shows and a file already there is left as it was. True when the
// file was written; File_Name holds the chosen path.
bool Save_Report_File(const QString &report, FileServices services);

} // namespace zyt
