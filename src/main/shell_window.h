#pragma once

#include <QMainWindow>

namespace zyt {

struct UiState;

// A window that is made once and then only shown and hidden: its close box
// hides it while the program runs. The compare, graph and report windows
// start as such, and fill in as they are built.
class ShellWindow : public QMainWindow {
    Q_OBJECT

public:
    ShellWindow(const QString &name, const UiState &ui, QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    const UiState &ui_;
};

} // namespace zyt
