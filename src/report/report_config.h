#pragma once

#include "files/flow_data_file.h"

#include <QStringList>
#include <QStringView>

namespace zyt {

struct AppState;
struct NumberStyle;
struct Platform;
class RecordWriter;
class ReportModel;

// The report configuration file (.cfg): the report window's tests, fields,
// main-window box and both alignment options as record lines.

// "&Save Configuration": asks with the Save dialog and writes the file, then
// shows the count of records written. True when the file was written; on
// failure "Configuration File has NOT been Saved" shows and a file already
// there is left as it was.
bool Save_Report_Config(const ReportModel &report, AppState &st);

// "&Load Configuration": asks with the Open dialog and reads the file into
// the report window's boxes, then shows the count of lines read. A bad
// record ends the load with the boxes read so far set. True when the file
// was read to its end.
bool Load_Report_Config(ReportModel &report, AppState &st);

// The two halves without files or dialogs.

// "name = number", the number written whole.
void Write_Indexed_Record(RecordWriter &writer, QStringView name, double number,
                          const NumberStyle &numbers);
// The records in file order: 38 when each option group has a choice.
RecordWriter writeReportConfigRecords(const ReportModel &report, const NumberStyle &numbers);
// Applies the lines to the boxes; bad records ask the user. Stopped when the
// reading ended early. Read_Count is the number of lines read.
ReadEnd readReportConfigLines(ReportModel &report, const QStringList &lines,
                              const NumberStyle &numbers, const Platform &platform,
                              int &Read_Count);

} // namespace zyt
