#include "shell_window.h"

#include "model/ui_state.h"

#include <QCloseEvent>

namespace zyt {

Shell_Window::Shell_Window(const QString &name, const UiState &ui, QWidget *parent)
    : QMainWindow(parent), ui_(ui)
{
    setObjectName(name);
    resize(800, 600);
}

void Shell_Window::closeEvent(QCloseEvent *event)
{
    if (ui_.Exiting == 0)
        event->ignore();
    else
        event->accept();
    hide();
}

} // namespace zyt
