#pragma once

#include "platform/choice_dialogs.h"
#include "platform/file_dialogs.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"
#include "platform/qt/loaded_modules.h"
#include "platform/qt/qt_capture.h"
#include "platform/screen.h"
#include "platform/shell.h"
#include "platform/wait_pointer.h"

#include <QCursor>
#include <QPointer>
#include <QWidget>

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
    QRect availableArea() const override;
    QMargins windowFrame() const override;

private:
    mutable QMargins frame_; // once a window has been framed
};

// The file dialogs as Qt's own, parented to the active window.
class QtFileDialogs final : public FileDialogs {
public:
    std::optional<QString> show(const FileDialogRequest &request) override;
    std::optional<FileDialogChoice> showChoice(const FileDialogRequest &request) override;

private:
    QString lastName_; // the name chosen last, offered again on request
};

// The executable's folder when the user may write there, otherwise the
// per-user data folder, which is made on first use. Decided once per run.
class QtProgramFolder final : public ProgramFolder {
public:
    QString path() override;
    QString earlierPath() override;

    // `own` when it is a folder the user may write in, else `data`, made
    // when missing.
    static QString choose(const QString &own, const QString &data);

private:
    QString path_;
};

// Qt's font and colour dialogs, parented to the active window.
class QtChoiceDialogs final : public FontDialogs, public ColorDialogs {
public:
    std::optional<FontChoice> showFontDialog() override;
    QString defaultFontName() override;
    std::optional<std::int32_t> showColorDialog(std::int32_t initial) override;
};

// Links through the desktop's own handlers (xdg-open and the like).
class QtShell final : public Shell {
public:
    bool openLink(const QString &target, const QString &folder) override;
};

// The wait pointer on the window that was active as the command began;
// the dialogs and boxes the command opens keep their own pointer.
class QtWaitPointer final : public WaitPointer {
public:
    void begin() override;
    void end() override;

private:
    int depth_ = 0;
    QPointer<QWidget> window_;
    bool ownCursor_ = false;
    QCursor before_;
};

// Owns the real services and hands them out as a Platform. The printers,
// printing and sound are modules loaded when a command first needs them.
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
    QtChoiceDialogs choices_;
    QtShell shell_;
    LoadedPrinting printing_;
    LoadedSound sounds_;
    QtClock clock_;
    QtPointerPosition pointer_;
    QtScreenGrabber grabber_;
    QtImageWriter images_;
    QtWaitPointer wait_;
    Platform platform_;
};

} // namespace zyt
