#pragma once

#include "files/main_data_file.h"
#include "model/app_state.h"
#include "model/compare_model.h"
#include "model/flow_test_sheet.h"
#include "model/graph_window_state.h"
#include "model/main_model.h"
#include "model/models.h"
#include "model/program_hooks.h"
#include "model/report_model.h"

#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace zyt {

class CompareWindow;
class GraphWindow;
class SheetWindow;
class MainWindow;
class ReportWindow;

// The whole program: its state, the cells of every window and the windows
// themselves, made once and kept until the exit. Start-up and exit run
// here; the windows call back for what crosses from one window to another,
// and so do the files and settings through the hooks.
class Program final : public ProgramHooks {
public:
    // `beforeMainWindow` runs once the models and the other windows are
    // made, before the main window, the first to need the fonts.
    explicit Program(const Platform &platform,
                     const std::function<void()> &beforeMainWindow = nullptr);
    ~Program() override;
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    AppState st;
    MainModel main;
    std::array<std::unique_ptr<Flow_Test_Sheet>, 5> sheets;
    CompareModel compare;
    GraphWindowState graph;
    ReportModel report;

    Models &models() { return *models_; }
    std::array<Flow_Test_Sheet *, 5> sheetList();

    MainWindow &mainWindow() { return *mainWindow_; }
    SheetWindow &sheetWindow(int k) { return *sheetWindows_[size_t(k)]; }
    CompareWindow &form50() { return *form50_; }
    GraphWindow &form60() { return *form60_; }
    ReportWindow &form70() { return *form70_; }
    // Every window, the main window first.
    std::vector<QWidget *> windows();

    // Start-up, before the main window shows; the command line without the
    // program's own name.
    void Form_Load(const QString &commandLine);
    // Writes the autosave file and closes every window; runs once.
    void Exit_Click();
    // The exit asked for from outside (a termination signal): the same, but
    // no box waits for an answer, since no one may be there to give it.
    void endOnRequest();
    // The exit save alone, for a process that ends without its exit (the
    // windowing system lost its display): runs only when the exit has not,
    // shows no box and leaves the windows alone.
    void saveBeforeProcessEnd();
    bool exited() const { return exited_; }

    // Commands of the main window.
    void openSheet(int k);  // Flow Test 1 to 5, k from 0
    void Command50_Click(); // Compare 2 Flow Tests
    void Command33_Click(); // Text Report
    void ScrRes_Click();
    void AspectRatio_Click();
    void FullScrRes_Click();
    void MouseP_Click();
    void Fit_To_Screen();
    void Load_Data_Click();
    void Save_Data_Click();
    void Command45_Click(int k); // the preload name of sheet k
    void Command46_Click();      // loads the named preloads

    // The hooks of the files and settings.
    void Check2_Click() override;
    void Command51_Click() override;
    bool loadLogoPicture(const QString &path) override;
    void clearGraphPicture() override;
    void Stretch_Picture() override;

private:
    void Convert_Forms_To_Comma();
    void applySwitches(const QString &commandLine);
    // Before the graph window shows after a graph: scaled to the fitting
    // once, when the fitting is used up and the window is still narrow.
    void fitGraphWindow();
    // The scaling of every window, the graph's size and its picture.
    void fitWindows();

    std::optional<Models> models_;
    std::unique_ptr<MainWindow> mainWindow_;
    std::array<std::unique_ptr<SheetWindow>, 5> sheetWindows_;
    std::unique_ptr<GraphWindow> form60_;
    std::unique_ptr<CompareWindow> form50_;
    std::unique_ptr<ReportWindow> form70_;
    bool graphWindowFitted_ = false;
    bool exiting_ = false;
    bool exited_ = false;
};

// The title every caption starts with.
QString buildAppTitle(int major, int minor, int revision);

} // namespace zyt
