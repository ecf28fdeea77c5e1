#pragma once

#include <QMargins>
#include <QPoint>
#include <QSize>

#include <functional>

class QMainWindow;
class QScrollArea;
class QWidget;

namespace zyt {

struct Platform;
class ScreenMetrics;

// Every window fits the part of the screen windows may cover: shown whole
// when the screen has room for it, else as large as the room allows with
// its content scrolling, and never with a part of its frame outside.

// Puts `content` into the window as its central widget, inside a scroll
// area of no frame of its own that scrolls only when the window is smaller
// than the content. `size` is the content's full size.
void makeScrollable(QMainWindow &window, QWidget *content, QSize size);

// The scroll area and the content of a window made scrollable; nullptr
// for another window.
QScrollArea *windowScroller(const QMainWindow &window);
QWidget *scrolledContent(const QMainWindow &window);

// The full size of a scrollable window's content, and the size of the
// window's inside that shows all of it (the content and the menu bar).
QSize contentSize(const QMainWindow &window);
QSize fullClientSize(const QMainWindow &window);

// Gives a scrollable window's content a new full size, and the window the
// size that shows it, as far as the screen has room.
void setContentSize(QMainWindow &window, QSize size, const ScreenMetrics *screen);
// The same by the full size of the window's inside: the content gets what
// the menu bar leaves of it.
void setFullClientSize(QMainWindow &window, QSize client, const ScreenMetrics *screen);

// The width of the window's frame on each side, title bar included, as the
// desktop draws it: the window's own once the desktop has framed it (hidden
// again, the one it wore), else the frame the screen tells the program's
// windows wear; none while the desktop has framed no window.
QMargins frameMargins(const QWidget &window, const ScreenMetrics *screen);

// The window's size with that frame.
QSize outerSize(const QWidget &window, const ScreenMetrics *screen);

// Where a window's frame goes on the screen, for the window's outer size.
using FramePlace = std::function<QPoint(QSize outer, const ScreenMetrics &screen)>;

// Puts the window's frame where `place` says, moved just enough to lie
// inside the screen's available area: a window shown, hidden or not made
// yet. A window kept on the screen that is placed before any frame is known
// is placed again by the same rule as the desktop frames it. Without a
// screen nothing changes.
void placeWindow(QWidget &window, const ScreenMetrics *screen, const FramePlace &place);

// In the middle of the screen, by the window's outer size.
void placeCentred(QWidget &window, const ScreenMetrics *screen);

// Makes the window fit the screen's available area: its size (a window
// made scrollable shows its content whole when there is room, else scrolls
// it) and its place (moved just enough to bring every part of its frame
// inside). Without a screen nothing changes.
void fitOnScreen(QWidget &window, const ScreenMetrics *screen);

// Fits the window each time it shows, on the screen the platform has then.
// The platform must outlive the window.
void keepOnScreen(QWidget &window, const Platform &platform);

// Runs `then` once, soon after the desktop first frames the window (one
// kept on the screen), in place of placing the window again if it was placed
// before any frame was known; nothing for another window.
void whenFramed(QWidget &window, std::function<void()> then);

} // namespace zyt
