#pragma once

#include "platform/file_dialogs.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"
#include "platform/screen.h"

#include <functional>

namespace zyt {

// Message boxes as real dialogs, parented to the active window.
class QtMessageBoxes final : public MessageBoxes {
public:
    // `programTitle` gives the caption of boxes without a title of their own.
    explicit QtMessageBoxes(std::function<QString()> programTitle);
    int show(const MsgRequest &request) override;

private:
    std::function<QString()> programTitle_;
};

class QtBeeper final : public Beeper {
public:
    void beep() override;
};

// The primary screen.
class QtScreenMetrics final : public ScreenMetrics {
public:
    QSize pixelSize() const override;
    double pixelsPerInch() const override;
};

// The file dialogs as Qt's own, parented to the active window.
class QtFileDialogs final : public FileDialogs {
public:
    std::optional<QString> show(const FileDialogRequest &request) override;
};

// The executable's folder when the user may write there, otherwise the
// per-user data folder, which is made on first use. Decided once per run.
class QtProgramFolder final : public ProgramFolder {
public:
    QString path() override;

    // `own` when it is a folder the user may write in, else `data`, made
    // when missing.
    static QString choose(const QString &own, const QString &data);

private:
    QString path_;
};

// Owns the real services and hands them out as a Platform.
class QtPlatform {
public:
    explicit QtPlatform(std::function<QString()> programTitle);
    Platform &platform() { return platform_; }

private:
    QtMessageBoxes messages_;
    QtBeeper beeper_;
    QtScreenMetrics screen_;
    QtFileDialogs dialogs_;
    QtProgramFolder folder_;
    Platform platform_;
};

} // namespace zyt
