#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace zyt {

struct Platform;

// The autosave file start-up reads: the one in the program's folder, or,
// while that folder has none yet, the one the executable's own folder still
// holds from before it became read-only. The exit save always writes the
// program's folder.
QString autosaveFileToRead(const Platform &platform);

// Removes what a write of the autosave file cut short leaves beside it: its
// temporary files, named as the file with a dot and six letters or digits.
// Only regular files last changed before `before` go, so the save of another
// copy of the program under way is left alone. Returns how many went.
int removeAutosaveLeftovers(const QString &folder, const QDateTime &before);

// Moves an autosave file start-up could not read to a free name beside it,
// "zxqw1234-unread.sav", else "zxqw1234-unread-2.sav" and so on to "-100",
// so that the exit's save does not replace it. Never overwrites a file and
// never copies (a copy of a pipe could wait for ever). The new path, or
// nothing when the file could not be moved.
std::optional<QString> moveAutosaveAside(const QString &path);

} // namespace zyt
