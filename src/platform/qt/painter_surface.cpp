#include "painter_surface.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <future>
#include <system_error>

namespace zyt {

namespace {

// Dots per metre that make 96 dots per inch.
constexpr int ScreenDotsPerMetre = 3780;

// A wide line through this many points or more is worth outlining on a
// thread of its own: a graph's curves are 1,499 lines each.
constexpr qsizetype LongLinePoints = 64;

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
    playQueued();
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

void PainterSurface::paint(std::function<void()> op)
{
    if (queued_.empty())
        op();
    else
        queued_.push_back(std::move(op));
}

void PainterSurface::playQueued()
{
    // What is played paints at once: the queue is taken first.
    std::vector<std::function<void()>> queued;
    queued.swap(queued_);
    for (const std::function<void()> &op : queued)
        op();
}

void PainterSurface::paintClear()
{
    pending_.clear();
    playQueued();
    painter().fillRect(QRect(0, 0, device_->width(), device_->height()), Qt::white);
}

void PainterSurface::paintNewPage()
{
    flush();
    playQueued();
    if (auto *paged = dynamic_cast<QPagedPaintDevice *>(device_)) {
        paged->newPage();
        return;
    }
    paintClear();
}

QPen PainterSurface::qtPen(const Pen &pen)
{
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
    return qpen;
}

void PainterSurface::usePen(const Pen &pen)
{
    if (penSet_ && pen.color == lastPen_.color && pen.width == lastPen_.width &&
        pen.style == lastPen_.style)
        return;
    painter().setPen(qtPen(pen));
    lastPen_ = pen;
    penSet_ = true;
}

void PainterSurface::flush()
{
    if (pending_.size() < 2) {
        pending_.clear();
        return;
    }
    QPolygonF points;
    points.swap(pending_);
    const Pen pen = pendingPen_;
    if (outlinesAside_ && pen.width > 1 && points.size() >= LongLinePoints) {
        // Qt works out a wide line's outline point by point, the most of a
        // graph's time: the outline is made on a thread of its own while the
        // drawing goes on, and filled in its turn. Filling the outline gives
        // the very pixels drawing the line does.
        const auto outlineOf = [qpen = qtPen(pen)](const QPolygonF &line) {
            QPainterPath path;
            path.addPolygon(line);
            return QPainterPathStroker(qpen).createStroke(path);
        };
        std::shared_ptr<std::future<QPainterPath>> outline;
        try {
            outline = std::make_shared<std::future<QPainterPath>>(
                std::async(std::launch::async, outlineOf, points));
        } catch (const std::system_error &) {
            // No thread to be had: the line is drawn here, as any other.
        }
        if (outline) {
            queued_.push_back(
                [this, outline, color = pen.color] { painter().fillPath(outline->get(), color); });
            return;
        }
    }
    paint([this, pen, points = std::move(points)] {
        usePen(pen);
        if (points.size() == 2)
            painter().drawLine(points[0], points[1]);
        else
            painter().drawPolyline(points);
    });
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
    paint([this, at, pen] {
        usePen(Pen{pen.color, pen.width, DrawStyle::Solid});
        painter().drawPoint(toDevice(at));
    });
}

void PainterSurface::paintEllipse(QPointF centre, double radiusX, double radiusY, const Pen &pen)
{
    flush();
    paint([this, centre, radiusX, radiusY, pen] {
        usePen(pen);
        painter().drawEllipse(toDevice(centre), radiusX * scaleX_, radiusY * scaleY_);
    });
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
    paint([this, topLeft, text, font, color] {
        const QFont &f = qfont(font);
        QPainter &p = painter();
        p.setFont(f);
        p.setPen(color);
        penSet_ = false;
        const QFontMetricsF metrics(f, device_);
        p.drawText(toDevice(topLeft) + QPointF(0.0, metrics.ascent()), text);
    });
}

QSizeF PainterSurface::measureText(const QString &text, const Font &font) const
{
    const QFontMetricsF metrics(qfont(font), device_);
    return QSizeF(metrics.horizontalAdvance(text) / scaleX_, metrics.height() / scaleY_);
}

void PainterSurface::paintPicture(const QImage &picture, const QRectF &target)
{
    flush();
    paint([this, picture, target] {
        const QRectF device(toDevice(target.topLeft()), toDevice(target.bottomRight()));
        painter().drawImage(device, picture);
    });
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
    outlinesAside_ = true;
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
