#include "main_window.h"

#include "company_file.h"
#include "estimator.h"
#include "estimator_rules.h"
#include "fonts_alignment.h"
#include "graph_options.h"
#include "gui_file.h"
#include "help_menu.h"
#include "model/app_state.h"
#include "model/main_window_design.h"
#include "output/save_form_as_jpg.h"
#include "printer_choice.h"
#include "program.h"
#include "widgets/cell_widgets.h"
#include "widgets/hover_help.h"
#include "widgets/painted_cell.h"
#include "widgets/window_builder.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>

namespace zyt {

namespace {

// The panels make their controls when first shown: until then they cost the
// start-up nothing.
constexpr const char16_t *Panels[] = {u"Frame4", u"Frame96", u"Frame99"};

using M = MainModel;

} // namespace

MainWindow::MainWindow(Program &program)
    : program_(program), st_(program.st), model_(program.main),
      widgets_(new WindowBuilder(*this, mainWindowDesign(), model_, st_))
{
    setHandlers();
    for (const char16_t *panel : Panels)
        widgets_->deferFrame(QString::fromUtf16(panel));
    widgets_->build();
}

void MainWindow::setHandlers()
{
    WindowBuilder &w = *widgets_;
    auto on = [&w](const char *name, std::function<void()> handler) {
        w.on(QString::fromLatin1(name), std::move(handler));
    };
    Program &p = program_;

    // The menus.
    auto settings = [this](void (*command)(Models &, AppState &)) {
        return [this, command] { command(program_.models(), st_); };
    };
    auto graphCommand = [this](void (*command)(GraphWindowState &, AppState &, ProgramHooks &)) {
        return [this, command] { command(program_.graph, st_, program_); };
    };
    auto gridStyle = [this](void (*command)(GraphWindowState &, GraphSettings &, ProgramHooks &)) {
        return [this, command] { command(program_.graph, st_.graph, program_); };
    };
    on("MouseP", [&p] { p.MouseP_Click(); });
    on("AllFont", settings(AllFont_Click));
    on("EntryFont", settings(EntryFont_Click));
    on("AllFont_Flow", settings(AllFont_Flow_Click));
    on("EntryFont_Flow", settings(EntryFont_Flow_Click));
    on("AligLeft", settings(AligLeft_Click));
    on("AligCenter", settings(AligCenter_Click));
    on("AligRight", settings(AligRight_Click));
    on("Read_GUI", settings(Read_GUI_Click));
    on("Write_GUI", settings(Write_GUI_Click));
    on("Exit", [&p] { p.Exit_Click(); });
    on("ScrRes", [&p] { p.ScrRes_Click(); });
    on("FullScrRes", [&p] { p.FullScrRes_Click(); });
    on("AspectRatio", [&p] { p.AspectRatio_Click(); });
    on("Preload", [this] { showPreloads(true); });
    on("Co_Name", [this] { showPanel(companyPanel()); });
    on("Load_Co_Name", [this] { Load_Co_Name_Click(model_, st_); });
    on("Load_Printer_Info", [this] { showPrinters(); });
    on("FontColor", graphCommand(FontColor_Click));
    on("Grid_Color", [this] { Grid_Color_Click(st_, program_); });
    on("Grid_Long", gridStyle(Grid_Long_Click));
    on("Grid_Dash", gridStyle(Grid_Dash_Click));
    on("Grid_Dot", gridStyle(Grid_Dot_Click));
    on("Grid_None", gridStyle(Grid_None_Click));
    on("Report_Problem", [this] { Report_Problem_Click(st_.platform); });
    on("Information_Request", [this] { Information_Request_Click(st_.platform); });
    on("About", [this] { About_Click(st_.ui, st_.platform); });

    // The buttons and boxes.
    for (int k = 0; k < 5; ++k)
        w.on(QStringLiteral("Command%1").arg(k + 1), [&p, k] { p.openSheet(k); });
    on("Command50", [&p] { p.Command50_Click(); });
    on("Command33", [&p] { p.Command33_Click(); });
    on("Command6", [this] {
        st_.ui.Capture_Caller = QStringLiteral("Main");
        Save_Form_As_JPG(*this, QStringLiteral("Vorn"), 100, true, st_);
        st_.ui.Capture_Caller.clear();
    });
    on("Load_Data", [&p] { p.Load_Data_Click(); });
    on("Save_Data", [&p] { p.Save_Data_Click(); });
    // The box's cell is set by then; "Metric" also converts every window,
    // which the main data file does for itself when it sets the box.
    on("Check2", [&p] { p.Check2_Click(); });
    on("Command49", [this] { Command49_Click(st_.files, st_.platform); });
    on("Command51", [this] { Command51_Click(model_, st_.numbers, st_.platform); });
    on("Command7", [this] { Command7_Click(model_, st_.numbers); });
    on("Command8", [this] { Command8_Click(model_, st_.numbers); });
    on("Command9", [this] { Command9_Click(model_, st_.numbers); });
    on("Command10", [this] { Command10_Click(st_.platform); });
    w.onIndexed(QStringLiteral("Command45"), [&p](int k) { p.Command45_Click(k); });
    on("Command46", [&p] { p.Command46_Click(); });
    on("Command44", [this] { showPreloads(false); });
    on("Save_Co_Name", [this] { Save_Co_Name_Click(model_, st_); });
    on("Command95", [this] { hidePanel(companyPanel()); });
    w.onIndexed(QStringLiteral("Combo1"), [this](int item) {
        Combo1_Click(widgets_->widget<QComboBox>(u"Combo1")->itemText(item), st_.print);
    });
    on("Got_Printer", [this] {
        Got_Printer_Click(st_.print, st_.platform);
        hidePanel(printerPanel());
    });

    w.setCellRules([](int array, int index) { return mainCellRules(M::Array(array), index); });
    w.onExtraRule(ExtraRule::EstimatorLimit, [this](CellLineEdit &cell) {
        const int row = model_.layout().indexOf(cell.cellId());
        if (estimatorLimitCheck(row, cell.text(), st_.numbers, st_.platform))
            cell.setFocus(Qt::OtherFocusReason);
    });
}

QLabel *MainWindow::helpLine() const { return widgets_->helpLine()->label(); }

QFrame *MainWindow::preloads() const { return widgets_->widget<QFrame>(u"Frame4"); }

QFrame *MainWindow::companyPanel() const { return widgets_->widget<QFrame>(u"Frame96"); }

QFrame *MainWindow::printerPanel() const { return widgets_->widget<QFrame>(u"Frame99"); }

void MainWindow::ensureBuilt() const
{
    for (const char16_t *panel : Panels)
        widgets_->buildFrame(QString::fromUtf16(panel));
}

QWidget *MainWindow::cellWidget(MainModel::Array array, int index) const
{
    const int id = model_.layout().id(array, index);
    if (id < 0)
        return nullptr;
    // A cell of a panel not shown yet is made now.
    if (!widgets_->cellWidget(id))
        ensureBuilt();
    return widgets_->cellWidget(id);
}

QLineEdit *MainWindow::cellEditor(MainModel::Array array, int index) const
{
    QWidget *w = cellWidget(array, index);
    if (auto *painted = qobject_cast<PaintedCell *>(w))
        return painted->openEditor();
    return qobject_cast<QLineEdit *>(w);
}

void MainWindow::focusCell(MainModel::Array array, int index)
{
    QWidget *w = cellEditor(array, index);
    if (!w)
        w = cellWidget(array, index);
    if (w)
        w->setFocus(Qt::OtherFocusReason);
}

QAction *MainWindow::action(const QString &name) const { return widgets_->action(name); }

void MainWindow::setActionEnabled(const QString &name, bool enabled)
{
    if (QAction *a = action(name))
        a->setEnabled(enabled);
}

void MainWindow::disableFitting()
{
    setActionEnabled(QStringLiteral("FullScrRes"), false);
    setActionEnabled(QStringLiteral("AspectRatio"), false);
}

QCheckBox *MainWindow::checkBox(MainModel::Array box) const
{
    return widgets_->widget<QCheckBox>(model_.layout().arrayName(box));
}

void MainWindow::setNotes()
{
    for (int k = 0; k < 3; ++k)
        widgets_->widget<QLabel>(u"Label1", k)->setText(estimatorNotes()[size_t(k)]);
}

void MainWindow::showPanel(QFrame *panel)
{
    widgets_->buildFrame(panel->objectName());
    panel->show();
    panel->raise();
}

void MainWindow::hidePanel(QFrame *panel)
{
    // Left to Qt, the focus of a hiding panel would pass to the next box in
    // the tab chain, the comments with their text selected, where one key
    // replaces it. The window itself takes the keys instead: the command
    // that opened the panel was a menu entry, which holds no focus.
    const QWidget *focus = QApplication::focusWidget();
    if (focus && panel->isAncestorOf(focus))
        setFocus(Qt::OtherFocusReason);
    panel->hide();
}

void MainWindow::showPrinters()
{
    const std::optional<PrinterList> list = Load_Printer_Info_Click(st_.print, st_.platform);
    if (!list)
        return;
    widgets_->buildFrame(printerPanel()->objectName());
    auto *printers = widgets_->widget<QComboBox>(u"Combo1");
    printers->clear();
    printers->addItems(list->Combo1);
    printers->setCurrentText(list->Printer_Name);
    showPanel(printerPanel());
}

void MainWindow::showPreloads(bool show)
{
    if (show)
        showPanel(preloads());
    else
        hidePanel(preloads());
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Closing the main window is the program's exit.
    program_.Exit_Click();
    event->accept();
}

} // namespace zyt
