#include "file_dialogs.h"

namespace zyt {

std::optional<FileDialogChoice> FileDialogs::showChoice(const FileDialogRequest &request)
{
    std::optional<QString> path = show(request);
    if (!path)
        return std::nullopt;
    return FileDialogChoice{*path, request.filterIndex};
}

QStringList qtNameFilters(QStringView filter)
{
    QStringList out;
    const QList<QStringView> parts = filter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed().toString();
        // The description's own "(...)" would be read by Qt as patterns; the
        // pattern part is the one that counts.
        if (description.endsWith(u')')) {
            const qsizetype open = description.lastIndexOf(u'(');
            if (open >= 0)
                description = description.left(open).trimmed();
        }
        QStringList patterns;
        for (QStringView p : parts[i + 1].split(u';')) {
            p = p.trimmed();
            if (p.isEmpty())
                continue;
            patterns << (p == u"*.*" ? QStringLiteral("*") : p.toString());
        }
        if (patterns.isEmpty())
            continue;
        out << description + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    return out;
}

} // namespace zyt
