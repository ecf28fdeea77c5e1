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

void RecordingSurface::paintClear()
{
    DrawOp op;
    op.kind = DrawOp::Kind::Clear;
    ops.append(op);
}

void RecordingSurface::paintNewPage()
{
    DrawOp op;
    op.kind = DrawOp::Kind::NewPage;
    ops.append(op);
}

void RecordingSurface::paintLine(QPointF from, QPointF to, const Pen &pen)
{
    DrawOp op;
    op.kind = DrawOp::Kind::Line;
    op.from = from;
    op.to = to;
    op.color = pen.color;
    op.width = pen.width;
    op.style = pen.style;
    ops.append(op);
}

void RecordingSurface::paintDot(QPointF at, const Pen &pen)
{
    DrawOp op;
    op.kind = DrawOp::Kind::Dot;
    op.from = at;
    op.to = at;
    op.color = pen.color;
    op.width = pen.width;
    op.style = pen.style;
    ops.append(op);
}

void RecordingSurface::paintEllipse(QPointF centre, double radiusX, double radiusY, const Pen &pen)
{
    DrawOp op;
    op.kind = DrawOp::Kind::Ellipse;
    op.from = centre;
    op.radiusX = radiusX;
    op.radiusY = radiusY;
    op.color = pen.color;
    op.width = pen.width;
    op.style = pen.style;
    ops.append(op);
}

void RecordingSurface::paintText(QPointF topLeft, const QString &text, const Font &font,
                                 const QColor &color)
{
    DrawOp op;
    op.kind = DrawOp::Kind::Text;
    op.from = topLeft;
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
    DrawOp op;
    op.kind = DrawOp::Kind::Picture;
    op.target = target;
    op.pictureSize = picture.size();
    ops.append(op);
}

} // namespace zyt
