#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace zyt {

enum class FileDialogKind { Open, Save };

// One request to the program's file dialog. The filter is written the way the
// program has always written it: description and patterns alternating,
// separated by "|", as in "Text Files (*.txt)|*.txt|All Files (*.*)|*.*".
struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    QString filter;
    int filterIndex = 1; // 1-based entry of the filter selected at start
    QString initialFolder;
    // Offer the name chosen last in any file dialog of the program, as one
    // shared dialog does; otherwise the name box starts empty.
    bool keepLastName = false;
    // Added, with a dot, to a name typed without an extension, before the
    // dialog asks whether to replace a file of that name. The program's own
    // files keep the name as typed.
    QString defaultSuffix{};
};

// What the user chose: the path and the filter entry (1-based) selected when
// the choice was made.
struct FileDialogChoice {
    QString path;
    int filterIndex = 1;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // Shows the dialog and waits; the chosen path, or nothing when the user
    // cancels. A save dialog asks itself before an existing file is replaced.
    virtual std::optional<QString> show(const FileDialogRequest &request) = 0;
    // The same, with the filter entry the user left selected; unless a
    // dialog tells, that is the one preselected.
    virtual std::optional<FileDialogChoice> showChoice(const FileDialogRequest &request);
};

// The folder the program keeps its own files in: the autosave file, the
// flow data files named for preloading, and where every file dialog starts.
class ProgramFolder {
public:
    virtual ~ProgramFolder() = default;
    virtual QString path() = 0;
    // The executable's own folder when `path()` is elsewhere because the user
    // cannot write beside the program; the session of an earlier run may
    // still be kept there. Empty otherwise.
    virtual QString earlierPath() { return QString(); }
};

// The "|" filter as Qt name filters: each entry becomes "Description
// (pattern pattern)", its patterns taken from the pattern part (split at ";")
// rather than from the description, and "*.*" becomes "*" so that files
// without an extension are listed too. An entry without patterns is dropped.
QStringList qtNameFilters(QStringView filter);

} // namespace zyt
