#include "window_placement.h"

#include "platform/platform.h"
#include "platform/screen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMainWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <QWindow>

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

// The frame as the window system knows it: asked of the window itself once
// it has one, as the widget's own record of it may lag behind the window
// manager's.
QMargins marginsOf(const QWidget &window)
{
    if (const QWindow *handle = window.windowHandle(); handle && window.isVisible()) {
        const QMargins m = handle->frameMargins();
        if (!m.isNull())
            return m;
    }
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

// The frame's top left where the window stands or, not shown yet, where it
// is to stand.
QPoint framePlace(const QWidget &window, const QMargins &m)
{
    if (window.windowHandle() && window.isVisible())
        return window.geometry().topLeft() - QPoint(m.left(), m.top());
    return window.pos();
}

bool frameInside(const QWidget &window, const QRect &area)
{
    const QMargins m = frameMargins(window);
    return area.contains(QRect(framePlace(window, m), window.size().grownBy(m)));
}

// Moves the window just enough to bring its whole frame into the area. A
// window not made yet is placed by its frame, which the window manager then
// puts there; a made one by its inside, by the frame known here (or that of
// another window, until the window manager has framed it).
void fitPlace(QWidget &window, const QRect &area)
{
    const QMargins m = frameMargins(window);
    const QSize frame = window.size().grownBy(m);
    const QPoint at = framePlace(window, m);
    const int x =
        std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - frame.width()));
    const int y =
        std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - frame.height()));
    if (QPoint(x, y) == at)
        return;
    if (window.windowHandle())
        window.setGeometry(QRect(QPoint(x + m.left(), y + m.top()), window.size()));
    else
        window.move(x, y);
}

// Fits its window as it shows, and again as the window manager frames it:
// the frame becomes known only once the window is on the screen, and the
// events that tell of it (an expose, a move, a resize, the activation) come
// in no fixed order, the window manager's answer to a move among them. For
// a while after the window shows, or after a correction, each of them puts
// a known frame found outside back inside; the user's later moves, to
// another screen too, are left alone.
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
        switch (event->type()) {
        case QEvent::Show:
            if (watched != &window_)
                break;
            if (QWindow *handle = window_.windowHandle(); handle && handle != watching_) {
                watching_ = handle;
                handle->installEventFilter(this);
            }
            corrections_ = 0;
            settling_.start();
            fitOnScreen(window_, platform_.screen);
            break;
        case QEvent::Expose:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowActivate:
            if (settling_.isValid() && !settling_.hasExpired(SettlingMs) && window_.isVisible())
                settle();
            break;
        default:
            break;
        }
        return false;
    }

private:
    // Long enough for any window manager's answer, short of a user's move.
    static constexpr int SettlingMs = 1000;

    void settle()
    {
        const QWindow *handle = window_.windowHandle();
        if (!handle || handle->frameMargins().isNull())
            return; // no frame yet, or a desktop that draws none
        const QRect area = platform_.screen ? platform_.screen->availableArea() : QRect();
        // A window manager that puts the window elsewhere each time is not
        // chased for ever.
        if (area.isEmpty() || frameInside(window_, area) || ++corrections_ > 5)
            return;
        settling_.start();
        fitOnScreen(window_, platform_.screen);
    }

    QWidget &window_;
    const Platform &platform_;
    QWindow *watching_ = nullptr;
    QElapsedTimer settling_;
    int corrections_ = 0;
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
