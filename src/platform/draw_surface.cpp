#include "draw_surface.h"

#include <QImage>

#include <algorithm>
#include <cmath>

namespace zyt {

DrawSurface::DrawSurface(double unitsPerInch) : unitsPerInch_(unitsPerInch) {}

DrawSurface::~DrawSurface() = default;

void DrawSurface::clear()
{
    paintClear();
    current_ = QPointF();
}

void DrawSurface::newPage()
{
    paintNewPage();
    current_ = QPointF();
}

void DrawSurface::setDrawWidth(int width) { width_ = std::max(1, width); }

void DrawSurface::setFontSize(double points)
{
    if (std::isfinite(points) && points > 0.0)
        font_.size = points;
}

bool DrawSurface::inside(QPointF point) const
{
    if (!clip_)
        return true;
    return point.x() >= clip_->left() && point.x() <= clip_->right() && point.y() >= clip_->top() &&
           point.y() <= clip_->bottom();
}

namespace {

bool finite(QPointF p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

} // namespace

void DrawSurface::line(QPointF from, QPointF to, const QColor &color)
{
    current_ = to;
    if (!finite(from) || !finite(to))
        return;
    if (!clip_) {
        paintLine(from, to, pen(color));
        return;
    }
    if (const auto part = clipSegment(from, to, *clip_))
        paintLine(part->first, part->second, pen(color));
}

void DrawSurface::lineTo(QPointF to, const QColor &color) { line(current_, to, color); }

void DrawSurface::dot(QPointF at, const QColor &color)
{
    current_ = at;
    if (finite(at) && inside(at))
        paintDot(at, pen(color));
}

void DrawSurface::circle(QPointF centre, double radius, const QColor &color, double aspect)
{
    current_ = centre;
    if (!finite(centre) || !inside(centre) || !std::isfinite(radius) || !std::isfinite(aspect) ||
        aspect <= 0.0)
        return;
    const double r = std::fabs(radius);
    if (aspect <= 1.0)
        paintEllipse(centre, r, r * aspect, pen(color));
    else
        paintEllipse(centre, r / aspect, r, pen(color));
}

void DrawSurface::print(const QString &text)
{
    paintText(current_, text, font_, foreColor_);
    current_ = QPointF(0.0, current_.y() + textHeight(text));
}

double DrawSurface::textWidth(const QString &text) const
{
    return measureText(text, font_).width();
}

double DrawSurface::textHeight(const QString &text) const
{
    return measureText(text, font_).height();
}

void DrawSurface::drawPicture(const QImage &picture, const QRectF &target)
{
    if (!picture.isNull())
        paintPicture(picture, target);
}

std::optional<std::pair<QPointF, QPointF>> clipSegment(QPointF a, QPointF b, const QRectF &rect)
{
    // Liang-Barsky: the segment as a + t (b - a), t in [0, 1], cut by the four
    // edges in turn.
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    double t0 = 0.0;
    double t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - rect.left(), rect.right() - a.x(), a.y() - rect.top(),
                         rect.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return std::nullopt;
    }
    if (!std::isfinite(t0) || !std::isfinite(t1))
        return std::nullopt;
    // A cut point lies on its edge exactly, whatever the rounding.
    auto onRect = [&rect](double x, double y) {
        return QPointF(std::clamp(x, rect.left(), rect.right()),
                       std::clamp(y, rect.top(), rect.bottom()));
    };
    const QPointF from = t0 > 0.0 ? onRect(a.x() + t0 * dx, a.y() + t0 * dy) : a;
    const QPointF to = t1 < 1.0 ? onRect(a.x() + t1 * dx, a.y() + t1 * dy) : b;
    return std::make_pair(from, to);
}

} // namespace zyt
