#pragma once

// For the start-up measurements: a process that says when its window has
// first been painted, with its resident memory and the window's size, and
// ends there. Qt Widgets only, so the bare window links nothing else.

#include <QEvent>
#include <QFile>
#include <QMetaObject>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace zyt::bench {

// The process's resident memory in KiB.
inline long residentKib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

// Prints "shown <KiB> <width> <height> <CPU ms>" once the window's first paint has
// reached the screen, then ends the process at once: what follows is no
// part of a start-up.
class FirstPaintReport final : public QObject {
public:
    explicit FirstPaintReport(QWidget &window) : window_(window)
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Queued: it runs once the paint pass has flushed its picture.
            QMetaObject::invokeMethod(this, &FirstPaintReport::report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void report()
    {
        std::printf("shown %ld %d %d %.3f\n", residentKib(), window_.width(), window_.height(),
                    1000.0 * double(std::clock()) / CLOCKS_PER_SEC);
        std::fflush(stdout);
        std::_Exit(0);
    }

    QWidget &window_;
    bool seen_ = false;
};

} // namespace zyt::bench
