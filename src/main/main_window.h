#pragma once

#include "model/main_model.h"
#include "model/main_window_design.h"

#include <QMainWindow>

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;

namespace zyt {

struct AppState;
class Program;
class WindowBuilder;

// The program's hub: opens the sheets and the other windows, carries the
// estimator's cells, the preload names and the comments, and ends the
// program when it closes.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(Program &program);
    // Makes the panels' controls, which wait until a panel first shows.
    void ensureBuilt() const;

    QWidget *cellWidget(MainModel::Array array, int index = MainModel::Single) const;
    // The cell's line editor, made now where the cell is still drawn
    // without one; nullptr for a cell that has none.
    QLineEdit *cellEditor(MainModel::Array array, int index = MainModel::Single) const;
    void focusCell(MainModel::Array array, int index);
    QLabel *helpLine() const;
    QFrame *preloads() const;
    void showPreloads(bool show);
    QFrame *companyPanel() const;
    QFrame *printerPanel() const;
    void showPrinters(); // the printer panel with the system's printers
    QCheckBox *checkBox(MainModel::Array box) const;
    QAction *action(const QString &name) const;
    void setActionEnabled(const QString &name, bool enabled);
    // After a fitting: the screen-fitting entries are used up.
    void disableFitting();
    // The estimator's three notes.
    void setNotes();
    const WindowBuilder &widgets() const { return *widgets_; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void setHandlers();
    void showPanel(QFrame *panel);
    void hidePanel(QFrame *panel);

    Program &program_;
    AppState &st_;
    MainModel &model_;
    WindowBuilder *widgets_;
};

} // namespace zyt
