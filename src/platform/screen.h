#pragma once

#include <QSize>

namespace zyt {

// The screen as the window fitting measures it: pixels, twips (1440 per
// logical inch) and the logical density.
class ScreenMetrics {
public:
    virtual ~ScreenMetrics() = default;
    virtual QSize pixelSize() const = 0;
    virtual double pixelsPerInch() const = 0; // logical dots per inch

    double twipsPerPixel() const { return 1440.0 / pixelsPerInch(); }
    double widthTwips() const { return pixelSize().width() * twipsPerPixel(); }
    double heightTwips() const { return pixelSize().height() * twipsPerPixel(); }
};

} // namespace zyt
