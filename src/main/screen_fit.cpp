#include "screen_fit.h"

#include "model/look_state.h"
#include "platform/numbers.h"
#include "platform/screen.h"
#include "widgets/window_placement.h"

#include <QAbstractScrollArea>
#include <QLayout>
#include <QMainWindow>
#include <QScrollBar>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace zyt {

namespace {

// Rounds halves to the even number, as the platform's whole-number
// conversion did.
long roundEven(double v) { return std::lround(std::nearbyint(v)); }

int pixels(double twips, double twipsPerPixel)
{
    const long perPixel = std::max(1L, roundEven(twipsPerPixel));
    return int(roundEven(twips) / perPixel);
}

double dpiFactor(const LookState &looks)
{
    return 96.0 / (looks.Screen_DPI > 0 ? looks.Screen_DPI : 96);
}

void factors(LookState &looks, double width, double height)
{
    // The pixel sizes are held as single-precision numbers.
    const float w = float(std::max(1.0, width));
    const float h = float(std::max(1.0, height));
    looks.Scale_X = std::max(1.0, looks.Fit_Screen_Width / double(w) * dpiFactor(looks));
    looks.Scale_Y = std::max(1.0, looks.Fit_Screen_Height / double(h) * dpiFactor(looks));
}

// A window's outer size as designed, its frame as the desktop draws it
// included: a window that scrolls its content counts with the size that
// shows all of it.
QSize designedOuterSize(const QWidget &window, const ScreenMetrics *screen)
{
    const QMargins frame = frameMargins(window, screen);
    if (const auto *main = qobject_cast<const QMainWindow *>(&window);
        main && scrolledContent(*main))
        return fullClientSize(*main).grownBy(frame);
    return window.size().grownBy(frame);
}

// Where a fitted window's frame goes: across the middle, and in the upper
// half of the free space when there is some.
QPoint fittedPlace(QSize outer, const ScreenMetrics &screen)
{
    return {(screen.pixelSize().width() - outer.width()) / 2, fittedTop(screen, outer.height())};
}

// A scroll area places its viewport and scroll bars itself, and the content
// of a scrolling window fills the area.
bool placedByScrollArea(const QWidget &w, const QWidget *scrolled)
{
    return &w == scrolled || qobject_cast<const QAbstractScrollArea *>(w.parentWidget()) ||
           qobject_cast<const QScrollBar *>(&w);
}

QSize scaled(QSize size, double sx, double sy)
{
    return {int(std::lround(size.width() * sx)), int(std::lround(size.height() * sy))};
}

const char *const ExtentProperty = "zytInnerExtent";

} // namespace

int screenPixelsWide(const ScreenMetrics &screen)
{
    return pixels(screen.widthTwips(), screen.twipsPerPixel());
}

int screenPixelsHigh(const ScreenMetrics &screen)
{
    return pixels(screen.heightTwips(), screen.twipsPerPixel());
}

void stretchFactors(LookState &looks, double windowPixelWidth, double windowPixelHeight)
{
    factors(looks, windowPixelWidth, windowPixelHeight);
    if (looks.Scale_X / looks.Scale_Y > 1.3)
        looks.Scale_Font = looks.Scale_Y * 1.3 * 1.025;
    else
        looks.Scale_Font = looks.Scale_X * 1.1;
}

void uniformFactors(LookState &looks, double windowPixelWidth, double windowPixelHeight)
{
    factors(looks, windowPixelWidth, windowPixelHeight);
    const double common = std::min(looks.Scale_X, looks.Scale_Y);
    looks.Scale_X = looks.Scale_Y = looks.Scale_Font = common;
}

int fittedTop(const ScreenMetrics &screen, int windowPixelHeight)
{
    const double twipsPerPixel = screen.twipsPerPixel();
    const double windowTwips = windowPixelHeight * twipsPerPixel;
    const double gap = (screen.heightTwips() - windowTwips) / 2.0;
    if (pixels(gap, twipsPerPixel) > 25)
        return int(std::lround((screen.heightTwips() - windowTwips) / 4.0 / twipsPerPixel));
    return 0;
}

QSizeF innerExtent(const QWidget &window)
{
    const QVariant v = window.property(ExtentProperty);
    return v.isValid() ? v.toSizeF() : QSizeF(window.size());
}

void setInnerExtent(QWidget &window, QSizeF extent) { window.setProperty(ExtentProperty, extent); }

void Scale_Form_Controls(QWidget &window, const LookState &looks, const ScreenMetrics *screen)
{
    const double sx = looks.Scale_X;
    const double sy = looks.Scale_Y;
    const QSize outer = designedOuterSize(window, screen);

    const QSizeF extent = innerExtent(window);
    setInnerExtent(window, QSizeF(extent.width() * sy, extent.height() * sx));

    // Every control, those inside frames and pictures included. Controls that
    // a layout places follow their window and only take the font.
    auto *main = qobject_cast<QMainWindow *>(&window);
    QWidget *scrolled = main ? scrolledContent(*main) : nullptr;
    const QList<QWidget *> controls = window.findChildren<QWidget *>();
    // Each control's own font as it shows now, taken before any changes, so
    // a font a control inherits is not scaled twice.
    std::vector<QFont> fonts;
    fonts.reserve(size_t(controls.size()));
    for (const QWidget *w : controls)
        fonts.push_back(w->font());
    for (qsizetype i = 0; i < controls.size(); ++i) {
        QWidget *w = controls[i];
        if (w->isWindow())
            continue;
        QFont font = fonts[size_t(i)];
        if (font.pointSizeF() > 0)
            font.setPointSizeF(font.pointSizeF() * looks.Scale_Font);
        else if (font.pixelSize() > 0)
            font.setPixelSize(int(std::lround(font.pixelSize() * looks.Scale_Font)));
        w->setFont(font);
        const QWidget *parent = w->parentWidget();
        if (qobject_cast<const QMainWindow *>(parent) ||
            (parent && parent->layout() && parent->layout()->indexOf(w) >= 0) ||
            placedByScrollArea(*w, scrolled))
            continue;
        const QRect g = w->geometry();
        const QRect scaled(int(std::lround(g.x() * sx)), int(std::lround(g.y() * sy)),
                           int(std::lround(g.width() * sx)), int(std::lround(g.height() * sy)));
        if (w->minimumSize() == w->maximumSize())
            w->setFixedSize(scaled.size());
        w->setGeometry(scaled);
    }

    // The window's outer size grows by the factors; its inside is what the
    // frame leaves of it.
    const QSize client = scaled(outer, sx, sy).shrunkBy(frameMargins(window, screen));
    if (scrolled) {
        // The content fills the inside below the menu bar, and scrolls only
        // where the screen has no room for it.
        setFullClientSize(*main, client, screen);
    } else if (window.minimumSize() == window.maximumSize()) {
        window.setFixedSize(client);
    } else {
        window.resize(client);
    }

    if (screen) {
        placeWindow(window, screen, fittedPlace);
        // A window the screen has no room for keeps all of its frame on it.
        fitOnScreen(window, screen);
    }
}

void Scale_Form_Stretch(QWidget &window, LookState &looks, const ScreenMetrics *screen)
{
    const QSize outer = designedOuterSize(window, screen);
    stretchFactors(looks, outer.width(), outer.height());
    Scale_Form_Controls(window, looks, screen);
}

void Scale_Form_Uniform(QWidget &window, LookState &looks, const ScreenMetrics *screen)
{
    const QSize outer = designedOuterSize(window, screen);
    uniformFactors(looks, outer.width(), outer.height());
    Scale_Form_Controls(window, looks, screen);
}

WindowLooks::WindowLooks(QWidget &window) : extent_(window.property(ExtentProperty))
{
    auto looksOf = [](QWidget &w) {
        return Looks{&w, w.geometry(), w.minimumSize(), w.maximumSize(), w.font()};
    };
    window_ = looksOf(window);
    const QList<QWidget *> controls = window.findChildren<QWidget *>();
    controls_.reserve(size_t(controls.size()));
    for (QWidget *w : controls)
        controls_.push_back(looksOf(*w));
}

void WindowLooks::restore() const
{
    for (const Looks &c : controls_) {
        if (!c.widget)
            continue;
        c.widget->setFont(c.font);
        c.widget->setMinimumSize(c.minimum);
        c.widget->setMaximumSize(c.maximum);
        c.widget->setGeometry(c.geometry);
    }
    if (QWidget *w = window_.widget) {
        w->setProperty(ExtentProperty, extent_);
        w->setMinimumSize(window_.minimum);
        w->setMaximumSize(window_.maximum);
        w->resize(window_.geometry.size());
    }
}

} // namespace zyt
