#pragma once

#include "platform/file_dialogs.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"

#include <QList>
#include <QStringList>

#include <deque>
#include <memory>
#include <optional>

class QTemporaryDir;

namespace zyt::test {

// Stands in for the desktop in tests: records every request and answers
// message boxes and file dialogs from a script. A box or dialog with no
// answer scripted fails the test, unless a standing answer was given
// (benchmarks).
class ScriptedPlatform final : public MessageBoxes,
                               public Beeper,
                               public FileDialogs,
                               public ProgramFolder {
public:
    ScriptedPlatform();
    ~ScriptedPlatform() override;

    Platform &platform() { return platform_; }

    // Queues `answer` for the next `times` message boxes.
    void answer(int answer, int times = 1);
    // Every box beyond the queue gets this answer instead of failing.
    void answerAllWith(int answer) { standing_ = answer; }

    // Queues the path the next file dialog returns, or a cancel.
    void choose(const QString &path) { choices_.push_back(Choice{false, path}); }
    void cancelDialog() { choices_.push_back(Choice{true, QString()}); }
    // Every dialog beyond the queue returns this path instead of failing.
    void chooseAlways(const QString &path) { standingChoice_ = path; }

    // True when every queued answer and choice was used.
    bool scriptDone() const { return answers_.empty() && choices_.empty(); }

    int show(const MsgRequest &request) override;
    void beep() override { ++beeps; }
    std::optional<QString> show(const FileDialogRequest &request) override;

    // A fresh temporary folder, made on first use, unless one was set.
    QString path() override;
    void setProgramFolder(const QString &path) { folder_ = path; }

    QStringList texts() const;
    void clear();

    QList<MsgRequest> shown;
    QList<FileDialogRequest> dialogs;
    int beeps = 0;

private:
    Platform platform_;
    std::deque<int> answers_;
    int standing_ = 0;
    struct Choice {
        bool cancel;
        QString path;
    };
    std::deque<Choice> choices_;
    std::optional<QString> standingChoice_;
    std::unique_ptr<QTemporaryDir> ownFolder_;
    QString folder_;
};

} // namespace zyt::test
