#include "folder_names.h"

#include "text_files.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace zyt {

namespace {

// True when the real place of `path`, links followed, is `root` or below it.
// A path not there yet counts by the deepest folder of it that is.
bool reallyInside(const QString &root, const QString &path)
{
    QString at = QDir::cleanPath(path);
    while (!QFileInfo::exists(at)) {
        const QString parent = QFileInfo(at).path();
        if (parent == at)
            return false;
        at = parent;
    }
    const QString real = QFileInfo(at).canonicalFilePath();
    if (real.isEmpty())
        return false;
    return real == root || real.startsWith(root.endsWith(u'/') ? root : root + u'/');
}

// The names tried before giving up.
constexpr int MaxNumber = 999;

// Whether `file` holds exactly `bytes`.
bool holds(const QString &file, const QByteArray &bytes)
{
    QByteArray there;
    return QFileInfo(file).size() == bytes.size() &&
           readWholeFile(file, there) == FileReadStatus::Ok && there == bytes;
}

} // namespace

std::optional<QString> fileInFolder(const QString &folder, const QString &name)
{
    QString relative = name;
    relative.replace(u'\\', u'/');
    if (relative.isEmpty() || relative.startsWith(u'/') || QDir::isAbsolutePath(relative))
        return std::nullopt;
    // "C:\logo.bmp": a drive, as a file written on Windows may name it.
    if (relative.size() >= 2 && relative[1] == u':')
        return std::nullopt;
    for (const QString &part : relative.split(u'/', Qt::SkipEmptyParts))
        if (part == u"..")
            return std::nullopt;
    const QString root = QFileInfo(folder).canonicalFilePath();
    if (root.isEmpty())
        return std::nullopt;
    const QString path = resolveFileIn(folder, relative);
    if (!reallyInside(root, path))
        return std::nullopt;
    return path;
}

std::optional<QString> nameInFolder(const QString &folder, const QString &path)
{
    const QString relative = QDir(folder).relativeFilePath(path);
    if (!fileInFolder(folder, relative))
        return std::nullopt;
    return relative;
}

std::optional<QString> copyIntoFolder(const QString &folder, const QString &path)
{
    QByteArray bytes;
    if (QFileInfo(folder).canonicalFilePath().isEmpty() ||
        readWholeFile(path, bytes) != FileReadStatus::Ok)
        return std::nullopt;
    // What a stored name could not give back: a separator, a drive's colon,
    // a line break.
    QString own = QFileInfo(path).fileName();
    for (QChar &c : own)
        if (c < u' ' || c == u'\\' || c == u':')
            c = u'_';
    const QFileInfo parts(own);
    for (int number = 1; number <= MaxNumber; ++number) {
        const QString name =
            number == 1 ? own
                        : parts.completeBaseName() + u'-' + QString::number(number) +
                              (parts.suffix().isEmpty() ? QString() : u'.' + parts.suffix());
        // A name taken by a link leading out of the folder is passed over.
        const std::optional<QString> target = fileInFolder(folder, name);
        if (!target || QFileInfo(*target).exists() || QFileInfo(*target).isSymLink()) {
            if (target && QFileInfo(*target).isFile() && holds(*target, bytes))
                return name;
            continue;
        }
        if (!writeFileAtomically(*target, bytes))
            return std::nullopt;
        return name;
    }
    return std::nullopt;
}

} // namespace zyt
