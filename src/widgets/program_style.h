#pragma once

#include <QProxyStyle>

class QPainter;
class QStyleOptionFrame;

namespace zyt {

// The program's look: the Fusion style with two changes. A line editor's
// panel is drawn once for every size and colouring and then copied, since a
// window shows hundreds of them. The squares of check boxes and options
// grow with their control's font as the screen fitting enlarges it, where
// the control's designed font size was kept (keepDesignedFontSize).
class ProgramStyle final : public QProxyStyle {
    Q_OBJECT

public:
    ProgramStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
};

// One for the whole program, made on first use and owned by the
// application.
ProgramStyle *programStyle();

// Keeps the control's font size as it is now, its designed one.
void keepDesignedFontSize(QWidget &control);

// A line editor's panel by `style`, from the copy drawn before for the same
// size and colouring when there is one.
void drawLineEditPanel(const QStyle &style, const QStyleOptionFrame &panel, QPainter &painter,
                       const QWidget *widget);

} // namespace zyt
