#include "autosave_folder.h"

#include "main_data_file.h"
#include "platform/platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

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

int removeAutosaveLeftovers(const QString &folder, const QDateTime &before)
{
    static const QRegularExpression leftover(
        QStringLiteral("^%1\\.[A-Za-z0-9]{6}$")
            .arg(QRegularExpression::escape(QString::fromLatin1(Autosave_File))));
    const QFileInfoList candidates =
        QDir(folder).entryInfoList({QString::fromLatin1(Autosave_File) + QStringLiteral(".*")},
                                   QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    int removed = 0;
    for (const QFileInfo &info : candidates) {
        if (!leftover.match(info.fileName()).hasMatch() || info.isSymLink() || !info.isFile() ||
            info.lastModified() >= before)
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
