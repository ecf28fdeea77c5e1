#pragma once

#include "platform/message_boxes.h"
#include "platform/platform.h"

#include <QList>
#include <QStringList>

#include <deque>

namespace zyt::test {

// Stands in for the desktop in tests: records every request and answers
// message boxes from a script. A box with no answer scripted fails the test,
// unless a standing answer was given (benchmarks).
class ScriptedPlatform final : public MessageBoxes, public Beeper {
public:
    ScriptedPlatform();
    ~ScriptedPlatform() override;

    Platform &platform() { return platform_; }

    // Queues `answer` for the next `times` message boxes.
    void answer(int answer, int times = 1);
    // Every box beyond the queue gets this answer instead of failing.
    void answerAllWith(int answer) { standing_ = answer; }
    // True when every queued answer was used.
    bool scriptDone() const { return answers_.empty(); }

    int show(const MsgRequest &request) override;
    void beep() override { ++beeps; }

    QStringList texts() const;
    void clear();

    QList<MsgRequest> shown;
    int beeps = 0;

private:
    Platform platform_;
    std::deque<int> answers_;
    int standing_ = 0;
};

} // namespace zyt::test
