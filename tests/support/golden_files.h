#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace zyt::test {

// A file kept beside the tests as a format's expected bytes or as its input,
// named "<format>/<name>" below tests/files/data.
inline QByteArray golden(const char *name)
{
    QFile f(QStringLiteral(ZYT_FORMAT_FILES "/") + QString::fromLatin1(name));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("no golden file %s", name);
    return f.readAll();
}

} // namespace zyt::test
