#pragma once

#include "model/main_model.h"

#include <QMainWindow>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;

namespace zyt {

struct AppState;
struct UiState;
class CellViews;
class HoverHelpLine;
class Program;

// The program's hub: opens the sheets and the other windows, carries the
// estimator's cells, the preload names and the comments, and ends the
// program when it closes.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(Program &program);

    QWidget *cellWidget(MainModel::Array array, int index = MainModel::Single) const;
    void focusCell(MainModel::Array array, int index);
    QLabel *helpLine() const;
    QFrame *preloads() const { return frame4_; }
    void showPreloads(bool show);
    QFrame *companyPanel() const { return frame96_; }
    QFrame *printerPanel() const { return frame99_; }
    void showPrinters(); // the printer panel with the system's printers
    QCheckBox *checkBox(MainModel::Array box) const;
    QAction *action(const QString &name) const;
    void setActionEnabled(const QString &name, bool enabled);
    // After a fitting: the screen-fitting entries are used up.
    void disableFitting();
    // The estimator's three notes.
    void setNotes();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildButtons(QWidget *central);
    void buildEstimator(QWidget *central);
    void buildPreloads(QWidget *central);
    void buildCompany(QWidget *central);
    void buildPrinters(QWidget *central);
    void buildSettingsMenus();
    QCheckBox *makeCheckBox(MainModel::Array box, const QString &caption, QWidget *parent,
                            const QRect &geometry);
    void estimatorHover(QWidget *cell, MainModel::Array array, int index);

    Program &program_;
    AppState &st_;
    MainModel &model_;
    CellViews *views_ = nullptr;
    QWidget *central_ = nullptr;
    HoverHelpLine *help_ = nullptr;
    QFrame *frame4_ = nullptr;
    QFrame *frame96_ = nullptr;
    QFrame *frame99_ = nullptr;
    QComboBox *printers_ = nullptr;
    QLabel *notes_[3] = {};
};

// Puts the main window's shared hover-help texts into Help_Texts.
void fillMainHelpTexts(UiState &ui);

} // namespace zyt
