#include "report_window.h"

#include "calc/guarded.h"
#include "model/app_state.h"
#include "model/report_design.h"
#include "model/report_model.h"
#include "output/save_form_as_jpg.h"
#include "report_commands.h"
#include "report_config.h"
#include "widgets/window_builder.h"
#include "widgets/window_placement.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>

#include <functional>

namespace zyt {

namespace {

using R = ReportModel;

// The display box: it scrolls with the keys that carry no character and
// hands every other key to the window.
class ReportDisplay final : public QPlainTextEdit {
public:
    ReportDisplay(QWidget *parent, std::function<void(const QString &)> key)
        : QPlainTextEdit(parent), key_(std::move(key))
    {
        setReadOnly(true);
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        // Wrapped lines would break the columns apart.
        setLineWrapMode(QPlainTextEdit::NoWrap);
        setFocusPolicy(Qt::StrongFocus);
        QFont fixed = font();
        fixed.setStyleHint(QFont::TypeWriter);
        fixed.setFixedPitch(true);
        setFont(fixed);
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->text().isEmpty()) {
            QPlainTextEdit::keyPressEvent(event);
            return;
        }
        event->accept();
        key_(event->text());
    }

private:
    std::function<void(const QString &)> key_;
};

} // namespace

ReportWindow::ReportWindow(ReportModel &report, const MainModel &main, const SheetList &sheets,
                           AppState &st, QWidget *parent)
    : QMainWindow(parent), report_(report), main_(main), sheets_(sheets), st_(st),
      widgets_(new WindowBuilder(*this, reportDesign(), report, st))
{
    setObjectName(report.windowName());
    WindowBuilder &w = *widgets_;
    w.on(QStringLiteral("Save"), [this] { Save_Report_Config(report_, st_); });
    w.on(QStringLiteral("Load"), [this] { Load_Report_Config(report_, st_); });
    w.on(QStringLiteral("Command2"), [this] { Command2_Click(); });
    w.on(QStringLiteral("Select"), [this] { report_.Select_Click(); });
    w.on(QStringLiteral("Clear"), [this] { report_.Clear_Click(); });
    w.on(QStringLiteral("Command5"),
         [this] { Save_Form_As_JPG(*this, QStringLiteral("Vorn"), 100, true, st_); });
    w.on(QStringLiteral("subend"), [this] { subend_Click(); });
    w.makeWith(QStringLiteral("Text38"), [this](QWidget *surface) {
        return new ReportDisplay(surface, [this](const QString &key) {
            runGuarded(st_.platform, [this, &key] { Text38_KeyPress(report_, key, st_); });
        });
    });
}

bool ReportWindow::isBuilt() const { return widgets_->isBuilt(); }

void ReportWindow::ensureBuilt()
{
    if (!isBuilt())
        build();
}

void ReportWindow::setVisible(bool visible)
{
    if (visible)
        ensureBuilt();
    QMainWindow::setVisible(visible);
}

void ReportWindow::build()
{
    setUpdatesEnabled(false);
    widgets_->build();
    display_ = widgets_->widget<QPlainTextEdit>(u"Text38");
    const int text38 = report_.checkedId(R::Text38, R::Single);
    connect(&report_, &CellModel::cellChanged, display_, [this, text38](int id) {
        if (id == text38)
            showText();
    });
    connect(&report_, &ReportModel::reportShownChanged, this, &ReportWindow::showDisplay);
    showText();
    showDisplay(report_.reportShown());
    // Centred on the screen when it is made.
    placeCentred(*this, st_.platform.screen);
    setUpdatesEnabled(true);
}

void ReportWindow::showText()
{
    // The box keeps its own line ends; "." saves the report as built.
    display_->setPlainText(QString(report_.reportText()).replace(u'\r', QString()));
}

void ReportWindow::showDisplay(bool shown)
{
    if (!shown) {
        display_->hide();
        return;
    }
    display_->show();
    display_->raise();
    display_->setFocus(Qt::OtherFocusReason);
}

void ReportWindow::Command2_Click()
{
    runGuarded(st_.platform, [this] { Create_Text_Report(report_, main_, sheets_, st_); });
}

void ReportWindow::subend_Click() { hide(); }

void ReportWindow::closeEvent(QCloseEvent *event)
{
    // While the program runs the window only hides, keeping its choices.
    if (st_.ui.Exiting == 0)
        event->ignore();
    else
        event->accept();
    subend_Click();
}

} // namespace zyt
