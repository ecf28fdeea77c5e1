#include "process_end.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace zyt {

namespace {

constexpr int Signals[] = {SIGTERM, SIGHUP, SIGINT};

// Plain data only: the signal handler and the atexit handler read these.
int pipeEnds[2] = {-1, -1};
ProcessEndWatch *active = nullptr;
bool atexitRegistered = false;

extern "C" void onEndSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds a request; the byte is not needed then.
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
    errno = saved;
}

} // namespace

ProcessEndWatch::ProcessEndWatch(std::function<void()> onSignal,
                                 std::function<void()> onProcessExit)
    : onSignal_(std::move(onSignal)), onProcessExit_(std::move(onProcessExit))
{
    Q_ASSERT(!active);
    active = this;
    if (!atexitRegistered)
        atexitRegistered = std::atexit(&ProcessEndWatch::atProcessExit) == 0;

    if (::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) {
        pipeEnds[0] = pipeEnds[1] = -1;
        return;
    }
    notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &ProcessEndWatch::readSignals);
    struct sigaction action {};
    action.sa_handler = &onEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int s : Signals)
        ::sigaction(s, &action, nullptr);
}

ProcessEndWatch::~ProcessEndWatch()
{
    if (notifier_) {
        for (const int s : Signals)
            std::signal(s, SIG_DFL);
        delete notifier_;
        notifier_ = nullptr;
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        pipeEnds[0] = pipeEnds[1] = -1;
    }
    active = nullptr;
}

void ProcessEndWatch::readSignals()
{
    char bytes[64];
    while (::read(pipeEnds[0], bytes, sizeof bytes) > 0) {
    }
    if (onSignal_)
        onSignal_();
}

void ProcessEndWatch::atProcessExit()
{
    if (active && active->onProcessExit_)
        active->onProcessExit_();
}

} // namespace zyt
