#include "plain_graph_window.h"

#include "platform/qt/painter_surface.h"

#include <QLabel>
#include <QPixmap>

namespace zyt {

namespace {

// The plot and the two caption lines below it.
const QSize PictureSize(600, 645);

} // namespace

PlainGraphWindow::PlainGraphWindow(const UiState &ui, QWidget *parent)
    : ShellWindow(QStringLiteral("Form60"), ui, parent),
      picture_(std::make_unique<ImageSurface>(PictureSize)), shown_(new QLabel(this))
{
    picture_->setDrawWidth(2);
    picture_->setFontSize(12);
    shown_->setObjectName(QStringLiteral("Picture1"));
    setCentralWidget(shown_);
    resize(PictureSize);
}

PlainGraphWindow::~PlainGraphWindow() = default;

DrawSurface &PlainGraphWindow::picture() { return *picture_; }

const QImage &PlainGraphWindow::image() { return picture_->image(); }

void PlainGraphWindow::showGraphWindow()
{
    shown_->setPixmap(QPixmap::fromImage(picture_->image()));
    show();
    raise();
    activateWindow();
}

} // namespace zyt
