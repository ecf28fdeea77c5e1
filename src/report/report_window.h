#pragma once

#include "model/models.h"

#include <QMainWindow>

class QPlainTextEdit;

namespace zyt {

struct AppState;
class MainModel;
class ReportModel;
class WindowBuilder;

// The report window `Form70`: a view of the report's choices, with the
// commands that build, show and save the report and keep the choices in a
// configuration file. While a report shows, its display box lies over the
// choices and takes the keys: "." saves the report, any other key that
// carries a character closes it. The widgets are built the first time the
// window shows.
class ReportWindow : public QMainWindow {
    Q_OBJECT

public:
    ReportWindow(ReportModel &report, const MainModel &main, const SheetList &sheets, AppState &st,
                 QWidget *parent = nullptr);

    bool isBuilt() const;
    void ensureBuilt();
    const WindowBuilder &widgets() const { return *widgets_; }
    // `Text38`; nullptr before the window was built.
    QPlainTextEdit *displayBox() const { return display_; }

    void Command2_Click(); // &Create Text Report
    void subend_Click();   // &Quit

    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void build();
    void showText();
    void showDisplay(bool shown);

    ReportModel &report_;
    const MainModel &main_;
    SheetList sheets_;
    AppState &st_;
    WindowBuilder *widgets_;
    QPlainTextEdit *display_ = nullptr;
};

} // namespace zyt
