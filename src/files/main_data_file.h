#pragma once

#include "flow_data_file.h"
#include "model/models.h"

#include <QString>
#include <QStringList>

#include <array>

namespace zyt {

struct AppState;
class ProgramHooks;
struct GraphSettings;
struct NumberStyle;
struct Platform;
class RecordWriter;

// The main data file (.dta): the main window's settings and estimator cells,
// the five preload names, the company fields, the logo, grid and graph
// options, and the main comments, as 37 record lines.

// Reads the main data file at File_Name, asking with the Open dialog first
// when File_Name is empty. A changed "Metric" box runs Check2_Click at once;
// each preload name loads its flow data file into its sheet; a logo loads
// into the graph window; at the end the estimator runs (Command51_Click). A
// record that cannot be applied shows its box and is skipped. No count is
// shown. True when a file was read, false when none could be (with the
// failure box).
bool Load_Main_Data_File(Models &models, AppState &st, ProgramHooks &hooks);

// Runs the estimator, then writes the main data file to File_Name, asking
// with the Save dialog first when File_Name is empty. True when written; on
// failure the box shows and the previous file stays as it was.
bool Save_Main_Data_File(Models &models, AppState &st, ProgramHooks &hooks);

// The autosave file in the program's folder, written at exit and read at
// start-up.
inline constexpr const char *Autosave_File = "zxqw1234.sav";
QString autosaveFilePath(const Platform &platform);
// Start-up: removes what a cut-short save left beside the autosave file, then
// loads the autosave file when there is one (autosaveFileToRead); a missing
// file is skipped without a word. One that cannot be read, or whose reading
// a bad record stopped, would be replaced by the exit's save and the last
// session lost: it is moved aside (moveAutosaveAside) and one box says so.
void Load_Autosave_File(Models &models, AppState &st, ProgramHooks &hooks);
// Exit: writes the autosave file; a failure shows the writer's box. An
// autosave file start-up could not read nor move aside is moved now, or, when
// it still cannot be, left as it is with the writer's box.
bool saveAutosaveFile(Models &models, AppState &st, ProgramHooks &hooks);

// The two halves without files or dialogs.
ReadEnd readMainDataLines(Models &models, const QStringList &lines, AppState &st,
                          ProgramHooks &hooks);
RecordWriter writeMainDataRecords(const Models &models, const GraphSettings &graph,
                                  const NumberStyle &numbers);

} // namespace zyt
