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

} // namespace zyt
