#pragma once

#include <QGuiApplication>
#include <QString>
#include <QTest>
#include <QWindow>

namespace zyt::test {

// Keys as a user types them: each goes to the window that has the focus,
// and that window hands it to whatever holds the focus at that moment,
// shortcuts first, never to a widget the test picked. False when no window
// has the focus: the keys would reach nothing.
inline bool press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWindow *window = QGuiApplication::focusWindow();
    if (!window)
        return false;
    QTest::keyClick(window, key, modifiers);
    return true;
}

inline bool type(const QString &text)
{
    for (const QChar c : text) {
        QWindow *window = QGuiApplication::focusWindow();
        if (!window || c.unicode() > 127)
            return false;
        QTest::keyClick(window, char(c.unicode()));
    }
    return true;
}

} // namespace zyt::test
