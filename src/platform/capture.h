#pragma once

#include <QDateTime>
#include <QPoint>
#include <QString>

class QImage;
class QWidget;

namespace zyt {

// The local date and time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() = 0;
};

// Where the mouse pointer is, in screen coordinates (logical pixels).
class PointerPosition {
public:
    virtual ~PointerPosition() = default;
    virtual QPoint pointerPosition() = 0;
};

// What the screen shows of a window.
class ScreenGrabber {
public:
    virtual ~ScreenGrabber() = default;
    // The picture of the window's outer frame (title bar and border
    // included) as the screen shows it, windows lying over it included where
    // the desktop lets the screen be read; its size is the frame's size in
    // device pixels. A null image when nothing could be taken.
    virtual QImage grabFrame(QWidget &window) = 0;
};

// Why a picture was not written: the number the capture's message shows,
// kept in the numbering users have always reported to support.
enum ImageStatus : int {
    ImageWritten = 0,
    ImageEncoderFailed = 1, // the encoder refused the picture
    ImageMissing = 2,       // there was no picture to write
    ImageFileFailed = 7,    // the file could not be made, written or put in place
};

// Writes pictures to files.
class ImageWriter {
public:
    virtual ~ImageWriter() = default;
    // Writes `image` to `path` as a JPEG file of `quality` (0 to 100),
    // replacing a file of that name. Returns ImageWritten, or the status of
    // the failure; a failed write leaves an existing file as it was.
    virtual int writeJpeg(const QImage &image, const QString &path, int quality) = 0;
};

} // namespace zyt
