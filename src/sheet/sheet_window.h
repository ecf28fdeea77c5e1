#pragma once

#include "model/flow_test_sheet.h"
#include "model/sheet_design.h"

#include <QMainWindow>

#include <vector>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zyt {

struct AppState;
class MainModel;
class WindowBuilder;

// The window of one flow test (Form1 to Form5): a view of its sheet's cells
// on two pages, with the commands that calculate, sort and clear them. The
// widgets are built the first time the window shows, those of page 2 the
// first time page 2 shows; until then they cost nothing and the cells live
// in the sheet alone. A PTPFA import also
// writes into the main window's cells, so a window made without them
// leaves its PTPFA entry without effect.
class SheetWindow : public QMainWindow {
    Q_OBJECT

public:
    SheetWindow(Flow_Test_Sheet &sheet, AppState &st, MainModel *main = nullptr,
                QWidget *parent = nullptr);

    Flow_Test_Sheet &sheet() { return sheet_; }
    bool isBuilt() const { return built_; }
    // Builds the whole window, both pages.
    void ensureBuilt();

    // The widget of a cell; nullptr before the window (or for a cell of
    // page 2, page 2) was built, or for a blank cell.
    QWidget *cellWidget(Flow_Test_Sheet::Array array, int index) const;
    // The line editor of a one-line cell, made now for a cell drawn until
    // used; nullptr when the cell has no widget or is no line.
    QLineEdit *cellEditor(Flow_Test_Sheet::Array array, int index) const;
    QLabel *helpLine() const;
    QFrame *pageTwo() const { return frame1_; }
    bool pageTwoShowing() const { return pageTwo_; }
    QPushButton *button(const QString &name) const;
    // Puts the focus on a cell, which then selects its text as any move into
    // it does, also while the window is still to become active.
    void focusCell(Flow_Test_Sheet::Array array, int index);
    const WindowBuilder &widgets() const { return *widgets_; }

    // The window's commands.
    void Load_Data_Click(); // &Load Previous Save Data
    void Save_Data_Click(); // &Save Data to File
    void Command1_Click();  // &Calculate
    void Sort_Click();      // Sort Data
    void NextPage_Click();  // page 2
    void Exit_Click();      // back to page 1
    void Clear_All_Input_Flow_Number_Fields_Click();
    void Clear_All_Lift_Number_Fields_Click();
    void Clear_All_Swirl_Number_Fields_Click();
    void subend_Click(); // Quit / Close

    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void build();
    void buildPageTwo();
    void showPage(bool two);
    void valveCount(int id, const QString &message);

    Flow_Test_Sheet &sheet_;
    AppState &st_;
    bool built_ = false;
    bool pageTwo_ = false;
    WindowBuilder *widgets_;
    std::vector<QWidget *> covered_; // page-1 widgets under page 2
    QFrame *frame1_ = nullptr;
};

} // namespace zyt
