#pragma once

#include <QStringList>

namespace zyt {

struct AppState;
struct NumberStyle;
struct Platform;
class MainModel;
class RecordWriter;

// The company information file (.dcn): the main window's company name,
// address, city, phone and web site (Text94 to Text98), one line each.

// Menu "Load Company Name, Address, etc, Data": the Open dialog, then the
// file's lines into the fields. No count is shown.
void Load_Co_Name_Click(MainModel &Main, AppState &st);
// The panel's "Save" button: the Save dialog, then the five lines. Nothing is
// shown on success; a failed write leaves the file that was there.
void Save_Co_Name_Click(const MainModel &Main, AppState &st);

// The two halves without files or dialogs. Keys match with their letter
// case; a line that matches none shows its box and the reading goes on.
void readCompanyLines(MainModel &Main, const QStringList &lines, const NumberStyle &numbers,
                      const Platform &platform);
// Each field on one line: a line break in a field would split its record,
// so each becomes a blank.
RecordWriter writeCompanyRecords(const MainModel &Main);

} // namespace zyt
