#include "recording_surface.h"

#include <QImage>

namespace zyt {

QList<DrawOp> RecordingSurface::opsOf(DrawOp::Kind kind) const
{
    QList<DrawOp> found;
    for (const DrawOp &op : ops)
        if (op.kind == kind)
            found.append(op);
    return found;
}

namespace {

DrawOp opOf(DrawOp::Kind kind, QPointF from = {})
{
    DrawOp op;
    op.kind = kind;
    op.from = from;
    return op;
}

// A line, dot or ellipse: the pen it is drawn with (the surface's own pen
// type, which only the surfaces name).
template <typename Pen> DrawOp strokeOf(DrawOp::Kind kind, QPointF from, const Pen &pen)
{
    DrawOp op = opOf(kind, from);
    op.color = pen.color;
    op.width = pen.width;
    op.style = pen.style;
    return op;
}

} // namespace

void RecordingSurface::paintClear() { ops.append(opOf(DrawOp::Kind::Clear)); }

void RecordingSurface::paintNewPage() { ops.append(opOf(DrawOp::Kind::NewPage)); }

void RecordingSurface::paintLine(QPointF from, QPointF to, const Pen &pen)
{
    DrawOp op = strokeOf(DrawOp::Kind::Line, from, pen);
    op.to = to;
    ops.append(op);
}

void RecordingSurface::paintDot(QPointF at, const Pen &pen)
{
    DrawOp op = strokeOf(DrawOp::Kind::Dot, at, pen);
    op.to = at;
    ops.append(op);
}

void RecordingSurface::paintEllipse(QPointF centre, double radiusX, double radiusY, const Pen &pen)
{
    DrawOp op = strokeOf(DrawOp::Kind::Ellipse, centre, pen);
    op.radiusX = radiusX;
    op.radiusY = radiusY;
    ops.append(op);
}

void RecordingSurface::paintText(QPointF topLeft, const QString &text, const Font &font,
                                 const QColor &color)
{
    DrawOp op = opOf(DrawOp::Kind::Text, topLeft);
    op.text = text;
    op.color = color;
    op.fontName = font.name;
    op.fontSize = font.size;
    op.bold = font.bold;
    ops.append(op);
}

QSizeF RecordingSurface::measureText(const QString &text, const Font &font) const
{
    const double height = font.size * unitsPerInch() / 72.0;
    return QSizeF(0.6 * height * double(text.size()), 1.2 * height);
}

void RecordingSurface::paintPicture(const QImage &picture, const QRectF &target)
{
    DrawOp op = opOf(DrawOp::Kind::Picture);
    op.target = target;
    op.pictureSize = picture.size();
    ops.append(op);
}

} // namespace zyt
