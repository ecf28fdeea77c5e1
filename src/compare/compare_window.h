#pragma once

#include "compare/graph_command.h"
#include "model/compare_model.h"
#include "model/models.h"

#include <QMainWindow>

#include <functional>

namespace zyt {

struct AppState;
class GraphDisplay;
struct GraphWindowState;
class WindowBuilder;

// The compare window `Form50`: a view of its cells that picks the two tests,
// the comparison type and the X column, shows the table "&Calculate" fills
// from the sheets, and draws, prints or captures it. Its widgets are built
// the first time it shows. The graph goes onto the graph window's picture
// through `display`.
class CompareWindow : public QMainWindow, public CompareTableView, public CompareWindowHooks {
    Q_OBJECT

public:
    CompareWindow(CompareModel &model, const SheetList &sheets, AppState &st,
                  GraphWindowState &graph, GraphDisplay &display, QWidget *parent = nullptr);
    ~CompareWindow() override;

    CompareModel &model() { return model_; }
    bool isBuilt() const;
    void ensureBuilt();
    const WindowBuilder &widgets() const { return *widgets_; }
    // The widget of a cell, nullptr before the window was built.
    QWidget *cellWidget(CompareModel::Array array, int index = CompareModel::Single) const;

    // What runs just before the graph window shows after a graph command.
    void setGraphWindowPreparation(std::function<void()> prepare)
    {
        prepareGraphWindow_ = std::move(prepare);
    }

    // The window's commands.
    void Command1_Click();   // &Calculate
    void Command2_Click();   // &Graph
    void Graph_Plus_Click(); // Graph &Plus
    void Command3_Click();   // Print Calcs
    void Command5_Click();   // the capture to a JPG file
    void subend_Click();     // &Quit

    // What the graph and the printout read of the window.
    int comparisonType() const override;
    int xAxis() const override;
    bool isChecked(int box) const override;
    QString entryText(int cell) const override;
    QString cellText(int array, int row) const override;
    QString fromTestLabel() const override;
    QString toTestLabel() const override;

    // What the commands ask of the windows around.
    bool calculate() override;
    void showGraphWindow() override;

    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    CompareModel &model_;
    SheetList sheets_;
    AppState &st_;
    GraphWindowState &graph_;
    GraphDisplay &display_;
    WindowBuilder *widgets_;
    std::function<void()> prepareGraphWindow_;
};

} // namespace zyt
