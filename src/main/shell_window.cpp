#include "shell_window.h"

#include "calc/app_state.h"

#include <QCloseEvent>

namespace zyt {

Shell_Window::Shell_Window(const QString &name, AppState &st, QWidget *parent)
    : QMainWindow(parent), st_(st)
{
    setObjectName(name);
    resize(800, 600);
}

void Shell_Window::closeEvent(QCloseEvent *event)
{
    if (st_.Exiting == 0)
        event->ignore();
    else
        event->accept();
    hide();
}

} // namespace zyt
