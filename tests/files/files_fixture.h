#pragma once

#include "golden_files.h"
#include "model/app_state.h"
#include "model/flow_test_sheet.h"
#include "model/main_model.h"
#include "scripted_platform.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace zyt::test {

// A program state with scripted boxes and dialogs, a main window model and
// a program folder of its own.
class FilesFixture {
public:
    FilesFixture()
    {
        st.platform = platform.platform();
        st.numbers.setLocaleSeparators(u'.', u',');
        st.Main = &main;
    }

    QString folder() { return platform.path(); }
    QString path(const QString &name) { return QDir(folder()).filePath(name); }

    // Writes a file in the program folder; returns its path.
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString p = path(name);
        QFile f(p);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(p));
        return p;
    }

    static QByteArray read(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    ScriptedPlatform platform;
    AppState st;
    MainModel main;
};

// A box as the tests expect it.
struct Box {
    QString text;
    MsgButtons buttons;
    MsgIcon icon;
    std::optional<QString> title;
};

inline Box failureBox(const char *text)
{
    return Box{QString::fromLatin1(text), MsgButtons::Ok, MsgIcon::Exclamation, std::nullopt};
}

inline bool sameBox(const MsgRequest &shown, const Box &expected)
{
    return shown.text == expected.text && shown.buttons == expected.buttons &&
           shown.icon == expected.icon && shown.title == expected.title;
}

inline QString describe(const MsgRequest &r)
{
    return QStringLiteral("[%1|b%2|i%3|%4]")
        .arg(r.text)
        .arg(int(r.buttons))
        .arg(int(r.icon))
        .arg(r.title ? *r.title : QStringLiteral("<program>"));
}

// Empty when the boxes shown are the ones expected, else both lists.
inline QString boxesDiffer(const QList<MsgRequest> &shown, const QList<Box> &expected)
{
    bool same = shown.size() == expected.size();
    for (qsizetype i = 0; same && i < shown.size(); ++i)
        same = sameBox(shown[i], expected[i]);
    if (same)
        return QString();
    QString out = QStringLiteral("shown:");
    for (const MsgRequest &r : shown)
        out += QStringLiteral("\n  ") + describe(r);
    out += QStringLiteral("\nexpected:");
    for (const Box &b : expected)
        out += QStringLiteral("\n  ") + describe(MsgRequest{b.text, b.buttons, b.icon, b.title});
    return out;
}

} // namespace zyt::test

Q_DECLARE_METATYPE(zyt::test::Box)

// QCOMPARE_BOXES(platform.shown, {box, box...})
#define QCOMPARE_BOXES(shown, ...)                                                                 \
    do {                                                                                           \
        const QString differ_ =                                                                    \
            zyt::test::boxesDiffer((shown), QList<zyt::test::Box>(__VA_ARGS__));                   \
        QVERIFY2(differ_.isEmpty(), qPrintable(differ_));                                          \
    } while (false)
