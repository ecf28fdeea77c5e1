#include "sheet_window.h"

#include "calc/calculate_sheet.h"
#include "calc/guarded.h"
#include "files/dfw_export.h"
#include "files/flow_data_file.h"
#include "files/flow_file_import.h"
#include "files/ptpfa_import.h"
#include "model/app_state.h"
#include "model/sheet_design.h"
#include "output/print_flow_sheet.h"
#include "output/print_job.h"
#include "output/save_form_as_jpg.h"
#include "platform/numbers.h"
#include "sheet_rules.h"
#include "sort_clear.h"
#include "widgets/cell_widgets.h"
#include "widgets/hover_help.h"
#include "widgets/painted_cell.h"
#include "widgets/window_builder.h"
#include "widgets/window_placement.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace zyt {

namespace {

using S = Flow_Test_Sheet;

} // namespace

SheetWindow::SheetWindow(Flow_Test_Sheet &sheet, AppState &st, MainModel *main, QWidget *parent)
    : QMainWindow(parent), sheet_(sheet), st_(st),
      widgets_(new WindowBuilder(*this, sheetDesign(), sheet, st))
{
    setObjectName(sheet.windowName());
    WindowBuilder &w = *widgets_;
    w.on(QStringLiteral("Load_Data"), [this] { Load_Data_Click(); });
    w.on(QStringLiteral("Save_Data"), [this] { Save_Data_Click(); });
    if (main)
        w.on(QStringLiteral("Import_PTPFA"),
             [this, main] { Import_PTPFA_File(sheet_, *main, st_); });
    w.on(QStringLiteral("Import_Flow_Data_Files"), [this] { Import_Flow_File(sheet_, st_); });
    w.on(QStringLiteral("Export"), [this] { Export_DFW_File(sheet_, st_); });
    w.on(QStringLiteral("Clear_All_Input_Flow_Number_Fields"),
         [this] { Clear_All_Input_Flow_Number_Fields_Click(); });
    w.on(QStringLiteral("Clear_All_Lift_Number_Fields"),
         [this] { Clear_All_Lift_Number_Fields_Click(); });
    w.on(QStringLiteral("Clear_All_Swirl_Number_Fields"),
         [this] { Clear_All_Swirl_Number_Fields_Click(); });
    w.on(QStringLiteral("subend"), [this] { subend_Click(); });
    w.on(QStringLiteral("PrtSc"),
         [this] { Save_Form_As_JPG(*this, QStringLiteral("Vorn"), 100, true, st_); });
    w.on(QStringLiteral("Print_Sheet"),
         [this] { Print_Flow_Sheet(sheet_, st_, currentPrintInputs(st_.graph, st_.platform)); });
    w.on(QStringLiteral("NextPage"), [this] { NextPage_Click(); });
    w.on(QStringLiteral("Command1"), [this] { Command1_Click(); });
    w.on(QStringLiteral("Sort"), [this] { Sort_Click(); });
    w.on(QStringLiteral("Exit"), [this] { Exit_Click(); });

    w.setCellRules([](int array, int index) { return sheetCellRules(S::Array(array), index); });
    w.onExtraRule(ExtraRule::LiftCopy, [this](CellLineEdit &cell) {
        sheet_.setCell(S::Text108, sheet_.layout().indexOf(cell.cellId()), cell.text());
    });
    w.onExtraRule(ExtraRule::IntakeValveCount, [this](CellLineEdit &cell) {
        valveCount(cell.cellId(), QStringLiteral("Number of Intake Valves Must be 1 to 4"));
    });
    w.onExtraRule(ExtraRule::ExhaustValveCount, [this](CellLineEdit &cell) {
        valveCount(cell.cellId(), QStringLiteral("Number of Exhaust Valves Must be 1 to 4"));
    });
}

void SheetWindow::setVisible(bool visible)
{
    if (visible && !built_) {
        built_ = true;
        build();
    }
    QMainWindow::setVisible(visible);
}

void SheetWindow::ensureBuilt()
{
    if (!built_) {
        built_ = true;
        build();
    }
    buildPageTwo();
}

void SheetWindow::buildPageTwo()
{
    setUpdatesEnabled(false);
    widgets_->buildFrame(QStringLiteral("Frame1"));
    setUpdatesEnabled(true);
}

QWidget *SheetWindow::cellWidget(Flow_Test_Sheet::Array array, int index) const
{
    const int id = sheet_.id(array, index);
    return id < 0 ? nullptr : widgets_->cellWidget(id);
}

QLineEdit *SheetWindow::cellEditor(Flow_Test_Sheet::Array array, int index) const
{
    QWidget *w = cellWidget(array, index);
    if (auto *painted = qobject_cast<PaintedCell *>(w))
        return painted->openEditor();
    return qobject_cast<QLineEdit *>(w);
}

QLabel *SheetWindow::helpLine() const
{
    return widgets_->helpLine() ? widgets_->helpLine()->label() : nullptr;
}

QPushButton *SheetWindow::button(const QString &name) const
{
    return widgets_->widget<QPushButton>(name);
}

void SheetWindow::build()
{
    setUpdatesEnabled(false);
    widgets_->deferFrame(QStringLiteral("Frame1"));
    widgets_->build();
    frame1_ = widgets_->widget<QFrame>(u"Frame1");
    // Everything on page 1 that page 2 lies over.
    for (QObject *child : widgets_->background()->children()) {
        auto *w = qobject_cast<QWidget *>(child);
        if (w && w != frame1_ && frame1_->geometry().intersects(w->geometry()))
            covered_.push_back(w);
    }
    // Centred on the screen when it is made.
    placeCentred(*this, st_.platform.screen);
    showPage(pageTwo_);
    setUpdatesEnabled(true);
}

void SheetWindow::closeEvent(QCloseEvent *event)
{
    // While the program runs the window only hides, keeping its data.
    if (st_.ui.Exiting == 0)
        event->ignore();
    else
        event->accept();
    subend_Click();
}

void SheetWindow::showPage(bool two)
{
    pageTwo_ = two;
    if (!built_)
        return;
    if (two)
        buildPageTwo();
    for (QWidget *w : covered_)
        w->setVisible(!two);
    frame1_->setVisible(two);
    if (two)
        frame1_->raise();
}

void SheetWindow::focusCell(Flow_Test_Sheet::Array array, int index)
{
    QWidget *w = cellEditor(array, index);
    if (!w)
        w = cellWidget(array, index);
    if (!w)
        return;
    const bool active = isActiveWindow();
    w->setFocus(Qt::OtherFocusReason);
    if (auto *cell = qobject_cast<CellLineEdit *>(w); cell && !active)
        cell->selectAsFocused();
}

void SheetWindow::valveCount(int id, const QString &message)
{
    const double count = tryParseNumber(sheet_.text(id), st_.numbers.localeDecimal)
                             .value_or(0.0); // no number counts as 0
    if (count < 1.0 || count > 4.0) {
        st_.platform.message(message);
        if (QWidget *w = widgets_->cellWidget(id); w && w->isVisible())
            w->setFocus(Qt::OtherFocusReason);
    }
}

void SheetWindow::Load_Data_Click()
{
    // The path line names a file only once one was really read.
    if (Load_Flow_Data_File(sheet_, QString(), st_))
        sheet_.setCell(S::Text39, S::Single, st_.files.File_Name);
    focusCell(S::Text101, S::FirstLiftRow);
}

void SheetWindow::Save_Data_Click()
{
    if (Save_Flow_Data_File(sheet_, st_))
        sheet_.setCell(S::Text39, S::Single, st_.files.File_Name);
}

void SheetWindow::Command1_Click()
{
    runGuarded(st_.platform, [this] {
        Calculate_Sheet(sheet_, st_.Metric(), st_.calc, st_.numbers, st_.platform);
    });
}

void SheetWindow::Sort_Click()
{
    runGuarded(st_.platform, [this] { Sort_Lift_Points(sheet_, st_.numbers); });
    focusCell(S::Text101, S::FirstLiftRow);
}

void SheetWindow::NextPage_Click()
{
    showPage(true);
    focusCell(S::Text207, S::LastLiftRow);
}

void SheetWindow::Exit_Click()
{
    showPage(false);
    focusCell(S::Text101, S::FirstLiftRow);
}

void SheetWindow::Clear_All_Input_Flow_Number_Fields_Click() { Clear_Flow_Fields(sheet_); }

void SheetWindow::Clear_All_Lift_Number_Fields_Click() { Clear_Lift_Fields(sheet_); }

void SheetWindow::Clear_All_Swirl_Number_Fields_Click() { Clear_Swirl_Fields(sheet_); }

void SheetWindow::subend_Click() { hide(); }

} // namespace zyt
