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
    platform_.fonts = this;
    platform_.colors = this;
    platform_.printers = this;
    platform_.shell = this;
    platform_.sounds = this;
    platform_.clock = this;
    platform_.pointer = this;
    platform_.grabber = this;
    platform_.images = this;
    platform_.wait = this;
}

ScriptedPlatform::~ScriptedPlatform()
{
    if (!answers_.empty())
        qWarning("ScriptedPlatform: %d scripted answers were never used", int(answers_.size()));
    if (!choices_.empty() || !fonts_.empty() || !colors_.empty())
        qWarning("ScriptedPlatform: %d scripted dialogs were never used",
                 int(choices_.size() + fonts_.size() + colors_.size()));
    if (!links_.empty() || soundsExpected_ != 0)
        qWarning("ScriptedPlatform: scripted links or sounds were never used");
    if (!grabs_.empty())
        qWarning("ScriptedPlatform: scripted grabs were never used");
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
    const std::optional<FileDialogChoice> chosen = showChoice(request);
    if (!chosen)
        return std::nullopt;
    return chosen->path;
}

std::optional<FileDialogChoice> ScriptedPlatform::showChoice(const FileDialogRequest &request)
{
    dialogs.append(request);
    if (!choices_.empty()) {
        const Choice c = choices_.front();
        choices_.pop_front();
        if (c.cancel)
            return std::nullopt;
        return FileDialogChoice{c.path, c.filterIndex != 0 ? c.filterIndex : request.filterIndex};
    }
    if (standingChoice_)
        return FileDialogChoice{*standingChoice_, request.filterIndex};
    const QByteArray what = "unexpected file dialog: " + request.filter.toUtf8();
    QTest::qFail(what.constData(), __FILE__, __LINE__);
    return std::nullopt;
}

std::optional<FontChoice> ScriptedPlatform::showFontDialog()
{
    ++fontDialogs;
    if (fonts_.empty()) {
        QTest::qFail("unexpected font dialog", __FILE__, __LINE__);
        return std::nullopt;
    }
    const std::optional<FontChoice> font = fonts_.front();
    fonts_.pop_front();
    return font;
}

std::optional<std::int32_t> ScriptedPlatform::showColorDialog(std::int32_t initial)
{
    colorDialogs.append(initial);
    if (colors_.empty()) {
        QTest::qFail("unexpected colour dialog", __FILE__, __LINE__);
        return std::nullopt;
    }
    const std::optional<std::int32_t> color = colors_.front();
    colors_.pop_front();
    return color;
}

bool ScriptedPlatform::openLink(const QString &target, const QString &folder)
{
    openedLinks.append(target);
    linkFolders.append(folder);
    if (links_.empty()) {
        const QByteArray what = "unexpected link: " + target.toUtf8();
        QTest::qFail(what.constData(), __FILE__, __LINE__);
        return false;
    }
    const bool opens = links_.front();
    links_.pop_front();
    return opens;
}

void ScriptedPlatform::playSound(const QString &path)
{
    playedSounds.append(path);
    if (soundsExpected_ == 0) {
        const QByteArray what = "unexpected sound: " + path.toUtf8();
        QTest::qFail(what.constData(), __FILE__, __LINE__);
        return;
    }
    --soundsExpected_;
}

QDateTime ScriptedPlatform::now()
{
    ++clockReadings;
    if (!now_) {
        QTest::qFail("unexpected clock reading", __FILE__, __LINE__);
        return QDateTime(QDate(2000, 1, 1), QTime(0, 0));
    }
    return *now_;
}

QPoint ScriptedPlatform::pointerPosition()
{
    if (!pointer_) {
        QTest::qFail("unexpected pointer reading", __FILE__, __LINE__);
        return QPoint();
    }
    return *pointer_;
}

QImage ScriptedPlatform::grabFrame(QWidget &window)
{
    grabbed.append(&window);
    if (!grabs_.empty()) {
        QImage picture = grabs_.front();
        grabs_.pop_front();
        return picture;
    }
    if (realGrabber_)
        return realGrabber_->grabFrame(window);
    QTest::qFail("unexpected screen grab", __FILE__, __LINE__);
    return QImage();
}

int ScriptedPlatform::writeJpeg(const QImage &image, const QString &path, int quality)
{
    if (realWriter_)
        return realWriter_->writeJpeg(image, path, quality);
    const QByteArray what = "unexpected picture write: " + path.toUtf8();
    QTest::qFail(what.constData(), __FILE__, __LINE__);
    return ImageEncoderFailed;
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
    fontDialogs = 0;
    colorDialogs.clear();
    openedLinks.clear();
    linkFolders.clear();
    playedSounds.clear();
    clockReadings = 0;
    grabbed.clear();
}

} // namespace zyt::test
