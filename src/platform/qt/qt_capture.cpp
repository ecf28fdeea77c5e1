#include "qt_capture.h"

#include <QCursor>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPixmap>
#include <QSaveFile>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace zyt {

QDateTime QtClock::now() { return QDateTime::currentDateTime(); }

QPoint QtPointerPosition::pointerPosition() { return QCursor::pos(); }

QImage QtScreenGrabber::grabFrame(QWidget &window)
{
    const QRect frame = window.frameGeometry();
    if (frame.isEmpty())
        return {};
    const qreal ratio = window.devicePixelRatioF();
    const QSize size(qRound(frame.width() * ratio), qRound(frame.height() * ratio));

    QImage picture(size, QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    QScreen *screen = window.isVisible() ? window.screen() : nullptr;
    QPixmap shot;
    if (screen) {
        const QPoint at = frame.topLeft() - screen->geometry().topLeft();
        shot = screen->grabWindow(0, at.x(), at.y(), frame.width(), frame.height());
    }
    if (!shot.isNull() && shot.size() == size) {
        // Device pixels, but drawn on in the window's logical pixels.
        QImage screenPicture = shot.toImage();
        screenPicture.setDevicePixelRatio(ratio);
        return screenPicture;
    }

    if (!shot.isNull()) {
        // A part of the frame the screen did not give stays black, as a
        // screen copy leaves what lies off the screen.
        picture.fill(Qt::black);
        shot.setDevicePixelRatio(ratio);
        QPainter(&picture).drawPixmap(QPoint(0, 0), shot);
        return picture;
    }
    // The desktop could not be read (Wayland, a screen without a desktop):
    // the window paints itself in its place within the frame, and the border
    // takes the window's own background colour.
    picture.fill(window.palette().color(QPalette::Window));
    {
        QPainter painter(&picture);
        window.render(&painter, window.geometry().topLeft() - frame.topLeft());
    }
    return picture;
}

int QtImageWriter::writeJpeg(const QImage &image, const QString &path, int quality)
{
    if (image.isNull())
        return ImageMissing;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return ImageFileFailed;
    QImageWriter writer(&file, QByteArrayLiteral("jpeg"));
    writer.setQuality(std::clamp(quality, 0, 100));
    // Three 8-bit channels, no alpha: what a screen copy holds.
    if (!writer.write(image.convertToFormat(QImage::Format_RGB888))) {
        file.cancelWriting();
        return writer.error() == QImageWriter::DeviceError ? ImageFileFailed : ImageEncoderFailed;
    }
    return file.commit() ? ImageWritten : ImageFileFailed;
}

} // namespace zyt
