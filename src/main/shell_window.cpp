#include "shell_window.h"

#include "model/ui_state.h"

#include <QCloseEvent>

namespace zyt {

ShellWindow::ShellWindow(const QString &name, const UiState &ui, QWidget *parent)
    : QMainWindow(parent), ui_(ui)
{
    setObjectName(name);
    resize(800, 600);
}

void ShellWindow::closeEvent(QCloseEvent *event)
{
    if (ui_.Exiting == 0)
        event->ignore();
    else
        event->accept();
    hide();
}

} // namespace zyt
