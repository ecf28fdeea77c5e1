#pragma once

#include <QMargins>
#include <QSize>

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

// The width of the window's frame on each side as the desktop draws it;
// while the window has none yet, that of another window of the program.
QMargins frameMargins(const QWidget &window);

// Makes the window fit the screen's available area: its size (a window
// made scrollable shows its content whole when there is room, else scrolls
// it) and its place (moved just enough to bring every part of its frame
// inside). Without a screen nothing changes.
void fitOnScreen(QWidget &window, const ScreenMetrics *screen);

// Fits the window each time it shows, on the screen the platform has then.
// The platform must outlive the window.
void keepOnScreen(QWidget &window, const Platform &platform);

} // namespace zyt
