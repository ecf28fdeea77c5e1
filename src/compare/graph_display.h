#pragma once

namespace zyt {

class DrawSurface;

// The graph window as the compare window's commands see it: the picture the
// graph is drawn on, and the window that shows it.
class GraphDisplay {
public:
    virtual ~GraphDisplay() = default;

    // `Picture1`, the graph window's canvas, in its own pixels.
    virtual DrawSurface &picture() = 0;
    // Shows the graph window with what the picture holds.
    virtual void showGraphWindow() = 0;
};

} // namespace zyt
