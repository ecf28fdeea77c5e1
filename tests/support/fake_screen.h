#pragma once

#include "platform/screen.h"

namespace zyt::test {

// A screen of a chosen size and density; windows may cover all of it
// unless an area is given, and wear no frame unless one is given.
class FakeScreen final : public ScreenMetrics {
public:
    FakeScreen(int width, int height, double dpi)
        : size_(width, height), dpi_(dpi), area_(0, 0, width, height)
    {
    }
    QSize pixelSize() const override { return size_; }
    double pixelsPerInch() const override { return dpi_; }
    QRect availableArea() const override { return area_; }
    void setAvailableArea(const QRect &area) { area_ = area; }
    QMargins windowFrame() const override { return frame_; }
    void setWindowFrame(const QMargins &frame) { frame_ = frame; }

private:
    QSize size_;
    double dpi_;
    QRect area_;
    QMargins frame_;
};

} // namespace zyt::test
