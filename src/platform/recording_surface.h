#pragma once

#include "platform/draw_surface.h"

#include <QList>
#include <QSize>

namespace zyt {

// One thing drawn on a recording surface, with the state it was drawn in.
struct DrawOp {
    enum class Kind { Clear, NewPage, Line, Dot, Ellipse, Text, Picture };

    Kind kind = Kind::Clear;
    QPointF from; // line start, dot, ellipse centre, text top-left
    QPointF to;   // line end
    double radiusX = 0.0;
    double radiusY = 0.0;
    QColor color;
    int width = 1;
    DrawStyle style = DrawStyle::Solid;
    QString text;
    QString fontName;
    double fontSize = 0.0;
    bool bold = false;
    QRectF target;     // picture
    QSize pictureSize; // picture
};

// A surface that only writes down what is drawn on it, for tests and
// measurements. Its texts measure 0.6 of the font's height in units per
// character across and 1.2 of it down, whatever the font.
class RecordingSurface final : public DrawSurface {
public:
    explicit RecordingSurface(double unitsPerInch = 96.0) : DrawSurface(unitsPerInch) {}

    QList<DrawOp> ops;

    // The operations of one kind, in drawing order.
    QList<DrawOp> opsOf(DrawOp::Kind kind) const;

protected:
    void paintClear() override;
    void paintNewPage() override;
    void paintLine(QPointF from, QPointF to, const Pen &pen) override;
    void paintDot(QPointF at, const Pen &pen) override;
    void paintEllipse(QPointF centre, double radiusX, double radiusY, const Pen &pen) override;
    void paintText(QPointF topLeft, const QString &text, const Font &font,
                   const QColor &color) override;
    QSizeF measureText(const QString &text, const Font &font) const override;
    void paintPicture(const QImage &picture, const QRectF &target) override;
};

} // namespace zyt
