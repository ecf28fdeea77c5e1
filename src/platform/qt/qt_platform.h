#pragma once

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

// Owns the real services and hands them out as a Platform.
class QtPlatform {
public:
    explicit QtPlatform(std::function<QString()> programTitle);
    Platform &platform() { return platform_; }

private:
    QtMessageBoxes messages_;
    QtBeeper beeper_;
    QtScreenMetrics screen_;
    Platform platform_;
};

} // namespace zyt
