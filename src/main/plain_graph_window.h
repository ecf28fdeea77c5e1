#pragma once

#include "compare/graph_display.h"
#include "shell_window.h"

#include <memory>

class QLabel;

namespace zyt {

class ImageSurface;

// The graph window `Form60` at its plainest: the graph picture shown as it
// was drawn, nothing to annotate.
class PlainGraphWindow final : public ShellWindow, public GraphDisplay {
    Q_OBJECT

public:
    explicit PlainGraphWindow(const UiState &ui, QWidget *parent = nullptr);
    ~PlainGraphWindow() override;

    DrawSurface &picture() override;
    void showGraphWindow() override;
    // The picture as drawn so far.
    const QImage &image();

private:
    std::unique_ptr<ImageSurface> picture_;
    QLabel *shown_;
};

} // namespace zyt
