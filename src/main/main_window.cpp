#include "main_window.h"

#include "calc/app_state.h"
#include "program.h"
#include "sheet/cell_widgets.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

namespace zyt {

namespace {

using M = Main_Model;

constexpr int Margin = 8;
constexpr int ButtonHeight = 28;
constexpr int WindowWidth = 1200;
constexpr int EstimatorTop = 2 * ButtonHeight + 3 * Margin + 26;
constexpr int CellHeight = 24;

// The estimator's columns and rows, from its layout in twips (15 to a pixel).
constexpr int columnLeft[] = {0, 1848, 3664, 5297, 6880, 8712, 10543, 12375, 13950, 15210, 16470};
constexpr int rowTop[] = {58, 409, 780, 1111, 1462, 1800, 2164, 2567, 2970, 7430};
constexpr int Twips = 15;

int columnX(int column) { return Margin + columnLeft[column] / Twips; }
int columnWidth(int column)
{
    if (column + 1 < int(std::size(columnLeft)))
        return std::min(124, (columnLeft[column + 1] - columnLeft[column]) / Twips - 4);
    return 1100 / Twips;
}
int rowY(int row) { return EstimatorTop + rowTop[row] / Twips; }

constexpr int PanelTop = EstimatorTop + 2970 / Twips + CellHeight + 50;
constexpr int HelpTop = EstimatorTop + 7875 / Twips + ButtonHeight + Margin;
constexpr int CommentsTop = HelpTop + 48;
constexpr int WindowHeight = CommentsTop + 64 + Margin;

} // namespace

void Fill_Main_Help_Texts(AppState &st)
{
    QHash<QString, QString> &h = st.Help_Texts;
    h.insert(QStringLiteral("Help_PrtSc"),
             QStringLiteral("Clicking this button causes the program to Do a Print Screen of This "
                            "Form to a file as a JPG."));
    h.insert(QStringLiteral("Help_Load"),
             QStringLiteral("Clicking this button causes the program to let you Load a "
                            "previously Saved Test."));
    h.insert(QStringLiteral("Help_Save"),
             QStringLiteral("Clicking this button causes the program to let you Save this Flow "
                            "Test to a File."));
}

Main_Window::Main_Window(Program &program)
    : program_(program), st_(program.st), model_(program.main)
{
    setObjectName(QStringLiteral("Main"));
    QFont font = this->font();
    font.setPointSizeF(8.0);
    setFont(font);
    central_ = new QWidget(this);
    central_->setObjectName(QStringLiteral("Background"));
    central_->setMouseTracking(true);
    central_->installEventFilter(this);
    setCentralWidget(central_);
    views_ = new CellViews(model_, st_, this);

    buildMenus();
    buildButtons(central_);
    buildEstimator(central_);
    buildPreloads(central_);

    label7_ = new QLabel(central_);
    label7_->setObjectName(QStringLiteral("Label7"));
    label7_->setWordWrap(true);
    label7_->setAutoFillBackground(true);
    QPalette palette = label7_->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 0));
    palette.setColor(QPalette::WindowText, Qt::black);
    label7_->setPalette(palette);
    label7_->setGeometry(Margin, HelpTop, WindowWidth - 2 * Margin, 40);
    label7_->hide();

    views_->add(model_.layout().id(M::Text38, M::Single), CellRules{}, central_,
                QRect(Margin, CommentsTop, WindowWidth - 2 * Margin, 64));

    setFixedSize(WindowWidth, WindowHeight + menuBar()->sizeHint().height());
}

QWidget *Main_Window::cellWidget(Main_Model::Array array, int index) const
{
    const int id = model_.layout().id(array, index);
    return id < 0 ? nullptr : views_->widget(id);
}

void Main_Window::focusCell(Main_Model::Array array, int index)
{
    if (QWidget *w = cellWidget(array, index))
        w->setFocus(Qt::OtherFocusReason);
}

QAction *Main_Window::action(const QString &name) const { return findChild<QAction *>(name); }

void Main_Window::setActionEnabled(const QString &name, bool enabled)
{
    if (QAction *a = action(name))
        a->setEnabled(enabled);
}

void Main_Window::disableFitting()
{
    setActionEnabled(QStringLiteral("FullScrRes"), false);
    setActionEnabled(QStringLiteral("AspectRatio"), false);
}

void Main_Window::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File"));
    file->addAction(QStringLiteral("Set Mouse Pointer to Standard Arrow"), this,
                    [this] { program_.MouseP_Click(); })
        ->setObjectName(QStringLiteral("MouseP"));
    file->addAction(QStringLiteral("E&xit"), this, [this] { program_.Exit_Click(); })
        ->setObjectName(QStringLiteral("Exit"));

    QMenu *view = menuBar()->addMenu(QStringLiteral("View"));
    view->setObjectName(QStringLiteral("View"));
    view->addAction(QStringLiteral("Sh&ow Screen Resolution"), this,
                    [this] { program_.ScrRes_Click(); })
        ->setObjectName(QStringLiteral("ScrRes"));
    view->addAction(QStringLiteral("Use Full Screen Resolution"), this,
                    [this] { program_.FullScrRes_Click(); })
        ->setObjectName(QStringLiteral("FullScrRes"));
    view->addAction(QStringLiteral("Can Use Nonstandard Aspect Ratio for Graph"), this,
                    [this] { program_.AspectRatio_Click(); })
        ->setObjectName(QStringLiteral("AspectRatio"));

    menuBar()
        ->addAction(QStringLiteral("Setup Flow Data File Preloads"), this,
                    [this] { showPreloads(true); })
        ->setObjectName(QStringLiteral("Preload"));
}

void Main_Window::buildButtons(QWidget *central)
{
    const int width = (WindowWidth - 2 * Margin - 8 * 6) / 9;
    auto button = [&](const QString &name, const QString &caption, int column, int row) {
        auto *b = new QPushButton(caption, central);
        b->setObjectName(name);
        b->setGeometry(Margin + column * (width + 6), Margin + row * (ButtonHeight + Margin), width,
                       ButtonHeight);
        return b;
    };
    for (int k = 0; k < 5; ++k) {
        QPushButton *b = button(QStringLiteral("Command%1").arg(k + 1),
                                QStringLiteral("Flow Test %1").arg(k + 1), k, 0);
        connect(b, &QPushButton::clicked, this, [this, k] { program_.Open_Sheet(k); });
    }
    QPushButton *compare =
        button(QStringLiteral("Command50"), QStringLiteral("Compare 2 Flow Tests"), 5, 0);
    connect(compare, &QPushButton::clicked, this, [this] { program_.Command50_Click(); });
    hoverHelp(compare, QStringLiteral("Lets you Select and Compare any 2 of the Flow Tests."));
    QPushButton *report = button(QStringLiteral("Command33"), QStringLiteral("Text Report"), 6, 0);
    connect(report, &QPushButton::clicked, this, [this] { program_.Command33_Click(); });
    hoverHelp(report, QStringLiteral("Lets you Select which Flow Tests and  what items from these "
                                     "Flow Tests to show on a Text Report."));
    QPushButton *exhaust =
        button(QStringLiteral("Command11"), QStringLiteral("Exhaust Calculator"), 7, 0);
    hoverHelp(exhaust,
              QStringLiteral("Opens the Exhaust Tube Inner Diameter and Area Calculator."));

    QPushButton *load = button(QStringLiteral("Load_Data"), QStringLiteral("&Load Data"), 0, 1);
    connect(load, &QPushButton::clicked, this, [this] { program_.Load_Data_Click(); });
    hoverHelp(load, QStringLiteral("Help_Load"));
    QPushButton *save = button(QStringLiteral("Save_Data"), QStringLiteral("&Save Data"), 1, 1);
    connect(save, &QPushButton::clicked, this, [this] { program_.Save_Data_Click(); });
    hoverHelp(save, QStringLiteral("Help_Save"));

    // The print layout of the company information and the logo.
    const char *layouts[] = {"Left", "Center", "Right"};
    const int option = model_.layout().id(M::Option4, M::Single);
    for (int k = 0; k < 3; ++k) {
        auto *r = new QRadioButton(QString::fromLatin1(layouts[k]), central);
        r->setObjectName(QStringLiteral("Option4_%1").arg(k));
        r->setGeometry(Margin + 3 * (width + 6) + k * 80, Margin + ButtonHeight + Margin, 78,
                       ButtonHeight);
        r->setChecked(model_.text(option) == QString::number(k));
        connect(r, &QRadioButton::toggled, this, [this, option, k](bool on) {
            if (on)
                model_.setText(option, QString::number(k));
        });
        connect(&model_, &CellModel::cellChanged, r, [this, r, option, k](int id) {
            if (id == option)
                r->setChecked(model_.text(option) == QString::number(k));
        });
    }
}

void Main_Window::buildEstimator(QWidget *central)
{
    const CellLayout &layout = model_.layout();
    views_->add(layout.id(M::Text33, M::Single), CellRules{}, central,
                QRect(columnX(3), EstimatorTop - 26, columnX(10) + columnWidth(10) - columnX(3),
                      CellHeight));
    for (int array = M::Text101; array <= M::Text111; ++array) {
        const int column = array - M::Text101;
        for (int row = 0; row <= 9; ++row) {
            const int id = layout.id(array, row);
            if (id < 0 || layout.info(id).kind == CellKind::Blank)
                continue;
            views_->add(id, CellRules{}, central,
                        QRect(columnX(column), rowY(row), columnWidth(column), CellHeight));
        }
    }
    for (int k = 0; k < 3; ++k) {
        notes_[k] = new QLabel(central);
        notes_[k]->setObjectName(QStringLiteral("Label1_%1").arg(k));
        notes_[k]->setWordWrap(true);
        notes_[k]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    notes_[0]->setGeometry(columnX(0), PanelTop, columnX(4) - columnX(0) - 8, 60);
    notes_[1]->setGeometry(columnX(4), PanelTop, columnX(6) - columnX(4) - 8, 80);
    notes_[2]->setGeometry(columnX(6), PanelTop, columnX(10) - columnX(6), 80);
}

void Main_Window::setNotes()
{
    notes_[0]->setText(QStringLiteral(
        "This does assume you will install the appropriate cam. For details on the \"Peltrix\" "
        "Cam program Click Below."));
    notes_[1]->setText(QStringLiteral(
        "This is the port area limited power as set by the limiting port speed stated as the "
        "Mach Number where 1.0 is the speed of sound in air at 70 F."));
    notes_[2]->setText(QStringLiteral(
        "This is the HP capability of the engine assuming a Brake Specific Air Consumption of "
        "5.5 lbs/hour/HP. This is corrected for the CR Used.\nFor best results this number "
        "should be about 5% more than the port area/speed limitation in the adjacent column to "
        "the left."));
}

void Main_Window::buildPreloads(QWidget *central)
{
    frame4_ = new QFrame(central);
    frame4_->setObjectName(QStringLiteral("Frame4"));
    frame4_->setFrameShape(QFrame::Box);
    frame4_->setAutoFillBackground(true);
    frame4_->setGeometry(columnX(2), EstimatorTop + 20, 620, 260);
    auto *caption = new QLabel(QStringLiteral("Flow Test Preload Files"), frame4_);
    caption->setGeometry(10, 6, 400, 20);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    const CellLayout &layout = model_.layout();
    for (int k = 0; k < 5; ++k) {
        const int y = 32 + k * 32;
        auto *label = new QLabel(QStringLiteral("Flow Test #%1").arg(k + 1), frame4_);
        label->setObjectName(QStringLiteral("Label4_%1").arg(k));
        label->setGeometry(10, y, 90, 24);
        views_->add(layout.id(M::Text1, k), CellRules{}, frame4_, QRect(100, y, 360, 24));
        auto *get = new QPushButton(QStringLiteral("Get File Name"), frame4_);
        get->setObjectName(QStringLiteral("Command45_%1").arg(k));
        get->setGeometry(470, y, 130, 24);
        connect(get, &QPushButton::clicked, this, [this, k] { program_.Get_File_Name(k); });
        hoverHelp(get, QStringLiteral("Opens Window and lets USER Select Flow Data File Name."));
    }
    auto *note = new QLabel(QStringLiteral("NOTE: Whatever File Name you enter MUST be in the Same "
                                           "Folder as the ZYT Program"),
                            frame4_);
    note->setGeometry(10, 194, 600, 20);
    auto *loadDone = new QPushButton(QStringLiteral("&Load / Done"), frame4_);
    loadDone->setObjectName(QStringLiteral("Command46"));
    loadDone->setGeometry(100, 222, 160, 28);
    connect(loadDone, &QPushButton::clicked, this, [this] { program_.Load_Done_Click(); });
    hoverHelp(loadDone, QStringLiteral("When done Selecting Flow Data File Names, Clicking this "
                                       "will Load These Files before Closing This Window."));
    auto *done = new QPushButton(QStringLiteral("&Done"), frame4_);
    done->setObjectName(QStringLiteral("Command44"));
    done->setGeometry(300, 222, 160, 28);
    connect(done, &QPushButton::clicked, this, [this] { showPreloads(false); });
    hoverHelp(done, QStringLiteral("When done Selecting Flow Data File Names, Clicking this will "
                                   "Close This Window."));
    frame4_->hide();
}

void Main_Window::showPreloads(bool show)
{
    frame4_->setVisible(show);
    if (show)
        frame4_->raise();
}

void Main_Window::hoverHelp(QWidget *widget, const QString &text)
{
    widget->installEventFilter(this);
    hover_.emplace_back(widget, text);
}

bool Main_Window::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter) {
        for (const auto &[widget, text] : hover_) {
            if (widget == watched) {
                // A named text comes from the program's help texts.
                const QString shown = st_.Help_Texts.value(text, text);
                label7_->setText(
                    QString(shown).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
                label7_->show();
                break;
            }
        }
    } else if (event->type() == QEvent::MouseMove && watched == central_) {
        const auto *move = static_cast<QMouseEvent *>(event);
        if (!central_->childAt(move->position().toPoint()))
            label7_->hide();
    }
    return QMainWindow::eventFilter(watched, event);
}

void Main_Window::closeEvent(QCloseEvent *event)
{
    // Closing the main window is the program's exit.
    program_.Exit_Click();
    event->accept();
}

} // namespace zyt
