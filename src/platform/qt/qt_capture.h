#pragma once

#include "platform/capture.h"

namespace zyt {

class QtClock final : public Clock {
public:
    QDateTime now() override;
};

// The pointer as Qt tracks it.
class QtPointerPosition final : public PointerPosition {
public:
    QPoint pointerPosition() override;
};

// Reads the screen over the window's frame; where the desktop does not let
// the screen be read, the window paints itself into a picture of the frame's
// size instead (windows over it are then left out).
class QtScreenGrabber final : public ScreenGrabber {
public:
    QImage grabFrame(QWidget &window) override;
};

// JPEG through Qt's image plugins, written to a temporary file that replaces
// the target only once it is complete.
class QtImageWriter final : public ImageWriter {
public:
    int writeJpeg(const QImage &image, const QString &path, int quality) override;
};

} // namespace zyt
