#pragma once

#include <QString>
#include <QStringList>

namespace zyt {

struct AppState;
struct NumberStyle;
struct Platform;
class Flow_Test_Sheet;
class RecordWriter;

// The flow data file (.dat): the input cells and comments of one sheet as
// 124 record lines.

// Loads a flow data file into the sheet and recalculates it. An empty name
// asks with the Open dialog and ends with the count of records read; a name
// is taken relative to the program's folder, and one leading out of it is
// refused like a missing file; a load by name shows no count. Every
// failure shows its own box. True when a file was read, even when a bad
// record stopped it part way (the sheet then holds what was read before);
// false when nothing was read and the sheet is unchanged. Sets File_Name to
// the path read. Never touches the sheet's path line Text39.
bool Load_Flow_Data_File(Flow_Test_Sheet &sheet, const QString &name, AppState &st);

// True when `name` is one a load by name takes: a file inside the program's
// folder (fileInFolder). Any other shows the load's failure box, "Flow Data
// File has Not been Loaded".
bool preloadNameAccepted(const QString &name, const Platform &platform);

// Asks with the Save dialog and writes the sheet's input cells and comments,
// then shows the count of records written. True when the file was written;
// on failure the previous file at that path is left as it was. Sets
// File_Name to the chosen path; changes no cell.
bool Save_Flow_Data_File(const Flow_Test_Sheet &sheet, AppState &st);

// The two halves without files or dialogs.

enum class ReadEnd { Completed, Stopped };

// Reads the lines of a flow data file into the sheet, first setting rows 28
// to 30 of the lifts, observed flows and second lifts to "0". Bad records
// ask the user; Stopped when the reading ended early. Read_Count is the
// number of lines read.
ReadEnd readFlowDataLines(Flow_Test_Sheet &sheet, const QStringList &lines,
                          const NumberStyle &numbers, const Platform &platform, int &Read_Count);

// The records of a sheet, in the order the file holds them.
RecordWriter writeFlowDataRecords(const Flow_Test_Sheet &sheet);

} // namespace zyt
