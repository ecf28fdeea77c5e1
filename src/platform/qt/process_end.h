#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace zyt {

// Brings the ways the process can be ended from outside to the program's own
// exit, so the session is saved on those too:
// - SIGTERM, SIGHUP and SIGINT arrive as a call on the event loop. A signal
//   handler may do almost nothing safely, so it only writes a byte to a pipe
//   whose other end a socket notifier reads.
// - When the display connection breaks, the windowing system ends the process
//   with exit() from inside the event loop; `onProcessExit` then runs from an
//   atexit handler, while everything the program made still stands.
// One watch at a time; its destruction puts the default handlers back, and
// `onProcessExit` does not run after it.
class ProcessEndWatch final : public QObject {
    Q_OBJECT
public:
    ProcessEndWatch(std::function<void()> onSignal, std::function<void()> onProcessExit);
    ~ProcessEndWatch() override;
    ProcessEndWatch(const ProcessEndWatch &) = delete;
    ProcessEndWatch &operator=(const ProcessEndWatch &) = delete;

    // False when the pipe or the handlers could not be set up; the program
    // then runs as before, without the signal path.
    bool watching() const { return notifier_ != nullptr; }

private:
    void readSignals();
    static void atProcessExit();

    std::function<void()> onSignal_;
    std::function<void()> onProcessExit_;
    QSocketNotifier *notifier_ = nullptr;
};

} // namespace zyt
