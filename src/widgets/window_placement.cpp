#include "window_placement.h"

#include "platform/platform.h"
#include "platform/screen.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

namespace zyt {

namespace {

const char *const ScrollerName = "WindowScroller";

// The menu bar's height at a width, as the window's layout gives it.
int menuHeight(const QMainWindow &window, int width)
{
    const QWidget *bar = window.menuWidget();
    if (!bar || bar->isHidden())
        return 0;
    const int height = bar->heightForWidth(std::max(width, bar->minimumWidth()));
    return height >= 0 ? height : bar->sizeHint().height();
}

QMargins marginsOf(const QWidget &window)
{
    const QRect frame = window.frameGeometry();
    const QRect inside = window.geometry();
    return {inside.left() - frame.left(), inside.top() - frame.top(),
            frame.right() - inside.right(), frame.bottom() - inside.bottom()};
}

// The room for the window's inside: the available area less the frame.
QSize roomFor(const QWidget &window, const QRect &area)
{
    const QMargins m = frameMargins(window);
    return {area.width() - m.left() - m.right(), area.height() - m.top() - m.bottom()};
}

// A scrollable window at its full size when that fits the room, else as
// large as the room allows with the scroll bars its content then needs.
void sizeScrollable(QMainWindow &window, QScrollArea &scroller, QSize room)
{
    const QSize content = contentSize(window);
    const int barWidth = scroller.verticalScrollBar()->sizeHint().width();
    const int barHeight = scroller.horizontalScrollBar()->sizeHint().height();
    bool across = false; // a horizontal scroll bar
    bool down = false;   // a vertical one
    auto width = [&] { return content.width() + (down ? barWidth : 0); };
    auto height = [&] {
        return content.height() + menuHeight(window, std::min(width(), room.width())) +
               (across ? barHeight : 0);
    };
    // Each bar takes room the other may then need.
    for (int pass = 0; pass < 3; ++pass) {
        across = width() > room.width();
        down = height() > room.height();
    }
    window.setFixedSize(QSize(width(), height()).boundedTo(room));
}

void fitSize(QWidget &window, const QRect &area)
{
    const QSize room = roomFor(window, area);
    auto *main = qobject_cast<QMainWindow *>(&window);
    if (QScrollArea *scroller = main ? windowScroller(*main) : nullptr) {
        sizeScrollable(*main, *scroller, room);
    } else if (window.width() > room.width() || window.height() > room.height()) {
        window.resize(window.size().boundedTo(room));
    }
}

// Moves the window just enough to bring its whole frame into the area.
void fitPlace(QWidget &window, const QRect &area)
{
    const QMargins m = frameMargins(window);
    const QSize frame = window.size().grownBy(m);
    const QPoint at = window.pos(); // the frame's top left
    const int x =
        std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - frame.width()));
    const int y =
        std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - frame.height()));
    if (QPoint(x, y) != at)
        window.move(x, y);
}

// Fits its window as it shows. Under a window manager the frame becomes
// known only once the window is on the screen, so the first move or resize
// that brings it fits the window again.
class ScreenKeeper final : public QObject {
public:
    ScreenKeeper(QWidget &window, const Platform &platform)
        : QObject(&window), window_(window), platform_(platform)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != &window_)
            return false;
        switch (event->type()) {
        case QEvent::Show:
            awaitingFrame_ = marginsOf(window_).isNull();
            fitOnScreen(window_, platform_.screen);
            break;
        case QEvent::Move:
        case QEvent::Resize:
            if (awaitingFrame_ && !marginsOf(window_).isNull()) {
                awaitingFrame_ = false;
                fitOnScreen(window_, platform_.screen);
            }
            break;
        case QEvent::WindowActivate:
            awaitingFrame_ = false; // a desktop that draws no frames
            break;
        default:
            break;
        }
        return false;
    }

private:
    QWidget &window_;
    const Platform &platform_;
    bool awaitingFrame_ = false;
};

} // namespace

void makeScrollable(QMainWindow &window, QWidget *content, QSize size)
{
    auto *scroller = new QScrollArea(&window);
    scroller->setObjectName(QString::fromLatin1(ScrollerName));
    scroller->setFrameShape(QFrame::NoFrame);
    // The cells keep the keyboard; the bars are there for the mouse.
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidgetResizable(true);
    content->setMinimumSize(size);
    scroller->setWidget(content);
    // The content covers the whole view: nothing of the view to paint.
    scroller->viewport()->setAutoFillBackground(false);
    window.setCentralWidget(scroller);
    window.setFixedSize(fullClientSize(window));
}

QScrollArea *windowScroller(const QMainWindow &window)
{
    auto *scroller = qobject_cast<QScrollArea *>(window.centralWidget());
    return scroller && scroller->objectName() == QLatin1String(ScrollerName) ? scroller : nullptr;
}

QWidget *scrolledContent(const QMainWindow &window)
{
    const QScrollArea *scroller = windowScroller(window);
    return scroller ? scroller->widget() : nullptr;
}

QSize contentSize(const QMainWindow &window)
{
    const QWidget *content = scrolledContent(window);
    return content ? content->minimumSize() : window.size();
}

QSize fullClientSize(const QMainWindow &window)
{
    const QSize content = contentSize(window);
    return {content.width(), content.height() + menuHeight(window, content.width())};
}

void setContentSize(QMainWindow &window, QSize size, const ScreenMetrics *screen)
{
    QWidget *content = scrolledContent(window);
    if (!content)
        return;
    content->setMinimumSize(size);
    const QRect area = screen ? screen->availableArea() : QRect();
    if (area.isEmpty())
        window.setFixedSize(fullClientSize(window));
    else
        fitSize(window, area);
}

QMargins frameMargins(const QWidget &window)
{
    const QMargins own = marginsOf(window);
    if (!own.isNull())
        return own;
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (const QWidget *other : windows) {
        if (other == &window || !other->isVisible())
            continue;
        const QMargins m = marginsOf(*other);
        if (!m.isNull())
            return m;
    }
    return {};
}

void fitOnScreen(QWidget &window, const ScreenMetrics *screen)
{
    const QRect area = screen ? screen->availableArea() : QRect();
    if (area.isEmpty())
        return;
    fitSize(window, area);
    fitPlace(window, area);
}

void keepOnScreen(QWidget &window, const Platform &platform) { new ScreenKeeper(window, platform); }

} // namespace zyt
