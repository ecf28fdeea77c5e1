#pragma once

#include <QProxyStyle>

class QPainter;
class QStyleOptionFrame;

namespace zyt {

// The program's look: the Fusion style with four changes. A line editor's
// panel is drawn once for every size and colouring and then copied, since a
// window shows hundreds of them, wherever the copy has the very pixels the
// style would draw (at screen scales of whole numbers). The squares of check
// boxes and options grow with their control's font as the screen fitting
// enlarges it, where the control's designed font size was kept
// (keepDesignedFontSize). And a text that would not fit its control (the
// caption of a button, a check box, an option, a label's text on one line or
// broken into lines at its width) is drawn whole in a smaller font, never
// cut. And the picture of a menu bar's overflow button is read
// only when the button is drawn.
class ProgramStyle final : public QProxyStyle {
    Q_OBJECT

public:
    ProgramStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    void drawItemText(QPainter *painter, const QRect &rect, int flags, const QPalette &palette,
                      bool enabled, const QString &text,
                      QPalette::ColorRole textRole = QPalette::NoRole) const override;
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

// One for the whole program, made on first use and owned by the
// application.
ProgramStyle *programStyle();

// Keeps the control's font size as it is now, its designed one.
void keepDesignedFontSize(QWidget &control);

// The font, made smaller as needed, in which the text, laid out by the
// text flags `flags` (a one-line caption, or lines broken at the room's
// width), fits `room` whole; the font itself when the text fits.
QFont fittedFont(const QFont &font, const QString &text, QSize room, int flags);

// A line editor's panel by `style`, from the copy drawn before for the same
// size and colouring when there is one and the painter puts it on whole
// device pixels at a whole ratio; drawn by `style` in place otherwise.
void drawLineEditPanel(const QStyle &style, const QStyleOptionFrame &panel, QPainter &painter,
                       const QWidget *widget);

} // namespace zyt
