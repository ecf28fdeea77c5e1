#pragma once

#include <QString>

#include <optional>

namespace zyt {

// The program's own files name other files by their names in the program's
// folder: the preloaded flow data files and the logo picture. Such a name is
// taken only while it stays inside that folder, so a file can never make the
// program open "/etc/passwd", "../../secret" or a link leading out of the
// folder, show its lines or store its name back.

// The path of the file `name` names inside `folder`, found as
// resolveFileIn finds it ("\" separates as "/" does, a name differing only
// in letter case is found), when the name stays inside: not empty, relative,
// no ".." part, no drive ("C:"), and no symbolic link on the way leading out
// of the folder. A name of a file not there yet passes on its form alone.
// Nothing for any other name.
std::optional<QString> fileInFolder(const QString &folder, const QString &name);

// The name, relative to `folder` and "/" separated, of a file chosen by its
// full path; nothing when the file is not inside the folder (by its path or
// through a link).
std::optional<QString> nameInFolder(const QString &folder, const QString &path);

// The name in `folder` of a copy of the file at `path`, for a file chosen
// outside the folder that the program is to find again by its name: the
// file's own name, or the name with "-2", "-3"... before its extension when
// a different file holds it; a file of the same bytes under such a name is
// taken as it is. Nothing when no copy can be made.
std::optional<QString> copyIntoFolder(const QString &folder, const QString &path);

} // namespace zyt
