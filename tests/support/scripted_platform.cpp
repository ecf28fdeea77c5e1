#include "scripted_platform.h"

#include <QTemporaryDir>
#include <QTest>

namespace zyt::test {

ScriptedPlatform::ScriptedPlatform()
{
    platform_.messages = this;
    platform_.beeper = this;
    platform_.dialogs = this;
    platform_.folder = this;
}

ScriptedPlatform::~ScriptedPlatform()
{
    if (!answers_.empty())
        qWarning("ScriptedPlatform: %d scripted answers were never used", int(answers_.size()));
    if (!choices_.empty())
        qWarning("ScriptedPlatform: %d scripted dialogs were never used", int(choices_.size()));
}

void ScriptedPlatform::answer(int answer, int times)
{
    for (int i = 0; i < times; ++i)
        answers_.push_back(answer);
}

int ScriptedPlatform::show(const MsgRequest &request)
{
    shown.append(request);
    if (!answers_.empty()) {
        const int a = answers_.front();
        answers_.pop_front();
        return a;
    }
    if (standing_ != 0)
        return standing_;
    const QByteArray what = "unexpected message box: " + request.text.toUtf8();
    QTest::qFail(what.constData(), __FILE__, __LINE__);
    return AnswerOk;
}

std::optional<QString> ScriptedPlatform::show(const FileDialogRequest &request)
{
    dialogs.append(request);
    if (!choices_.empty()) {
        const Choice c = choices_.front();
        choices_.pop_front();
        if (c.cancel)
            return std::nullopt;
        return c.path;
    }
    if (standingChoice_)
        return standingChoice_;
    const QByteArray what = "unexpected file dialog: " + request.filter.toUtf8();
    QTest::qFail(what.constData(), __FILE__, __LINE__);
    return std::nullopt;
}

QString ScriptedPlatform::path()
{
    if (folder_.isEmpty()) {
        ownFolder_ = std::make_unique<QTemporaryDir>();
        folder_ = ownFolder_->path();
    }
    return folder_;
}

QStringList ScriptedPlatform::texts() const
{
    QStringList out;
    for (const MsgRequest &r : shown)
        out << r.text;
    return out;
}

void ScriptedPlatform::clear()
{
    shown.clear();
    dialogs.clear();
    beeps = 0;
}

} // namespace zyt::test
