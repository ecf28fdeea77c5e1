#pragma once

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QSizeF>
#include <QVariant>

#include <vector>

class QWidget;

namespace zyt {

struct LookState;
class ScreenMetrics;

// Screen size in whole pixels as the fitting counts it: twips rounded to an
// integer, divided (whole-number division) by the twips per pixel rounded.
int screenPixelsWide(const ScreenMetrics &screen);
int screenPixelsHigh(const ScreenMetrics &screen);

// The factors for a window of the given outer size in pixels, into
// Scale_X, Scale_Y and Scale_Font: independent factors with a
// damped font factor, or one common factor that keeps the proportions.
void stretchFactors(LookState &looks, double windowPixelWidth, double windowPixelHeight);
void uniformFactors(LookState &looks, double windowPixelWidth, double windowPixelHeight);

// The top of a window of the given height once fitted: a quarter of the
// free space when more than 25 pixels are free above and below, else 0.
int fittedTop(const ScreenMetrics &screen, int windowPixelHeight);

// A window's inner coordinate extent, kept with the window; the fitting
// scales it (the height by the horizontal factor and the width by the
// vertical one, as it always has) and the compare window reads it.
QSizeF innerExtent(const QWidget &window);
void setInnerExtent(QWidget &window, QSizeF extent);

// Grows a window and every control in it by the current factors and
// re-centres it on the screen, when there is one.
void Scale_Form_Controls(QWidget &window, const LookState &looks, const ScreenMetrics *screen);
void Scale_Form_Stretch(QWidget &window, LookState &looks, const ScreenMetrics *screen);
void Scale_Form_Uniform(QWidget &window, LookState &looks, const ScreenMetrics *screen);

// A window's looks as they are: the places, sizes and fonts of the window
// and of every control in it, to go back to.
class WindowLooks {
public:
    explicit WindowLooks(QWidget &window);
    void restore() const;

private:
    struct Looks {
        QPointer<QWidget> widget;
        QRect geometry;
        QSize minimum;
        QSize maximum;
        QFont font;
    };
    Looks window_;
    QVariant extent_;
    std::vector<Looks> controls_;
};

} // namespace zyt
