#include "painter_surface.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPaintDevice>
#include <QPainter>

namespace zyt {

namespace {

// Dots per metre that make 96 dots per inch.
constexpr int ScreenDotsPerMetre = 3780;

} // namespace

PainterSurface::PainterSurface(QPaintDevice *device, double unitsPerInch)
    : DrawSurface(unitsPerInch), device_(device), scaleX_(device->logicalDpiX() / unitsPerInch),
      scaleY_(device->logicalDpiY() / unitsPerInch)
{
}

PainterSurface::~PainterSurface() { end(); }

void PainterSurface::end()
{
    flush();
    if (painter_ && painter_->isActive())
        painter_->end();
    painter_.reset();
    penSet_ = false;
}

QPainter &PainterSurface::painter()
{
    if (!painter_) {
        prepareDevice();
        painter_ = std::make_unique<QPainter>(device_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setRenderHint(QPainter::TextAntialiasing, false);
        painter_->setBrush(Qt::NoBrush);
        penSet_ = false;
    }
    return *painter_;
}

void PainterSurface::paintClear()
{
    pending_.clear();
    painter().fillRect(QRect(0, 0, device_->width(), device_->height()), Qt::white);
}

void PainterSurface::paintNewPage()
{
    flush();
    if (auto *paged = dynamic_cast<QPagedPaintDevice *>(device_)) {
        paged->newPage();
        return;
    }
    paintClear();
}

void PainterSurface::usePen(const Pen &pen)
{
    if (penSet_ && pen.color == lastPen_.color && pen.width == lastPen_.width &&
        pen.style == lastPen_.style)
        return;
    QPen qpen(pen.color);
    if (pen.width <= 1) {
        qpen.setWidth(1);
        if (pen.style == DrawStyle::Solid) {
            qpen.setCapStyle(Qt::SquareCap);
        } else {
            // The printer-pen patterns: long dashes, or dots, one pixel apart.
            qpen.setCapStyle(Qt::FlatCap);
            qpen.setDashPattern(pen.style == DrawStyle::Dash ? QList<qreal>{18, 6}
                                                             : QList<qreal>{3, 3});
        }
    } else {
        qpen.setWidth(pen.width);
        qpen.setCapStyle(Qt::RoundCap);
        // The joins of a chained curve are too short to show their shape.
        qpen.setJoinStyle(Qt::BevelJoin);
    }
    painter().setPen(qpen);
    lastPen_ = pen;
    penSet_ = true;
}

void PainterSurface::flush()
{
    if (pending_.size() < 2) {
        pending_.clear();
        return;
    }
    usePen(pendingPen_);
    if (pending_.size() == 2)
        painter().drawLine(pending_[0], pending_[1]);
    else
        painter().drawPolyline(pending_);
    pending_.clear();
}

void PainterSurface::paintLine(QPointF from, QPointF to, const Pen &pen)
{
    const QPointF start = toDevice(from);
    const QPointF end = toDevice(to);
    const bool joins = !pending_.isEmpty() && pen.style == DrawStyle::Solid &&
                       pen.color == pendingPen_.color && pen.width == pendingPen_.width &&
                       pending_.last() == start;
    if (!joins) {
        flush();
        pending_ << start;
        pendingPen_ = pen;
    }
    pending_ << end;
    if (pen.style != DrawStyle::Solid)
        flush();
}

void PainterSurface::paintDot(QPointF at, const Pen &pen)
{
    flush();
    usePen(Pen{pen.color, pen.width, DrawStyle::Solid});
    painter().drawPoint(toDevice(at));
}

void PainterSurface::paintEllipse(QPointF centre, double radiusX, double radiusY, const Pen &pen)
{
    flush();
    usePen(pen);
    painter().drawEllipse(toDevice(centre), radiusX * scaleX_, radiusY * scaleY_);
}

const QFont &PainterSurface::qfont(const Font &font) const
{
    if (!fontSet_ || font.name != lastFont_.name || font.size != lastFont_.size ||
        font.bold != lastFont_.bold) {
        qfont_ = font.name.isEmpty() ? QFont() : QFont(font.name);
        qfont_.setPointSizeF(font.size);
        qfont_.setBold(font.bold);
        qfont_.setStyleStrategy(QFont::NoAntialias);
        lastFont_ = font;
        fontSet_ = true;
    }
    return qfont_;
}

void PainterSurface::paintText(QPointF topLeft, const QString &text, const Font &font,
                               const QColor &color)
{
    flush();
    const QFont &f = qfont(font);
    QPainter &p = painter();
    p.setFont(f);
    p.setPen(color);
    penSet_ = false;
    const QFontMetricsF metrics(f, device_);
    p.drawText(toDevice(topLeft) + QPointF(0.0, metrics.ascent()), text);
}

QSizeF PainterSurface::measureText(const QString &text, const Font &font) const
{
    const QFontMetricsF metrics(qfont(font), device_);
    return QSizeF(metrics.horizontalAdvance(text) / scaleX_, metrics.height() / scaleY_);
}

void PainterSurface::paintPicture(const QImage &picture, const QRectF &target)
{
    flush();
    const QRectF device(toDevice(target.topLeft()), toDevice(target.bottomRight()));
    painter().drawImage(device, picture);
}

namespace {

QImage whiteImage(QSize size)
{
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.setDotsPerMeterX(ScreenDotsPerMetre);
    image.setDotsPerMeterY(ScreenDotsPerMetre);
    image.fill(Qt::white);
    return image;
}

} // namespace

// Until its pixels are made the device is a one-pixel image of the same
// resolution, which measures texts as the picture will.
ImageSurface::ImageSurface(QSize size)
    : ImageSurface(std::make_unique<QImage>(whiteImage(QSize(1, 1))), size)
{
}

ImageSurface::ImageSurface(std::unique_ptr<QImage> image, QSize size)
    : PainterSurface(image.get(), 96.0), image_(std::move(image)),
      size_(size.expandedTo(QSize(1, 1)))
{
}

ImageSurface::~ImageSurface() { end(); }

void ImageSurface::setBackground(const QImage &background) { background_ = background; }

const QImage &ImageSurface::image()
{
    end();
    prepareDevice();
    return *image_;
}

void ImageSurface::prepareDevice()
{
    if (made_)
        return;
    made_ = true;
    // The same image object: the painter's device stays where it was.
    *image_ = whiteImage(size_);
}

void ImageSurface::paintClear()
{
    prepareDevice();
    PainterSurface::paintClear();
    if (!background_.isNull())
        painter().drawImage(QPointF(0.0, 0.0), background_);
}

} // namespace zyt
