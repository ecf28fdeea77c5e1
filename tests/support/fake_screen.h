#pragma once

#include "platform/screen.h"

namespace zyt::test {

// A screen of a chosen size and density.
class FakeScreen final : public ScreenMetrics {
public:
    FakeScreen(int width, int height, double dpi) : size_(width, height), dpi_(dpi) {}
    QSize pixelSize() const override { return size_; }
    double pixelsPerInch() const override { return dpi_; }

private:
    QSize size_;
    double dpi_;
};

} // namespace zyt::test
