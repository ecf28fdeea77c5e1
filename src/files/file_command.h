#pragma once

#include "model/file_state.h"
#include "platform/message_boxes.h"
#include "text_files.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace zyt {

struct AppState;
struct NumberStyle;
struct Platform;
class RecordWriter;

// What every command that reads or writes one of the program's text files
// does around the format itself: it takes the name (given, or asked with the
// file dialog), reads the file whole within the size limit and splits it into
// lines, or writes the whole text in one step, and shows the failure box and
// the count box. The format only turns lines into cells or cells into text.

// How the commands of one file kind meet the user.
struct FileKind {
    // The dialog's "|" filter and the entry it preselects (from 1).
    QString filter;
    int filterIndex = 1;
    // The box shown when no name was chosen or the file could not be read
    // or written.
    MsgRequest failure;
    // Follows the number of records in the box shown once a file chosen in
    // the dialog was read or written (" Records Read"); empty: no count.
    QString countText;
    // The dialog offers the name chosen last in any file dialog.
    bool keepLastName = false;
    // Where the dialog's filter entry is remembered: preselected from there
    // instead of `filterIndex`, and the entry the user left selected is
    // stored back.
    int FileState::*filterMemory = nullptr;
};

// The failure box most kinds show: exclamation, OK, the program's title.
MsgRequest failureBox(const QString &text);

// What the commands take of the program state.
struct FileServices {
    Platform &platform;         // a read puts its box budget in front of the boxes
    FileState &files;           // File_Name: the path read or written
    const NumberStyle &numbers; // the count's thousands
};
FileServices fileServices(AppState &st);

// What a format made of a file's lines.
struct ReadOutcome {
    bool read = true;      // the command's answer: the file counts as read
    int count = 0;         // records for the count box
    bool showCount = true; // false when the reading ended where no count follows
};

// Applies the lines of the file at `path` to the format's cells. Asks about
// bad records itself, through the message boxes it was given.
using LinesReader = std::function<ReadOutcome(const QStringList &lines, const QString &path)>;

// The whole text of a file, every line ended by CR LF, and its record count.
struct FileText {
    QString text;
    int count = 0;
};
FileText fileText(const RecordWriter &records);

// Builds the text to write; nothing when it cannot be built (the failure box
// shows and no file is touched).
using TextWriter = std::function<std::optional<FileText>()>;

// The lines of the file at `path`, read whole within the size limit
// (MaxFileSize); the status says why there are none. For a caller that
// meets a failure its own way; readFile shows the kind's box.
FileReadStatus readFileLines(const QString &path, QStringList &lines);

// Reads the file at `path`, or at the path chosen in the Open dialog when
// `path` is nothing (a cancel shows the failure box), into `reader`. Sets
// File_Name to the path before reading. A file that is missing, no regular
// file or over the size limit shows the failure box. The count box follows
// only a file chosen in the dialog. Every box of the read, the reader's and
// those of the files it reads in turn included, comes out of one box budget.
// False when no file was read, else what the reader says.
bool readFile(const FileKind &kind, FileServices services, const std::optional<QString> &path,
              const LinesReader &reader);

// Writes the text `writer` builds to `path`, or to the path chosen in the
// Save dialog when `path` is nothing, in one step: on any failure the
// failure box shows and a file already there stays as it was. A text whose
// bytes would pass the readers' size limit is such a failure: it is never
// written, since no reader of the program would take the file back. Sets
// File_Name to the path before the text is built. The count box follows only
// a file chosen in the dialog. True when the file was written.
bool writeFile(const FileKind &kind, FileServices services, const std::optional<QString> &path,
               const TextWriter &writer);

} // namespace zyt
