#include "window_placement.h"

#include "platform/platform.h"
#include "platform/screen.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QMainWindow>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QVariant>
#include <QWindow>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace zyt {

namespace {

const char *const ScrollerName = "WindowScroller";
const char *const KeeperProperty = "zytScreenKeeper";

// The menu bar's height at a width, as the window's layout gives it.
int menuHeight(const QMainWindow &window, int width)
{
    const QWidget *bar = window.menuWidget();
    if (!bar || bar->isHidden())
        return 0;
    const int height = bar->heightForWidth(std::max(width, bar->minimumWidth()));
    return height >= 0 ? height : bar->sizeHint().height();
}

bool isMade(const QWidget &window)
{
    return window.testAttribute(Qt::WA_WState_Created) && window.windowHandle();
}

// On the screen by the window system's account: a window not there yet has
// no frame, and would tell its place for one. Qt tells of a window hidden
// as no longer exposed only later.
bool onScreen(const QWindow *handle)
{
    return handle && handle->isVisible() && handle->isExposed();
}

// Keeps a window's frame on the screen as it shows, and remembers where the
// program last sent the frame while the desktop has not yet put it there.
//
// The frame is known only once the window is on the screen, and the events
// that tell of it (an expose, a move, a resize, the activation) come in no
// fixed order, the desktop's answer to a move among them. For a while after
// the window shows, or after a correction, each of them puts a known frame
// found outside back inside; the user's later moves, to another screen too,
// are left alone. A window placed before any frame was known is placed again
// by the same rule when the desktop first frames it: the user cannot have
// moved a window that has no frame yet.
class ScreenKeeper final : public QObject {
public:
    ScreenKeeper(QWidget &window, const Platform &platform)
        : QObject(&window), window_(window), platform_(platform)
    {
        window.setProperty(KeeperProperty, QVariant::fromValue(static_cast<QObject *>(this)));
        window.installEventFilter(this);
    }

    // Where the frame is to stand, while the desktop has not put it there.
    std::optional<QPoint> asked() const { return asked_; }

    // The frame sent to `at`; a hidden window sends it as it shows again.
    void ask(std::optional<QPoint> at, bool onShow)
    {
        asked_ = at;
        onShow_ = at && onShow;
        askedAt_.start();
    }

    void placedBy(const FramePlace &place, bool blind)
    {
        place_ = place;
        blind_ = blind;
    }

    void whenFramed(std::function<void()> then)
    {
        if (framed_)
            QMetaObject::invokeMethod(this, std::move(then), Qt::QueuedConnection);
        else
            framedThen_.push_back(std::move(then));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Show:
            if (watched == &window_)
                showing();
            else if (watched == watching_ && onShow_ && asked_)
                sendAsked();
            break;
        case QEvent::Hide:
            if (watched == &window_ && !onShow_)
                asked_.reset();
            break;
        case QEvent::Expose:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowActivate:
            if (window_.isVisible())
                seen();
            break;
        default:
            break;
        }
        return false;
    }

private:
    // Long enough for any window manager's answer, short of a user's move.
    static constexpr int SettlingMs = 1000;

    const ScreenMetrics *screen() const { return platform_.screen; }

    // The window is made by now, not yet on the screen.
    void showing()
    {
        if (QWindow *handle = window_.windowHandle(); handle && handle != watching_) {
            watching_ = handle;
            handle->installEventFilter(this);
        }
        corrections_ = 0;
        settling_.start();
        // Placed before the desktop had framed any window, and one framed
        // since.
        if (blind_ && !frameMargins(window_, screen()).isNull())
            placeAgain();
        fitOnScreen(window_, screen());
    }

    // The window's own window is about to go on the screen: the frame place
    // is sent now, before the desktop maps it, and by the frame's corner,
    // which the desktop takes as it is whether the frame is known or not.
    void sendAsked()
    {
        onShow_ = false;
        askedAt_.start();
        watching_->setFramePosition(*asked_);
    }

    void seen()
    {
        const QWindow *handle = window_.windowHandle();
        if (!onScreen(handle) || handle->frameMargins().isNull())
            return; // no frame yet, or a desktop that draws none
        // Put there, or put elsewhere by a window manager that will not.
        if (asked_ && !onShow_ &&
            (handle->framePosition() == *asked_ || askedAt_.hasExpired(SettlingMs)))
            asked_.reset();
        if (!framed_) {
            framed_ = true;
            // What waits for the frame places the window itself.
            if (blind_ && framedThen_.empty()) {
                fitOnScreen(window_, screen());
                placeAgain();
            }
            for (std::function<void()> &then : std::exchange(framedThen_, {}))
                QMetaObject::invokeMethod(this, std::move(then), Qt::QueuedConnection);
        }
        if (settling_.isValid() && !settling_.hasExpired(SettlingMs))
            settle();
    }

    void placeAgain()
    {
        blind_ = false;
        if (place_)
            placeWindow(window_, screen(), FramePlace(place_));
    }

    void settle()
    {
        const QRect area = screen() ? screen()->availableArea() : QRect();
        const QWindow *handle = window_.windowHandle();
        // A window manager that puts the window elsewhere each time is not
        // chased for ever.
        if (area.isEmpty() || area.contains(handle->frameGeometry()) || asked_ ||
            ++corrections_ > 5)
            return;
        settling_.start();
        fitOnScreen(window_, screen());
    }

    QWidget &window_;
    const Platform &platform_;
    QPointer<QWindow> watching_;
    QElapsedTimer settling_;
    int corrections_ = 0;
    std::optional<QPoint> asked_;
    QElapsedTimer askedAt_;
    bool onShow_ = false;
    FramePlace place_;
    bool blind_ = false;
    bool framed_ = false;
    std::vector<std::function<void()>> framedThen_;
};

ScreenKeeper *keeperOf(const QWidget &window)
{
    return static_cast<ScreenKeeper *>(qvariant_cast<QObject *>(window.property(KeeperProperty)));
}

// The room for the window's inside: the available area less the frame.
QSize roomFor(const QWidget &window, const QRect &area, const ScreenMetrics *screen)
{
    const QMargins m = frameMargins(window, screen);
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

void fitSize(QWidget &window, const QRect &area, const ScreenMetrics *screen)
{
    // Asking for the frame first also refreshes Qt's own record of it, by
    // which it sends a shown window's new size with the place it keeps.
    const QSize room = roomFor(window, area, screen);
    auto *main = qobject_cast<QMainWindow *>(&window);
    if (QScrollArea *scroller = main ? windowScroller(*main) : nullptr) {
        sizeScrollable(*main, *scroller, room);
    } else if (window.width() > room.width() || window.height() > room.height()) {
        window.resize(window.size().boundedTo(room));
    }
}

// The frame's top left where the window stands or is to stand: where the
// desktop has it on the screen, else where Qt is to put it.
QPoint framePlace(const QWidget &window)
{
    if (const ScreenKeeper *keeper = keeperOf(window); keeper && keeper->asked())
        return *keeper->asked();
    if (const QWindow *handle = window.windowHandle();
        onScreen(handle) && !handle->frameMargins().isNull())
        return handle->framePosition();
    return window.pos();
}

// Sends the frame to `at`. Qt makes a window whose place was given by its
// frame with the frame there; a made one is moved by its frame's corner,
// which the desktop takes as it is. Moved by its inside, it would land
// wherever the frame then known to Qt puts it, often none while the desktop
// answers an earlier move. A frame on the screen that stands at `at`
// already, or is on its way there, is not sent again: the desktop may not
// answer a move to where a window is, and Qt would take the frame's place
// for the window's own until it does.
void moveFrame(QWidget &window, QPoint at)
{
    ScreenKeeper *keeper = keeperOf(window);
    if (!isMade(window)) {
        window.move(at);
        if (keeper)
            keeper->ask(std::nullopt, false);
        return;
    }
    QWindow *handle = window.windowHandle();
    if (handle->isVisible()) {
        if ((keeper && keeper->asked() == at) ||
            (onScreen(handle) && !handle->frameMargins().isNull() && handle->framePosition() == at))
            return;
        handle->setFramePosition(at);
        if (keeper)
            keeper->ask(at, false);
        return;
    }
    // Hidden: the widget's own record now (by the frame it wore), the
    // desktop's as it shows again.
    window.move(at);
    if (keeper)
        keeper->ask(at, true);
}

// The frame moved just enough to lie inside the area.
QPoint inside(QPoint at, QSize frame, const QRect &area)
{
    return {
        std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - frame.width())),
        std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - frame.height()))};
}

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
        fitSize(window, area, screen);
}

void setFullClientSize(QMainWindow &window, QSize client, const ScreenMetrics *screen)
{
    setContentSize(window,
                   QSize(client.width(), client.height() - menuHeight(window, client.width())),
                   screen);
}

QMargins frameMargins(const QWidget &window, const ScreenMetrics *screen)
{
    // Asked of the window system, as the widget's own record of it may lag
    // behind the window manager's.
    if (const QWindow *handle = window.windowHandle(); onScreen(handle)) {
        if (const QMargins m = handle->frameMargins(); !m.isNull())
            return m;
    }
    if (window.testAttribute(Qt::WA_WState_Created)) {
        const QRect frame = window.frameGeometry();
        const QRect inside = window.geometry();
        const QMargins own(inside.left() - frame.left(), inside.top() - frame.top(),
                           frame.right() - inside.right(), frame.bottom() - inside.bottom());
        if (!own.isNull())
            return own;
    }
    return screen ? screen->windowFrame() : QMargins();
}

QSize outerSize(const QWidget &window, const ScreenMetrics *screen)
{
    return window.size().grownBy(frameMargins(window, screen));
}

void placeWindow(QWidget &window, const ScreenMetrics *screen, const FramePlace &place)
{
    if (!screen)
        return;
    const QSize outer = outerSize(window, screen);
    const QRect area = screen->availableArea();
    QPoint at = place(outer, *screen);
    if (!area.isEmpty())
        at = inside(at, outer, area);
    moveFrame(window, at);
    if (ScreenKeeper *keeper = keeperOf(window))
        keeper->placedBy(place, frameMargins(window, screen).isNull());
}

void placeCentred(QWidget &window, const ScreenMetrics *screen)
{
    placeWindow(window, screen, [](QSize outer, const ScreenMetrics &s) {
        const QSize size = s.pixelSize();
        return QPoint((size.width() - outer.width()) / 2, (size.height() - outer.height()) / 2);
    });
}

void fitOnScreen(QWidget &window, const ScreenMetrics *screen)
{
    const QRect area = screen ? screen->availableArea() : QRect();
    if (area.isEmpty())
        return;
    const QPoint at = framePlace(window);
    fitSize(window, area, screen);
    const QPoint to = inside(at, outerSize(window, screen), area);
    if (to != at)
        moveFrame(window, to);
}

void keepOnScreen(QWidget &window, const Platform &platform) { new ScreenKeeper(window, platform); }

void whenFramed(QWidget &window, std::function<void()> then)
{
    if (ScreenKeeper *keeper = keeperOf(window))
        keeper->whenFramed(std::move(then));
}

} // namespace zyt
