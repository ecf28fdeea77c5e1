#pragma once

#include "platform/draw_surface.h"

#include <QFont>
#include <QImage>
#include <QPen>
#include <QPolygonF>

#include <functional>
#include <memory>
#include <vector>

class QPainter;
class QPaintDevice;

namespace zyt {

// A drawing surface over a Qt paint device. Lines and texts are drawn
// without smoothing, so every pixel has the colour it was drawn in; wide
// lines have round ends. The device's own resolution turns the surface's
// units into device pixels.
class PainterSurface : public DrawSurface {
public:
    // `device` must outlive the surface.
    PainterSurface(QPaintDevice *device, double unitsPerInch);
    ~PainterSurface() override;

    // Finishes what is being painted; the next drawing starts again.
    void end();

protected:
    QPaintDevice *device() const { return device_; }
    QPainter &painter();
    // Runs before each painting starts on the device.
    virtual void prepareDevice() {}
    // Wide lines of many points have their outlines made on threads of their
    // own, then filled in their turn: for raster pictures, whose pixels are
    // the same either way.
    bool outlinesAside_ = false;

    void paintClear() override;
    void paintNewPage() override;
    void paintLine(QPointF from, QPointF to, const Pen &pen) override;
    void paintDot(QPointF at, const Pen &pen) override;
    void paintEllipse(QPointF centre, double radiusX, double radiusY, const Pen &pen) override;
    void paintText(QPointF topLeft, const QString &text, const Font &font,
                   const QColor &color) override;
    QSizeF measureText(const QString &text, const Font &font) const override;
    void paintPicture(const QImage &picture, const QRectF &target) override;

private:
    QPointF toDevice(QPointF p) const { return QPointF(p.x() * scaleX_, p.y() * scaleY_); }
    static QPen qtPen(const Pen &pen);
    void usePen(const Pen &pen);
    // Joined solid lines are kept and drawn at once as one line through all
    // their points; anything else drawn first draws them.
    void flush();
    // Paints now, or after what waits in the queue: while an outline is
    // being made, everything drawn after it waits its turn.
    void paint(std::function<void()> op);
    void playQueued();
    const QFont &qfont(const Font &font) const;

    QPaintDevice *device_;
    double scaleX_;
    double scaleY_;
    std::unique_ptr<QPainter> painter_;
    bool penSet_ = false;
    Pen lastPen_;
    QPolygonF pending_;
    Pen pendingPen_;
    std::vector<std::function<void()>> queued_;
    mutable Font lastFont_;
    mutable QFont qfont_;
    mutable bool fontSet_ = false;
};

// The graph picture: a white (or background) image at 96 dots per inch, so one
// unit is one pixel and a 12-point text is 16 pixels high. Its pixels are
// made when it is first drawn on or read: until then it holds no memory.
class ImageSurface final : public PainterSurface {
public:
    explicit ImageSurface(QSize size);
    ~ImageSurface() override;

    // The picture that stays under the drawing when it is cleared.
    void setBackground(const QImage &background);

    // The picture as drawn so far.
    const QImage &image();

protected:
    void prepareDevice() override;
    void paintClear() override;

private:
    ImageSurface(std::unique_ptr<QImage> image, QSize size);
    std::unique_ptr<QImage> image_;
    QSize size_;
    bool made_ = false;
    QImage background_;
};

} // namespace zyt
