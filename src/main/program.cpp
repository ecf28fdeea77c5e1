#include "program.h"

#include "calc/calculate_sheet.h"
#include "calc/formats.h"
#include "compare/compare_calculate.h"
#include "compare/compare_window.h"
#include "compare/graph_window.h"
#include "estimator.h"
#include "files/flow_data_file.h"
#include "files/folder_names.h"
#include "files/record_boxes.h"
#include "help_menu.h"
#include "main_window.h"
#include "metric_switch.h"
#include "model/compare_window_design.h"
#include "model/main_window_design.h"
#include "model/report_design.h"
#include "model/sheet_design.h"
#include "platform/draw_surface.h"
#include "platform/file_dialogs.h"
#include "platform/screen.h"
#include "report/report_window.h"
#include "screen_fit.h"
#include "sheet/sheet_window.h"
#include "widgets/window_placement.h"

#include <QAction>
#include <QApplication>
#include <QCursor>

#include <charconv>
#include <cmath>

namespace zyt {

namespace {

int roundEven(double v) { return int(std::nearbyint(v)); }

// Answers every box with its first button at once, without showing it.
class UnseenBoxes final : public MessageBoxes {
public:
    int show(const MsgRequest &request) override
    {
        return request.buttons == MsgButtons::YesNo ? AnswerYes : AnswerOk;
    }
};

// Puts the unseen boxes in place of the shown ones while it lives.
class NoBoxes {
public:
    explicit NoBoxes(Platform &platform) : platform_(platform), shown_(platform.messages)
    {
        platform_.messages = &unseen_;
    }
    ~NoBoxes() { platform_.messages = shown_; }
    NoBoxes(const NoBoxes &) = delete;
    NoBoxes &operator=(const NoBoxes &) = delete;

private:
    Platform &platform_;
    MessageBoxes *shown_;
    UnseenBoxes unseen_;
};

} // namespace

QString buildAppTitle(int major, int minor, int revision)
{
    return QStringLiteral("Vorn / ZYT -- Corin Yeldham and Jory Thane' -- Quarnel Airpath Studio "
                          "-- Version: %1.%2.%3")
        .arg(major)
        .arg(minor)
        .arg(revision);
}

Program::Program(const Platform &platform, const std::function<void()> &beforeMainWindow)
{
    st.platform = platform;
    st.Main = &main;
    for (size_t k = 0; k < sheets.size(); ++k)
        sheets[k] = std::make_unique<Flow_Test_Sheet>(QStringLiteral("Form%1").arg(k + 1));
    models_.emplace(Models{main, sheetList(), compare, graph});
    keepUserBoxLooks(main);
    // Every window exists from the start and is only shown and hidden; all
    // but the main window make their widgets when they first show.
    for (size_t k = 0; k < sheets.size(); ++k)
        sheetWindows_[k] = std::make_unique<SheetWindow>(*sheets[k], st, &main);
    form60_ = std::make_unique<GraphWindow>(graph, st);
    form50_ = std::make_unique<CompareWindow>(compare, sheetList(), st, graph, *form60_);
    form50_->setGraphWindowPreparation([this] { fitGraphWindow(); });
    form70_ = std::make_unique<ReportWindow>(report, main, sheetList(), st);
    if (beforeMainWindow)
        beforeMainWindow();
    mainWindow_ = std::make_unique<MainWindow>(*this);
    st.ui.mainWindow = mainWindow_.get();
}

Program::~Program()
{
    // The windows go before the models they show.
    st.ui.mainWindow = nullptr;
    mainWindow_.reset();
    for (auto &w : sheetWindows_)
        w.reset();
    form50_.reset();
}

std::array<Flow_Test_Sheet *, 5> Program::sheetList()
{
    std::array<Flow_Test_Sheet *, 5> list{};
    for (size_t k = 0; k < sheets.size(); ++k)
        list[k] = sheets[k].get();
    return list;
}

std::vector<QWidget *> Program::windows()
{
    std::vector<QWidget *> all{mainWindow_.get()};
    for (auto &w : sheetWindows_)
        all.push_back(w.get());
    all.push_back(form50_.get());
    all.push_back(form60_.get());
    all.push_back(form70_.get());
    return all;
}

void Program::Form_Load(const QString &commandLine)
{
    // The whole start-up, the autosave file and its preloads with it, is one
    // action: the main window is not kept waiting behind a flood of boxes.
    const recordBoxes::BoxBudget budget(st.platform, st.numbers);
    // The main window in the middle of the screen.
    placeCentred(*mainWindow_, st.platform.screen);
    // Program-wide start values.
    st.calc.Valves_In = 1;
    st.calc.Valves_Ex = 1;
    st.ui.Exiting = 0;
    st.files.Import_Filter_Index = 1;
    // Hover-help texts.
    fillSheetHelpTexts(st.ui);
    fillMainHelpTexts(st.ui);
    fillReportHelpTexts(st.ui);
    fillCompareHelpTexts(st.ui);
    // Titles.
    st.ui.App_Title = buildAppTitle(4, 8, 0);
    mainWindow_->setWindowTitle(st.ui.App_Title);
    form50_->setWindowTitle(st.ui.App_Title + QStringLiteral(" -- Compare 2 Flow Tests"));
    form70_->setWindowTitle(st.ui.App_Title + QLatin1StringView(ReportCaption));
    // The estimator's notes and the field warnings.
    mainWindow_->setNotes();
    st.ui.Field_Msgs[0] = QStringLiteral("This Field can not be Blank / Empty.");
    st.ui.Field_Msgs[1] = QStringLiteral(
        "Note: This Field can not be Blank / Empty and,\r\nMust have a Numerical Value other "
        "than Zero.");
    // Graph defaults.
    st.graph.Graph_Caption_On = 1;
    st.graph.Draw_Red = st.graph.Draw_Green = st.graph.Draw_Blue = 255;
    st.graph.Grid_On = 1;
    st.graph.Plot_Mode_Switch = 0;
    st.graph.Grid_Lines_Y = st.graph.Grid_Lines_X = 10;
    st.graph.Graph_Width = st.graph.Graph_Height = 600.0;
    st.graph.Grid_Line_Color = 9474192;
    st.graph.Draw_Line_Color = 99999;
    st.graph.Draw_Line_Width = 3;
    st.graph.Graph_Right_Edge = st.graph.Graph_Bottom_Edge = 599;
    // The graph window.
    graph.Picture1_DrawWidth = 2;
    form60_->picture().setDrawWidth(graph.Picture1_DrawWidth);
    form60_->setWindowTitle(st.ui.App_Title + QStringLiteral(" -- Graph and Annotate"));
    // The compare window's graph options as its boxes stand.
    for (int box = CompareModel::Check1; box <= CompareModel::Check4; ++box)
        graphOptionClick(compare, CompareModel::Array(box), st.graph);
    // The line widths the graph window offers.
    for (const char *w : {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "12", "14", "16", "18",
                          "20", "25", "30", "35", "40"})
        graph.Combo1.append(QString::fromLatin1(w));
    // A decimal comma is told once, and every number cell follows it.
    st.numbers.Decimal_Comma = 0;
    if (st.numbers.localeDecimal == u',') {
        st.numbers.Decimal_Comma = 1;
        st.platform.message(QStringLiteral("Program Set for Decimal Point to be >>,<< [Comma] "),
                            MsgButtons::Ok, MsgIcon::Information);
        Convert_Forms_To_Comma();
    }
    // The five sheets hold the results of their sample data.
    for (auto &sheet : sheets)
        Calculate_Sheet(*sheet, st.Metric(), st.calc, st.numbers, st.platform);
    // Fitting factors and the screen's density.
    st.looks.Scale_X = st.looks.Scale_Y = st.looks.Scale_Font = 1.0;
    st.looks.Screen_DPI = st.platform.screen ? roundEven(st.platform.screen->pixelsPerInch()) : 96;
    st.looks.Nonstandard_Aspect = 0;
    // Switches.
    applySwitches(commandLine);
    // The state of the previous run.
    Load_Autosave_File(models(), st, *this);
}

void Program::Convert_Forms_To_Comma()
{
    Form_Dots_To_Commas(main);
    for (auto &sheet : sheets)
        Form_Dots_To_Commas(*sheet);
    Form_Dots_To_Commas(compare);
    Form_Dots_To_Commas(report);
}

void Program::applySwitches(const QString &commandLine)
{
    if (commandLine.isEmpty())
        return;
    const QString text = commandLine.toLower();
    if (text.contains(u"/fs")) {
        st.looks.Full_Screen_Res = 1;
        mainWindow_->disableFitting();
        Fit_To_Screen();
    } else if (text.contains(u"/fn")) {
        st.looks.Nonstandard_Aspect = 1;
        st.looks.Full_Screen_Res = 1;
        mainWindow_->disableFitting();
        Fit_To_Screen();
    }
    if (text.contains(u"/mp"))
        MouseP_Click();
}

void Program::Exit_Click()
{
    // Closing the main window comes back here; the exit runs once.
    if (exiting_)
        return;
    exiting_ = true;
    st.ui.Exiting = 1;
    saveAutosaveFile(models(), st, *this);
    for (QWidget *w : windows())
        w->close();
    exited_ = true;
    QCoreApplication::quit();
}

void Program::endOnRequest()
{
    const NoBoxes quiet(st.platform);
    Exit_Click();
}

void Program::saveBeforeProcessEnd()
{
    if (exiting_)
        return;
    exiting_ = true;
    st.ui.Exiting = 1;
    const NoBoxes quiet(st.platform);
    saveAutosaveFile(models(), st, *this);
    exited_ = true;
}

void Program::openSheet(int k)
{
    SheetWindow &w = *sheetWindows_[size_t(k)];
    w.setWindowTitle(st.ui.App_Title + QStringLiteral(" -- Flow Test %1").arg(k + 1));
    w.show();
    w.raise();
    w.activateWindow();
    w.focusCell(Flow_Test_Sheet::Text108, 7);
}

void Program::Command50_Click()
{
    form50_->show();
    form50_->raise();
    form50_->activateWindow();
}

void Program::Command33_Click()
{
    form70_->show();
    form70_->raise();
    form70_->activateWindow();
}

void Program::ScrRes_Click()
{
    const ScreenMetrics *screen = st.platform.screen;
    if (!screen)
        return;
    // The density as a single-precision number in its shortest form.
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, float(screen->pixelsPerInch()));
    QString dpi = QString::fromLatin1(buffer, end.ptr - buffer);
    dpi.replace(u'.', st.numbers.localeDecimal);
    MsgRequest r;
    r.text = QStringLiteral("Screen Resolution: ") + QString::number(screenPixelsWide(*screen)) +
             QStringLiteral(" X ") + QString::number(screenPixelsHigh(*screen)) +
             QStringLiteral("   <-->   Screen DPI: ") + dpi;
    r.icon = MsgIcon::Information;
    r.title = QString();
    st.platform.message(r);
}

void Program::AspectRatio_Click()
{
    st.looks.Nonstandard_Aspect = 1;
    mainWindow_->setActionEnabled(QStringLiteral("AspectRatio"), false);
}

void Program::FullScrRes_Click()
{
    if (st.looks.Full_Screen_Res == 1)
        return;
    Fit_To_Screen();
    mainWindow_->disableFitting();
}

void Program::MouseP_Click()
{
    for (QWidget *w : windows())
        w->setCursor(Qt::ArrowCursor);
    mainWindow_->setActionEnabled(QStringLiteral("MouseP"), false);
}

void Program::Fit_To_Screen()
{
    const ScreenMetrics *screen = st.platform.screen;
    if (!screen)
        return;
    const int w = screenPixelsWide(*screen);
    const int h = screenPixelsHigh(*screen);
    if (w < 1200 || h < 600)
        return;
    st.looks.Fit_Screen_Width = w * 0.925;
    st.looks.Fit_Screen_Height = h * 0.925;
    // A window scales what it shows, so it is built first.
    mainWindow_->ensureBuilt();
    for (auto &sheetWindow : sheetWindows_)
        sheetWindow->ensureBuilt();
    form70_->ensureBuilt();
    form50_->ensureBuilt();
    form60_->ensureBuilt();
    // Before the desktop has framed a window (the switches at start-up), the
    // windows are fitted by their size without the frame; they are fitted
    // again, from their looks as they were, once the main window is framed.
    if (frameMargins(*mainWindow_, screen).isNull()) {
        auto before = std::make_shared<std::vector<WindowLooks>>();
        for (QWidget *window : windows())
            before->emplace_back(*window);
        const QSizeF graphBefore(st.graph.Graph_Width, st.graph.Graph_Height);
        whenFramed(*mainWindow_, [this, before, graphBefore] {
            // Only the sizes go back: the logo stays where it was put since.
            const QPointF logo(graph.Picture2_Left, graph.Picture2_Top);
            for (const WindowLooks &looks : *before)
                looks.restore();
            st.graph.Graph_Width = graphBefore.width();
            st.graph.Graph_Height = graphBefore.height();
            fitWindows();
            graph.Picture2_Left = logo.x();
            graph.Picture2_Top = logo.y();
            form60_->showState();
        });
    }
    fitWindows();
    mainWindow_->update();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Program::fitWindows()
{
    Scale_Form_Stretch(*mainWindow_, st.looks, st.platform.screen);
    for (auto &sheetWindow : sheetWindows_)
        Scale_Form_Stretch(*sheetWindow, st.looks, st.platform.screen);
    Scale_Form_Stretch(*form50_, st.looks, st.platform.screen);
    Scale_Form_Stretch(*form70_, st.looks, st.platform.screen);
    if (st.looks.Nonstandard_Aspect != 0)
        Scale_Form_Stretch(*form60_, st.looks, st.platform.screen);
    else
        Scale_Form_Uniform(*form60_, st.looks, st.platform.screen);
    st.graph.Graph_Width = st.looks.Scale_X * st.graph.Graph_Width;
    st.graph.Graph_Right_Edge = graphEdge(st.graph.Graph_Width);
    st.graph.Graph_Height = st.looks.Scale_Y * st.graph.Graph_Height;
    st.graph.Graph_Bottom_Edge = graphEdge(st.graph.Graph_Height);
    Stretch_Picture();
}

void Program::fitGraphWindow()
{
    // Scaling again on every graph would grow the window each time.
    if (graphWindowFitted_)
        return;
    const QAction *fitting = mainWindow_->action(QStringLiteral("FullScrRes"));
    if (!fitting || fitting->isEnabled() || innerExtent(*form60_).width() >= 748)
        return;
    graphWindowFitted_ = true;
    Scale_Form_Controls(*form60_, st.looks, st.platform.screen);
}

void Program::Load_Data_Click()
{
    st.files.File_Name.clear();
    Load_Main_Data_File(models(), st, *this);
    form60_->showState();
    mainWindow_->focusCell(MainModel::Text111, 3);
}

void Program::Save_Data_Click()
{
    st.files.File_Name.clear();
    Save_Main_Data_File(models(), st, *this);
}

void Program::Command45_Click(int k)
{
    if (!st.platform.dialogs || !st.platform.folder)
        return;
    const QString folder = st.platform.folder->path();
    st.files.File_Name.clear();
    FileDialogRequest request;
    request.kind = FileDialogKind::Open;
    request.filter = QStringLiteral("Flow Data Files (*.dat)|*.dat");
    request.filterIndex = 1;
    request.initialFolder = folder;
    const std::optional<QString> chosen = st.platform.dialogs->show(request);
    if (!chosen)
        return; // a cancel ends the command without a word
    st.files.File_Name = *chosen;
    // The preload reads names inside the program's folder only, so a file
    // elsewhere (or a link leading there) is refused rather than stored as a
    // name that cannot load.
    const std::optional<QString> relative = nameInFolder(folder, *chosen);
    if (!relative) {
        st.platform.message(
            QStringLiteral("NOTE: Whatever File Name you enter MUST be in the Same Folder "
                           "as the ZYT Program"),
            MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    main.setCell(MainModel::Text1, k, *relative);
}

void Program::Command46_Click()
{
    const recordBoxes::BoxBudget budget(st.platform, st.numbers);
    for (int k = 0; k < 5; ++k) {
        const QString name = main.cell(MainModel::Text1, k);
        if (name.size() > 4)
            Load_Flow_Data_File(*sheets[size_t(k)], name, st);
    }
    mainWindow_->showPreloads(false);
}

void Program::Check2_Click() { zyt::Check2_Click(main, sheetList(), st.numbers); }

void Program::Command51_Click() { zyt::Command51_Click(main, st.numbers, st.platform); }

bool Program::loadLogoPicture(const QString &path) { return form60_->loadLogoPicture(path); }

void Program::clearGraphPicture() { form60_->clearPicture(); }

void Program::Stretch_Picture() { form60_->Stretch_Picture(); }

} // namespace zyt
