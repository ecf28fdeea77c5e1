#include "sheet_window.h"

#include "calc/calculate_sheet.h"
#include "calc/guarded.h"
#include "files/flow_data_file.h"
#include "model/app_state.h"
#include "platform/numbers.h"
#include "report/print_flow_sheet.h"
#include "report/print_job.h"
#include "report/save_form_as_jpg.h"
#include "sheet_rules.h"
#include "sort_clear.h"
#include "widgets/cell_widgets.h"
#include "widgets/hover_help.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace zyt {

namespace {

using S = Flow_Test_Sheet;

// Cell grid in pixels.
constexpr int CellWidth = 88;
constexpr int RowHeight = 20;
constexpr int Margin = 6;
constexpr int Columns = 15;
constexpr int Rows = 31;
constexpr int PageTwoColumn = 3; // page 2 covers from the Text104 column on
constexpr int BandTop = Margin + Rows * RowHeight + 4;
constexpr int BandHeight = 3 * RowHeight;
constexpr int PathTop = BandTop + BandHeight + 4;
constexpr int WindowWidth = 2 * Margin + Columns * CellWidth;
constexpr int WindowHeight = PathTop + RowHeight + Margin;
constexpr int MarkWidth = 9; // the red marks beside labels that carry help

int columnX(int column) { return Margin + column * CellWidth; }
int rowY(int row) { return Margin + row * RowHeight; }

// The page-2 columns, left to right.
constexpr S::Array pageTwoColumns[] = {S::Text201, S::Text202, S::Text203, S::Text204,
                                       S::text205, S::Text206, S::Text208, S::Text209,
                                       S::Text207, S::Text210, S::Text211};

// A push button whose caption wraps over several lines.
class WrappedButton final : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter p(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QString caption = option.text;
        option.text.clear();
        p.drawControl(QStyle::CE_PushButton, option);
        p.drawText(rect().adjusted(6, 4, -6, -4), Qt::AlignCenter | Qt::TextWordWrap, caption);
    }
};

struct HelpMark {
    S::Array array;
    int index;
    const char *help;
};

const HelpMark helpMarks[] = {
    {S::Text105, 0, "Help_Radius_Top_In"},    {S::Text105, 1, "Help_Radius_Bot_In"},
    {S::Text105, 4, "Help_Area_Ratio_In"},    {S::Text105, 5, "Help_Area_Ratio_Ex"},
    {S::Text107, 0, "Help_Radius_Top_Ex"},    {S::Text107, 1, "Help_Radius_Bot_Ex"},
    {S::Text109, 2, "Help_Manifold_Area_In"}, {S::Text109, 3, "Help_Manifold_Area_Ex"},
};

} // namespace

void fillSheetHelpTexts(UiState &ui)
{
    const QString manifold =
        QStringLiteral("Area at manifold face or enter height and width at percieved choke point.");
    QHash<QString, QString> &h = ui.Help_Texts;
    h.insert(QStringLiteral("Help_Calculate"),
             QStringLiteral("Clicking this button causes the program to Calculate your results "
                            "using your flow data."));
    h.insert(QStringLiteral("Help_Sort"),
             QStringLiteral(
                 "Clicking this button causes the program to Sort the Flow Data using the Lift "
                 "Field. Placing a Zero in the Lift Data Field will cause that field to be moved "
                 "to the bottom and shifting the lines below it up. Placing 450 in the bottom "
                 "line will cause it to be moved up after 400 and moving all the other lines "
                 "down."));
    h.insert(QStringLiteral("Help_Area_Ratio_In"),
             QStringLiteral("This is the ratio of the valve area versus the port area.\r\nFor a "
                            "typical V8 pushrod engines heads best results are usually seen when "
                            "this number is between 0.8 to 0.9"));
    h.insert(
        QStringLiteral("Help_Area_Ratio_Ex"),
        QStringLiteral(
            "This is the ratio of the valve area versus the port area. ------- For typical short "
            "exhaust ports (less than 3 inches long) an optimum area ratio of between 1.0 for "
            "higher torque at lower rpm for real street use to 1.2 -1.25 for drag racing. For "
            "longer ports (4 inches or more) for all out race engines this number needs to fall "
            "into the 1.25 to 1.35 range."));
    h.insert(QStringLiteral("Help_Manifold_Area_In"), manifold);
    h.insert(QStringLiteral("Help_Manifold_Area_Ex"), manifold);
    h.insert(QStringLiteral("Help_Radius_Top_In"),
             QStringLiteral("This is the Top Corner Radius of the Intake Port"));
    h.insert(QStringLiteral("Help_Radius_Bot_In"),
             QStringLiteral("This is the Bottom Corner Radius of the Intake Port"));
    h.insert(QStringLiteral("Help_Radius_Top_Ex"),
             QStringLiteral("This is the Top Corner Radius of the Exhaust Port"));
    h.insert(QStringLiteral("Help_Radius_Bot_Ex"),
             QStringLiteral("This is the Bottom Corner Radius of the Exhaust Port"));
}

SheetWindow::SheetWindow(Flow_Test_Sheet &sheet, AppState &st, QWidget *parent)
    : QMainWindow(parent), sheet_(sheet), st_(st)
{
    setObjectName(sheet.windowName());
}

void SheetWindow::setVisible(bool visible)
{
    if (visible)
        ensureBuilt();
    QMainWindow::setVisible(visible);
}

void SheetWindow::ensureBuilt()
{
    if (built_)
        return;
    built_ = true;
    build();
}

QWidget *SheetWindow::cellWidget(Flow_Test_Sheet::Array array, int index) const
{
    const int id = sheet_.id(array, index);
    if (id < 0 || !views_)
        return nullptr;
    return views_->widget(id);
}

QLabel *SheetWindow::helpLine() const { return help_ ? help_->label() : nullptr; }

QPushButton *SheetWindow::button(const QString &name) const
{
    return findChild<QPushButton *>(name);
}

void SheetWindow::build()
{
    setUpdatesEnabled(false);
    QFont font = this->font();
    font.setPointSizeF(8.0);
    setFont(font);

    central_ = new QWidget(this);
    central_->setObjectName(QStringLiteral("Background"));
    central_->setAutoFillBackground(true);
    setCentralWidget(central_);
    views_ = new CellViews(sheet_, st_, this);

    buildMenus();
    placePageOne(central_);
    placePageTwo();
    setupHover();
    setupTabChain();

    setFixedSize(WindowWidth, WindowHeight + menuBar()->sizeHint().height());
    // Centred on the screen when it is made.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - width()) / 2,
             area.top() + (area.height() - height()) / 2);
    }
    showPage(pageTwo_);
    setUpdatesEnabled(true);
}

void SheetWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File"));
    file->addAction(QStringLiteral("&Load Previous Save Data"), this, &SheetWindow::Load_Data_Click)
        ->setObjectName(QStringLiteral("Load_Data"));
    file->addAction(QStringLiteral("&Save Data to File"), this, &SheetWindow::Save_Data_Click)
        ->setObjectName(QStringLiteral("Save_Data"));
    QMenu *clear = file->addMenu(QStringLiteral("Clear Data Fields"));
    clear->setObjectName(QStringLiteral("Clear_Data"));
    clear
        ->addAction(QStringLiteral("Clear Flow Number Fields"), this,
                    &SheetWindow::Clear_All_Input_Flow_Number_Fields_Click)
        ->setObjectName(QStringLiteral("Clear_All_Input_Flow_Number_Fields"));
    clear
        ->addAction(QStringLiteral("Clear Lift Number Fields"), this,
                    &SheetWindow::Clear_All_Lift_Number_Fields_Click)
        ->setObjectName(QStringLiteral("Clear_All_Lift_Number_Fields"));
    clear
        ->addAction(QStringLiteral("Clear Swirl Number Fields"), this,
                    &SheetWindow::Clear_All_Swirl_Number_Fields_Click)
        ->setObjectName(QStringLiteral("Clear_All_Swirl_Number_Fields"));
    file->addAction(QStringLiteral("Quit / Close"), this, &SheetWindow::subend_Click)
        ->setObjectName(QStringLiteral("subend"));
    menuBar()
        ->addAction(QStringLiteral("&Print Screen to JPG / Image"), this,
                    [this] { Save_Form_As_JPG(*this, QStringLiteral("Vorn"), 100, true, st_); })
        ->setObjectName(QStringLiteral("PrtSc"));
    menuBar()
        ->addAction(QStringLiteral("Print Flow Sheet for Customer"), this,
                    [this] { Print_Flow_Sheet(sheet_, st_, currentPrintInputs(st_.graph)); })
        ->setObjectName(QStringLiteral("Print_Sheet"));
}

QWidget *SheetWindow::makeCell(int id, QWidget *parent, QRect geometry)
{
    const CellLayout &layout = sheet_.layout();
    const auto array = S::Array(layout.arrayOf(id));
    const int index = layout.indexOf(id);
    QWidget *w = views_->add(id, sheetCellRules(array, index), parent, geometry);
    auto *edit = qobject_cast<CellLineEdit *>(w);
    if (!edit)
        return w;
    switch (edit->rules().extra) {
    case ExtraRule::LiftCopy:
        edit->setExtraRule(
            [this, index](CellLineEdit &cell) { sheet_.setCell(S::Text108, index, cell.text()); });
        break;
    case ExtraRule::IntakeValveCount:
        edit->setExtraRule([this, id](CellLineEdit &) {
            valveCount(id, QStringLiteral("Number of Intake Valves Must be 1 to 4"));
        });
        break;
    case ExtraRule::ExhaustValveCount:
        edit->setExtraRule([this, id](CellLineEdit &) {
            valveCount(id, QStringLiteral("Number of Exhaust Valves Must be 1 to 4"));
        });
        break;
    case ExtraRule::None:
    case ExtraRule::EstimatorLimit:
        break;
    }
    return w;
}

void SheetWindow::placePageOne(QWidget *central)
{
    const CellLayout &layout = sheet_.layout();
    for (int array = S::Text101; array <= S::Text115; ++array) {
        for (int index = 0; index < Rows; ++index) {
            const int id = layout.id(array, index);
            const CellInfo &info = layout.info(id);
            int column = array - S::Text101;
            // Row 9 shows the exhaust 0.25D lift where the other rows show
            // Text104.
            if (index == 9 && array == S::Text103)
                column = S::Text104 - S::Text101;
            const QRect geometry(columnX(column), rowY(index), CellWidth, RowHeight);
            if (info.kind == CellKind::Blank) {
                if (info.backColor == 0xFFFFFF)
                    continue;
                // A blank cell with a colour of its own shows as a plain block.
                auto *block = new QFrame(central);
                block->setAutoFillBackground(true);
                QPalette palette = block->palette();
                palette.setColor(QPalette::Window, rgbColor(info.backColor));
                block->setPalette(palette);
                block->setGeometry(geometry);
                continue;
            }
            makeCell(id, central, geometry);
        }
    }

    for (const HelpMark &m : helpMarks) {
        auto *mark = new QLabel(central);
        mark->setObjectName(QStringLiteral("Label2_%1").arg(&m - helpMarks));
        mark->setAutoFillBackground(true);
        QPalette palette = mark->palette();
        palette.setColor(QPalette::Window, Qt::red);
        mark->setPalette(palette);
        const QWidget *cell = cellWidget(m.array, m.index);
        mark->setGeometry(cell->geometry().right() - MarkWidth + 1, cell->y(), MarkWidth,
                          RowHeight);
        mark->raise();
    }

    nextPage_ = new WrappedButton(
        QStringLiteral(
            "For Valve Seat Dimensions, Swirl, and Floating Depression Entry Next Page (2)"),
        central);
    nextPage_->setObjectName(QStringLiteral("NextPage"));
    nextPage_->setGeometry(columnX(12) + 4, rowY(0) + 2, 3 * CellWidth - 8, 6 * RowHeight - 4);
    connect(nextPage_, &QPushButton::clicked, this, &SheetWindow::NextPage_Click);

    const int buttonWidth = 120;
    help_ = new HoverHelpLine(
        st_.ui, central,
        QRect(Margin, BandTop, WindowWidth - 2 * Margin - 2 * buttonWidth - 16, BandHeight));

    command1_ = new QPushButton(QStringLiteral("&Calculate"), central);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setGeometry(WindowWidth - Margin - 2 * buttonWidth - 8, BandTop + 10, buttonWidth,
                           RowHeight * 2);
    connect(command1_, &QPushButton::clicked, this, &SheetWindow::Command1_Click);
    sort_ = new QPushButton(QStringLiteral("Sort Data"), central);
    sort_->setObjectName(QStringLiteral("Sort"));
    sort_->setGeometry(WindowWidth - Margin - buttonWidth, BandTop + 10, buttonWidth,
                       RowHeight * 2);
    connect(sort_, &QPushButton::clicked, this, &SheetWindow::Sort_Click);

    makeCell(sheet_.id(S::Text39, CellLayout::Single), central,
             QRect(Margin, PathTop, WindowWidth - 2 * Margin, RowHeight));

    // Everything on page 1 that page 2 lies over.
    const QRect pageTwoArea(columnX(PageTwoColumn), 0, WindowWidth, BandTop);
    for (QObject *child : central->children()) {
        auto *w = qobject_cast<QWidget *>(child);
        if (w && pageTwoArea.intersects(w->geometry()))
            covered_.push_back(w);
    }
}

void SheetWindow::placePageTwo()
{
    frame1_ = new QFrame(central_);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setAutoFillBackground(true);
    QPalette palette = frame1_->palette();
    palette.setColor(QPalette::Window, Qt::white);
    frame1_->setPalette(palette);
    const int left = columnX(PageTwoColumn);
    frame1_->setGeometry(left, 0, WindowWidth - left, BandTop - 2);

    const CellLayout &layout = sheet_.layout();
    auto x = [](int column) { return column * CellWidth; };
    for (size_t column = 0; column < std::size(pageTwoColumns); ++column) {
        const S::Array array = pageTwoColumns[column];
        for (int index = 3; index < Rows; ++index) {
            const int id = layout.id(array, index);
            if (id < 0 || layout.info(id).kind == CellKind::Blank)
                continue;
            makeCell(id, frame1_, QRect(x(int(column)), rowY(index), CellWidth, RowHeight));
        }
    }

    auto *label38 = new QLabel(QStringLiteral("Comments:"), frame1_);
    label38->setObjectName(QStringLiteral("Label38"));
    label38->setGeometry(x(4), rowY(0), 2 * CellWidth, RowHeight);
    makeCell(sheet_.id(S::Text38, CellLayout::Single), frame1_,
             QRect(x(4), rowY(1), 7 * CellWidth, 11 * RowHeight));

    exit_ = new QPushButton(QStringLiteral("E&xit Page 2"), frame1_);
    exit_->setObjectName(QStringLiteral("Exit"));
    exit_->setGeometry(x(0) + 4, rowY(8), 3 * CellWidth - 8, 2 * RowHeight);
    connect(exit_, &QPushButton::clicked, this, &SheetWindow::Exit_Click);
    frame1_->hide();
}

void SheetWindow::setupHover()
{
    help_->background(central_);
    help_->background(frame1_);
    help_->shows(command1_, QStringLiteral("Help_Calculate"));
    help_->shows(sort_, QStringLiteral("Help_Sort"));
    for (const HelpMark &m : helpMarks)
        help_->shows(cellWidget(m.array, m.index), QString::fromLatin1(m.help));
    for (S::Array a :
         {S::Text104, S::Text105, S::Text106, S::Text107, S::Text108, S::Text109, S::Text110}) {
        for (int index = 0; index < Rows; ++index) {
            QWidget *cell = cellWidget(a, index);
            if (cell && !help_->isShown(cell))
                help_->hides(cell);
        }
    }
}

void SheetWindow::setupTabChain()
{
    const CellLayout &layout = sheet_.layout();
    std::vector<std::pair<int, QWidget *>> chain;
    for (int id = 0; id < layout.cellCount(); ++id)
        if (layout.info(id).tabStop && views_->widget(id))
            chain.emplace_back(layout.info(id).tabOrder, views_->widget(id));
    std::sort(chain.begin(), chain.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    for (size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1].second, chain[i].second);
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
    for (QWidget *w : covered_)
        w->setVisible(!two);
    frame1_->setVisible(two);
    if (two)
        frame1_->raise();
}

void SheetWindow::focusCell(Flow_Test_Sheet::Array array, int index)
{
    if (QWidget *w = cellWidget(array, index))
        w->setFocus(Qt::OtherFocusReason);
}

void SheetWindow::valveCount(int id, const QString &message)
{
    const double count = tryParseNumber(sheet_.text(id), st_.numbers.localeDecimal)
                             .value_or(0.0); // no number counts as 0
    if (count < 1.0 || count > 4.0) {
        st_.platform.message(message);
        if (QWidget *w = views_->widget(id); w && w->isVisible())
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
