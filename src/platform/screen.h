#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

namespace zyt {

// The screen as the window fitting measures it: pixels, twips (1440 per
// logical inch) and the logical density.
class ScreenMetrics {
public:
    virtual ~ScreenMetrics() = default;
    virtual QSize pixelSize() const = 0;
    virtual double pixelsPerInch() const = 0; // logical dots per inch
    // The part of the screen windows may cover, without the desktop's own
    // panels, in pixels.
    virtual QRect availableArea() const { return QRect(QPoint(0, 0), pixelSize()); }
    // The frame, title bar included, that the desktop draws around a window
    // of the program, in pixels on each side: as the desktop tells it for a
    // window it has framed; none before it has framed one, or where it draws
    // none.
    virtual QMargins windowFrame() const { return {}; }

    double twipsPerPixel() const { return 1440.0 / pixelsPerInch(); }
    double widthTwips() const { return pixelSize().width() * twipsPerPixel(); }
    double heightTwips() const { return pixelSize().height() * twipsPerPixel(); }
};

} // namespace zyt
