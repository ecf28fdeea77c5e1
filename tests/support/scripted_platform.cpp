#include "scripted_platform.h"

#include <QTest>

namespace zyt::test {

ScriptedPlatform::ScriptedPlatform()
{
    platform_.messages = this;
    platform_.beeper = this;
}

ScriptedPlatform::~ScriptedPlatform()
{
    if (!answers_.empty())
        qWarning("ScriptedPlatform: %d scripted answers were never used", int(answers_.size()));
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
    beeps = 0;
}

} // namespace zyt::test
