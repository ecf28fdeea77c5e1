#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <optional>

class QImage;

namespace zyt {

// Line styles of a drawing surface, numbered as users and stored settings
// know them.
enum class DrawStyle : int { Solid = 0, Dash = 1, Dot = 2 };

// Where the program draws pictures, graphs and printed pages: a surface with
// a current position, a line width and style, a text colour and a font, in a
// scale of its own (`unitsPerInch`: 96 for screen pixels, 1440 for twips).
// Line widths are in device pixels whatever the scale, as on a printer pen.
//
// Lines, dots and circles keep to the clipping rectangle when one is set: a
// line is cut at its edges, a dot or circle whose centre lies outside is left
// out. The current position still moves to where the caller asked.
class DrawSurface {
public:
    explicit DrawSurface(double unitsPerInch);
    virtual ~DrawSurface();
    DrawSurface(const DrawSurface &) = delete;
    DrawSurface &operator=(const DrawSurface &) = delete;

    double unitsPerInch() const { return unitsPerInch_; }

    // Erases everything drawn (a background picture stays); the current
    // position goes back to 0, 0.
    void clear();
    // Ends the page and starts a fresh one; a surface without pages clears.
    void newPage();

    int drawWidth() const { return width_; }
    void setDrawWidth(int width);
    DrawStyle drawStyle() const { return style_; }
    void setDrawStyle(DrawStyle style) { style_ = style; }
    // The colour texts are written in.
    QColor foreColor() const { return foreColor_; }
    void setForeColor(const QColor &color) { foreColor_ = color; }

    const QString &fontName() const { return font_.name; }
    void setFontName(const QString &name) { font_.name = name; }
    double fontSize() const { return font_.size; } // points
    void setFontSize(double points);
    bool fontBold() const { return font_.bold; }
    void setFontBold(bool bold) { font_.bold = bold; }

    double currentX() const { return current_.x(); }
    double currentY() const { return current_.y(); }
    void setCurrentX(double x) { current_.setX(x); }
    void setCurrentY(double y) { current_.setY(y); }
    QPointF currentPosition() const { return current_; }

    void setClipRect(const QRectF &rect) { clip_ = rect.normalized(); }
    void clearClipRect() { clip_.reset(); }
    std::optional<QRectF> clipRect() const { return clip_; }

    // A straight line; the pen stays at `to`.
    void line(QPointF from, QPointF to, const QColor &color);
    // A line from the current position.
    void lineTo(QPointF to, const QColor &color);
    // One dot of the line width; the pen stays on it.
    void dot(QPointF at, const QColor &color);
    // An unfilled circle; with an `aspect` (height over width) other than 1
    // an ellipse whose longer half-axis is `radius`.
    void circle(QPointF centre, double radius, const QColor &color, double aspect = 1.0);

    // Writes `text` with its top-left corner at the current position, in the
    // text colour, then moves to the start of the next line (x 0, y one text
    // height further down).
    void print(const QString &text);
    double textWidth(const QString &text) const;
    double textHeight(const QString &text) const;

    // A picture stretched over `target`.
    void drawPicture(const QImage &picture, const QRectF &target);

protected:
    struct Pen {
        QColor color;
        int width = 1;
        DrawStyle style = DrawStyle::Solid;
    };
    struct Font {
        QString name;
        double size = 12.0;
        bool bold = false;
    };

    virtual void paintClear() = 0;
    virtual void paintNewPage() { paintClear(); }
    virtual void paintLine(QPointF from, QPointF to, const Pen &pen) = 0;
    virtual void paintDot(QPointF at, const Pen &pen) = 0;
    virtual void paintEllipse(QPointF centre, double radiusX, double radiusY, const Pen &pen) = 0;
    virtual void paintText(QPointF topLeft, const QString &text, const Font &font,
                           const QColor &color) = 0;
    // Width and height of `text` in the surface's units.
    virtual QSizeF measureText(const QString &text, const Font &font) const = 0;
    virtual void paintPicture(const QImage &picture, const QRectF &target) = 0;

private:
    Pen pen(const QColor &color) const { return Pen{color, width_, style_}; }
    bool inside(QPointF point) const;

    double unitsPerInch_;
    int width_ = 1;
    DrawStyle style_ = DrawStyle::Solid;
    QColor foreColor_ = Qt::black;
    Font font_;
    QPointF current_;
    std::optional<QRectF> clip_;
};

// The part of the segment a-b inside `rect` (edges included), or nothing.
std::optional<std::pair<QPointF, QPointF>> clipSegment(QPointF a, QPointF b, const QRectF &rect);

} // namespace zyt
