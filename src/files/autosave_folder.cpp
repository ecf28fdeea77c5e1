#include "autosave_folder.h"

#include "main_data_file.h"
#include "platform/platform.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace zyt {

QString autosaveFileToRead(const Platform &platform)
{
    const QString current = autosaveFilePath(platform);
    if (QFileInfo::exists(current) || !platform.folder)
        return current;
    const QString earlier = platform.folder->earlierPath();
    if (earlier.isEmpty())
        return current;
    const QString kept = QDir(earlier).filePath(QString::fromLatin1(Autosave_File));
    return QFileInfo(kept).isFile() ? kept : current;
}

namespace {

// The autosave's name, a dot and six ASCII letters or digits. Checked by
// hand, without a name filter or pattern: start-up then needs no regular
// expression engine.
bool isLeftoverName(QStringView name)
{
    const QLatin1StringView stem(Autosave_File);
    if (name.size() != stem.size() + 7 || !name.startsWith(stem) || name[stem.size()] != u'.')
        return false;
    return std::all_of(name.end() - 6, name.end(), [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
    });
}

} // namespace

int removeAutosaveLeftovers(const QString &folder, const QDateTime &before)
{
    QDirIterator files(folder, QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    int removed = 0;
    while (files.hasNext()) {
        files.next();
        if (!isLeftoverName(files.fileName()))
            continue;
        const QFileInfo info = files.fileInfo();
        if (info.isSymLink() || !info.isFile() || info.lastModified() >= before)
            continue;
        if (QFile::remove(info.filePath()))
            ++removed;
    }
    return removed;
}

std::optional<QString> moveAutosaveAside(const QString &path)
{
    const QFileInfo info(path);
    // Not the leftovers' form (the autosave's name, a dot and six letters),
    // which start-up removes.
    const QString stem = info.completeBaseName() + QStringLiteral("-unread");
    const QString suffix = u'.' + info.suffix();
    for (int k = 1; k <= 100; ++k) {
        const QString target =
            info.dir().filePath(k == 1 ? stem + suffix : stem + u'-' + QString::number(k) + suffix);
        const QFileInfo taken(target);
        if (taken.exists() || taken.isSymLink())
            continue;
        // A rename, no copy; it fails rather than replace a file made
        // meanwhile.
        if (QDir().rename(path, target))
            return target;
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace zyt
