#include "main_window.h"

#include "calc/input_services.h"
#include "company_file.h"
#include "estimator.h"
#include "estimator_rules.h"
#include "fonts_alignment.h"
#include "graph_options.h"
#include "gui_file.h"
#include "help_menu.h"
#include "model/app_state.h"
#include "printer_choice.h"
#include "program.h"
#include "report/save_form_as_jpg.h"
#include "widgets/cell_widgets.h"
#include "widgets/hover_help.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

namespace zyt {

namespace {

using M = MainModel;

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

void fillMainHelpTexts(UiState &ui)
{
    QHash<QString, QString> &h = ui.Help_Texts;
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

MainWindow::MainWindow(Program &program) : program_(program), st_(program.st), model_(program.main)
{
    setObjectName(QStringLiteral("Main"));
    QFont font = this->font();
    font.setPointSizeF(8.0);
    setFont(font);
    central_ = new QWidget(this);
    central_->setObjectName(QStringLiteral("Background"));
    setCentralWidget(central_);
    views_ = new CellViews(model_, st_, this);
    help_ =
        new HoverHelpLine(st_.ui, central_, QRect(Margin, HelpTop, WindowWidth - 2 * Margin, 40));
    help_->background(central_);

    buildMenus();
    buildButtons(central_);
    buildEstimator(central_);
    buildPreloads(central_);
    buildCompany(central_);
    buildPrinters(central_);
    buildSettingsMenus();

    views_->add(model_.layout().id(M::Text38, M::Single), CellRules{}, central_,
                QRect(Margin, CommentsTop, WindowWidth - 2 * Margin, 64));

    setFixedSize(WindowWidth, WindowHeight + menuBar()->sizeHint().height());
}

QLabel *MainWindow::helpLine() const { return help_->label(); }

QWidget *MainWindow::cellWidget(MainModel::Array array, int index) const
{
    const int id = model_.layout().id(array, index);
    return id < 0 ? nullptr : views_->widget(id);
}

void MainWindow::focusCell(MainModel::Array array, int index)
{
    if (QWidget *w = cellWidget(array, index))
        w->setFocus(Qt::OtherFocusReason);
}

QAction *MainWindow::action(const QString &name) const { return findChild<QAction *>(name); }

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

void MainWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File"));
    file->addAction(QStringLiteral("Set Mouse Pointer to Standard Arrow"), this,
                    [this] { program_.MouseP_Click(); })
        ->setObjectName(QStringLiteral("MouseP"));
    QMenu *gui = file->addMenu(QStringLiteral("User Selectable Entry GUI Options"));
    gui->setObjectName(QStringLiteral("User_GUI"));
    auto settings = [this](void (*command)(Models &, AppState &)) {
        return [this, command] { command(program_.models(), st_); };
    };
    gui->addAction(QStringLiteral("Select Font for All Text Main Screen"), this,
                   settings(AllFont_Click))
        ->setObjectName(QStringLiteral("AllFont"));
    gui->addAction(QStringLiteral("Select Font for Just Entry Text Main Screen"), this,
                   settings(EntryFont_Click))
        ->setObjectName(QStringLiteral("EntryFont"));
    gui->addAction(QStringLiteral("Select Font for All Text Flow Screen"), this,
                   settings(AllFont_Flow_Click))
        ->setObjectName(QStringLiteral("AllFont_Flow"));
    gui->addAction(QStringLiteral("Select Font for Just Entry Text Flow Screen"), this,
                   settings(EntryFont_Flow_Click))
        ->setObjectName(QStringLiteral("EntryFont_Flow"));
    QMenu *alignment = gui->addMenu(QStringLiteral("Select Alignment for All Text"));
    alignment->setObjectName(QStringLiteral("EntryAlig"));
    alignment
        ->addAction(QStringLiteral("Set Alignment for Flush Left"), this, settings(AligLeft_Click))
        ->setObjectName(QStringLiteral("AligLeft"));
    alignment
        ->addAction(QStringLiteral("Set Alignment for Center"), this, settings(AligCenter_Click))
        ->setObjectName(QStringLiteral("AligCenter"));
    alignment
        ->addAction(QStringLiteral("Set Alignment for Flush Right"), this,
                    settings(AligRight_Click))
        ->setObjectName(QStringLiteral("AligRight"));
    file->addSeparator()->setObjectName(QStringLiteral("SepBar2"));
    file->addAction(QStringLiteral("Read (Open) GUI File"), this, settings(Read_GUI_Click))
        ->setObjectName(QStringLiteral("Read_GUI"));
    file->addAction(QStringLiteral("Write (Save) GUI File"), this, settings(Write_GUI_Click))
        ->setObjectName(QStringLiteral("Write_GUI"));
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

void MainWindow::buildButtons(QWidget *central)
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
        connect(b, &QPushButton::clicked, this, [this, k] { program_.openSheet(k); });
    }
    QPushButton *compare =
        button(QStringLiteral("Command50"), QStringLiteral("Compare 2 Flow Tests"), 5, 0);
    connect(compare, &QPushButton::clicked, this, [this] { program_.Command50_Click(); });
    help_->shows(compare, QStringLiteral("Lets you Select and Compare any 2 of the Flow Tests."));
    QPushButton *report = button(QStringLiteral("Command33"), QStringLiteral("Text Report"), 6, 0);
    connect(report, &QPushButton::clicked, this, [this] { program_.Command33_Click(); });
    help_->shows(report,
                 QStringLiteral("Lets you Select which Flow Tests and  what items from these "
                                "Flow Tests to show on a Text Report."));
    QPushButton *exhaust =
        button(QStringLiteral("Command11"), QStringLiteral("Exhaust Calculator"), 7, 0);
    help_->shows(exhaust,
                 QStringLiteral("Opens the Exhaust Tube Inner Diameter and Area Calculator."));
    QPushButton *capture =
        button(QStringLiteral("Command6"), QStringLiteral("PrtSc as &JPG"), 8, 0);
    connect(capture, &QPushButton::clicked, this, [this] {
        st_.ui.Capture_Caller = QStringLiteral("Main");
        Save_Form_As_JPG(*this, QStringLiteral("Vorn"), 100, true, st_);
        st_.ui.Capture_Caller.clear();
    });
    help_->shows(capture, QStringLiteral("Help_PrtSc"));

    QPushButton *load = button(QStringLiteral("Load_Data"), QStringLiteral("&Load Data"), 0, 1);
    connect(load, &QPushButton::clicked, this, [this] { program_.Load_Data_Click(); });
    help_->shows(load, QStringLiteral("Help_Load"));
    QPushButton *save = button(QStringLiteral("Save_Data"), QStringLiteral("&Save Data"), 1, 1);
    connect(save, &QPushButton::clicked, this, [this] { program_.Save_Data_Click(); });
    help_->shows(save, QStringLiteral("Help_Save"));

    makeCheckBox(
        M::Check2, QStringLiteral("Metric"), central,
        QRect(Margin + 6 * (width + 6), Margin + ButtonHeight + Margin, width, ButtonHeight));
    help_->shows(checkBox(M::Check2), QStringLiteral("Main_Check2"));
    QPushButton *sound =
        button(QStringLiteral("Command49"), QStringLiteral("Play \"WAV\" Sound File"), 8, 1);
    connect(sound, &QPushButton::clicked, this,
            [this] { Command49_Click(st_.files, st_.platform); });
    help_->shows(sound, QStringLiteral("Help_Play_Wav"));

    // The print layout of the company information and the logo.
    const char *layouts[] = {"Left", "Center", "Right"};
    const int option = model_.layout().id(M::Option4, M::Single);
    for (int k = 0; k < 3; ++k) {
        auto *r = new QRadioButton(QString::fromLatin1(layouts[k]), central);
        r->setObjectName(QStringLiteral("Option4_%1").arg(k));
        r->setGeometry(Margin + 3 * (width + 6) + k * 80, Margin + ButtonHeight + Margin, 78,
                       ButtonHeight);
        r->setChecked(model_.text(option) == QString::number(k));
        help_->shows(r, mainHoverHelp(u"Option4", k).help);
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

void MainWindow::buildEstimator(QWidget *central)
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
            const auto a = M::Array(array);
            QWidget *w =
                views_->add(id, mainCellRules(a, row), central,
                            QRect(columnX(column), rowY(row), columnWidth(column), CellHeight));
            auto *edit = qobject_cast<CellLineEdit *>(w);
            if (edit && edit->rules().extra == ExtraRule::EstimatorLimit) {
                edit->setExtraRule([this, row](CellLineEdit &cell) {
                    if (estimatorLimitCheck(row, cell.text(), st_.numbers, st_.platform))
                        cell.setFocus(Qt::OtherFocusReason);
                });
            }
            estimatorHover(w, a, row);
        }
    }

    // The colour markers beside the value cells, and their legends.
    struct Mark {
        int index;
        M::Array array;
        int row;
    };
    const Mark marks[] = {{0, M::Text101, 3}, {1, M::Text101, 8}, {2, M::Text103, 3},
                          {3, M::Text103, 8}, {4, M::Text104, 3}, {5, M::Text105, 3},
                          {6, M::Text111, 3}, {7, M::Text109, 3}, {11, M::Text103, 3}};
    for (const Mark &m : marks) {
        const int column = m.array - M::Text101;
        // The red marker stands just inside the cell beside the blue one.
        const int x = columnX(column) + columnWidth(column) - (m.index == 11 ? 5 : 0);
        views_->add(layout.id(M::Label2, m.index), CellRules{}, central,
                    QRect(x, rowY(m.row) + 4, 4, CellHeight - 8));
    }
    const int legendTop = rowY(9) - 3 * CellHeight;
    views_->add(layout.id(M::Label2, 8), CellRules{}, central,
                QRect(columnX(6), legendTop, 10, 14));
    views_->add(layout.id(M::Label2, 9), CellRules{}, central,
                QRect(columnX(6) + 12, legendTop, 10, 14));
    auto *input = new QLabel(QStringLiteral("= Input Field"), central);
    input->setGeometry(columnX(6) + 28, legendTop - 3, 300, 20);
    views_->add(layout.id(M::Label2, 12), CellRules{}, central,
                QRect(columnX(6), legendTop + 22, 10, 14));
    views_->add(layout.id(M::Label2, 13), CellRules{}, central,
                QRect(columnX(6) + 12, legendTop + 22, 10, 14));
    auto *more = new QLabel(
        QStringLiteral("= Placing the Mouse on this field will show additional Information"),
        central);
    more->setGeometry(columnX(6) + 28, legendTop + 19, 480, 20);

    // The two "User" boxes over row 0 of their columns.
    makeCheckBox(M::Check1, QStringLiteral("User"), central,
                 QRect(columnX(0), rowY(0), columnWidth(0), CellHeight));
    help_->shows(checkBox(M::Check1), QStringLiteral("Main_Check1"));
    makeCheckBox(M::Check3, QStringLiteral("User"), central,
                 QRect(columnX(8), rowY(0), columnWidth(8), CellHeight));
    help_->shows(checkBox(M::Check3), QStringLiteral("Main_Check3"));

    auto command = [&](const QString &name, const QString &caption, QRect geometry,
                       const std::function<void()> &action) {
        auto *b = new QPushButton(caption, central);
        b->setObjectName(name);
        b->setGeometry(geometry);
        connect(b, &QPushButton::clicked, this, action);
        help_->shows(b, QStringLiteral("Main_") + name);
        return b;
    };
    command(QStringLiteral("Command51"), QStringLiteral("Calculate"),
            QRect(Margin + 90 / Twips, EstimatorTop + 3465 / Twips, 110, ButtonHeight),
            [this] { Command51_Click(model_, st_.numbers, st_.platform); });
    const int calculatorTop = EstimatorTop + 7875 / Twips;
    command(QStringLiteral("Command7"), QStringLiteral("Calculate cc's"),
            QRect(Margin + 900 / Twips, calculatorTop, 130, ButtonHeight),
            [this] { Command7_Click(model_, st_.numbers); });
    command(QStringLiteral("Command8"), QStringLiteral("Calculate Length"),
            QRect(Margin + 4095 / Twips, calculatorTop, 130, ButtonHeight),
            [this] { Command8_Click(model_, st_.numbers); });
    command(QStringLiteral("Command9"), QStringLiteral("Calculate Area"),
            QRect(Margin + 7650 / Twips, calculatorTop, 130, ButtonHeight),
            [this] { Command9_Click(model_, st_.numbers); });

    for (int k = 0; k < 3; ++k) {
        notes_[k] = new QLabel(central);
        notes_[k]->setObjectName(QStringLiteral("Label1_%1").arg(k));
        notes_[k]->setWordWrap(true);
        notes_[k]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    notes_[0]->setGeometry(columnX(0), PanelTop, columnX(4) - columnX(0) - 8, 40);
    notes_[1]->setGeometry(columnX(4), PanelTop, columnX(6) - columnX(4) - 8, 80);
    notes_[2]->setGeometry(columnX(6), PanelTop, columnX(10) - columnX(6), 70);
    auto *peltrix = new QPushButton(QStringLiteral("Peltrix Cams"), central);
    peltrix->setObjectName(QStringLiteral("Command10"));
    peltrix->setGeometry(columnX(0), PanelTop + 44, 130, ButtonHeight);
    connect(peltrix, &QPushButton::clicked, this, [this] { Command10_Click(st_.platform); });
}

QCheckBox *MainWindow::makeCheckBox(MainModel::Array box, const QString &caption, QWidget *parent,
                                    const QRect &geometry)
{
    const int id = model_.layout().id(box, M::Single);
    auto *check = new QCheckBox(caption, parent);
    check->setObjectName(model_.layout().arrayName(box));
    check->setGeometry(geometry);
    check->setAutoFillBackground(true);
    QPalette palette = check->palette();
    const std::uint32_t back = model_.look(id).backColor;
    palette.setColor(QPalette::Window,
                     QColor(int(back >> 16) & 0xFF, int(back >> 8) & 0xFF, int(back) & 0xFF));
    check->setPalette(palette);
    check->setChecked(model_.text(id) == u"1");
    // The user's click sets the box's cell; "Metric" also converts every
    // window, which the main data file does for itself when it sets the box.
    connect(check, &QCheckBox::clicked, this, [this, id, box](bool on) {
        model_.setText(id, on ? QStringLiteral("1") : QStringLiteral("0"));
        if (box == M::Check2)
            program_.Check2_Click();
    });
    connect(&model_, &CellModel::cellChanged, check, [this, check, id](int changed) {
        if (changed == id)
            check->setChecked(model_.text(id) == u"1");
    });
    return check;
}

QCheckBox *MainWindow::checkBox(MainModel::Array box) const
{
    return findChild<QCheckBox *>(model_.layout().arrayName(box));
}

void MainWindow::estimatorHover(QWidget *cell, MainModel::Array array, int index)
{
    const HoverHelp h = mainHoverHelp(model_.layout().arrayName(array), index);
    if (h.action == Hover::Show) {
        help_->shows(cell, h.help);
    } else if (h.action == Hover::Hide) {
        help_->hides(cell);
    }
}

void MainWindow::setNotes()
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

void MainWindow::buildPreloads(QWidget *central)
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
        connect(get, &QPushButton::clicked, this, [this, k] { program_.Command45_Click(k); });
        help_->shows(get, QStringLiteral("Opens Window and lets USER Select Flow Data File Name."));
    }
    auto *note = new QLabel(QStringLiteral("NOTE: Whatever File Name you enter MUST be in the Same "
                                           "Folder as the ZYT Program"),
                            frame4_);
    note->setGeometry(10, 194, 600, 20);
    auto *loadDone = new QPushButton(QStringLiteral("&Load / Done"), frame4_);
    loadDone->setObjectName(QStringLiteral("Command46"));
    loadDone->setGeometry(100, 222, 160, 28);
    connect(loadDone, &QPushButton::clicked, this, [this] { program_.Command46_Click(); });
    help_->shows(loadDone, QStringLiteral("When done Selecting Flow Data File Names, Clicking this "
                                          "will Load These Files before Closing This Window."));
    auto *done = new QPushButton(QStringLiteral("&Done"), frame4_);
    done->setObjectName(QStringLiteral("Command44"));
    done->setGeometry(300, 222, 160, 28);
    connect(done, &QPushButton::clicked, this, [this] { showPreloads(false); });
    help_->shows(done,
                 QStringLiteral("When done Selecting Flow Data File Names, Clicking this will "
                                "Close This Window."));
    frame4_->hide();
}

void MainWindow::buildCompany(QWidget *central)
{
    frame96_ = new QFrame(central);
    frame96_->setObjectName(QStringLiteral("Frame96"));
    frame96_->setFrameShape(QFrame::Box);
    frame96_->setAutoFillBackground(true);
    frame96_->setGeometry(columnX(3), EstimatorTop + 20, 560, 250);
    auto *caption = new QLabel(QStringLiteral("Company Information"), frame96_);
    caption->setGeometry(10, 6, 400, 20);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    const char *labels[] = {"Company Name", "Street Address", "City, State, Zip",
                            "Phone, Fax, Email", "WebSite"};
    const M::Array fields[] = {M::Text94, M::Text95, M::Text96, M::Text97, M::Text98};
    for (int k = 0; k < 5; ++k) {
        const int y = 32 + k * 34;
        auto *label = new QLabel(QString::fromLatin1(labels[k]), frame96_);
        label->setObjectName(QStringLiteral("Label96_%1").arg(k));
        label->setGeometry(10, y, 120, 24);
        views_->add(model_.layout().id(fields[k], M::Single), CellRules{}, frame96_,
                    QRect(130, y, 410, 24));
    }
    auto *save = new QPushButton(QStringLiteral("Save"), frame96_);
    save->setObjectName(QStringLiteral("Save_Co_Name"));
    save->setGeometry(130, 206, 120, 28);
    connect(save, &QPushButton::clicked, this, [this] { Save_Co_Name_Click(model_, st_); });
    auto *exit = new QPushButton(QStringLiteral("Exit"), frame96_);
    exit->setObjectName(QStringLiteral("Command95"));
    exit->setGeometry(280, 206, 120, 28);
    connect(exit, &QPushButton::clicked, frame96_, &QWidget::hide);
    frame96_->hide();
}

void MainWindow::buildPrinters(QWidget *central)
{
    frame99_ = new QFrame(central);
    frame99_->setObjectName(QStringLiteral("Frame99"));
    frame99_->setFrameShape(QFrame::Box);
    frame99_->setAutoFillBackground(true);
    frame99_->setGeometry(columnX(3), EstimatorTop + 20, 560, 120);
    auto *caption = new QLabel(
        QStringLiteral("Select Which Printer / Device Driver to Use - Then Click OK"), frame99_);
    caption->setGeometry(10, 6, 540, 20);
    printers_ = new QComboBox(frame99_);
    printers_->setObjectName(QStringLiteral("Combo1"));
    printers_->setGeometry(10, 36, 540, 26);
    connect(printers_, &QComboBox::textActivated, this,
            [this](const QString &name) { Combo1_Click(name, st_.print); });
    auto *ok = new QPushButton(QStringLiteral("&O K"), frame99_);
    ok->setObjectName(QStringLiteral("Got_Printer"));
    ok->setGeometry(220, 76, 120, 28);
    connect(ok, &QPushButton::clicked, this, [this] {
        Got_Printer_Click(st_.print, st_.platform);
        frame99_->hide();
    });
    frame99_->hide();
}

void MainWindow::showPrinters()
{
    const PrinterList list = Load_Printer_Info_Click(st_.print, st_.platform);
    printers_->clear();
    printers_->addItems(list.Combo1);
    printers_->setCurrentText(list.Printer_Name);
    frame99_->show();
    frame99_->raise();
}

void MainWindow::buildSettingsMenus()
{
    QMenu *company = menuBar()->addMenu(QStringLiteral("Company Info"));
    company->setObjectName(QStringLiteral("Comp_Info"));
    company
        ->addAction(QStringLiteral("Enter Your Company Name, Address, etc"), this,
                    [this] {
                        frame96_->show();
                        frame96_->raise();
                    })
        ->setObjectName(QStringLiteral("Co_Name"));
    company
        ->addAction(QStringLiteral("Load Company Name, Address, etc, Data"), this,
                    [this] { Load_Co_Name_Click(model_, st_); })
        ->setObjectName(QStringLiteral("Load_Co_Name"));

    QMenu *print = menuBar()->addMenu(QStringLiteral("Print"));
    print->setObjectName(QStringLiteral("Print"));
    print
        ->addAction(QStringLiteral("Select Which Printer to Use"), this, [this] { showPrinters(); })
        ->setObjectName(QStringLiteral("Load_Printer_Info"));

    QMenu *graph = menuBar()->addMenu(QStringLiteral("Graph Options"));
    graph->setObjectName(QStringLiteral("Graph_Options"));
    auto graphCommand = [this](void (*command)(GraphWindowState &, AppState &, ProgramHooks &)) {
        return [this, command] { command(program_.graph, st_, program_); };
    };
    auto gridStyle = [this](void (*command)(GraphWindowState &, GraphSettings &, ProgramHooks &)) {
        return [this, command] { command(program_.graph, st_.graph, program_); };
    };
    graph
        ->addAction(QStringLiteral("Select Font Color for Use on Graphs"), this,
                    graphCommand(FontColor_Click))
        ->setObjectName(QStringLiteral("FontColor"));
    graph
        ->addAction(QStringLiteral("Select Grid Line Color for Use on Graphs"), this,
                    [this] { Grid_Color_Click(st_, program_); })
        ->setObjectName(QStringLiteral("Grid_Color"));
    QMenu *style = graph->addMenu(QStringLiteral("Select Graph Grid Line Style"));
    style->setObjectName(QStringLiteral("GridLineStyle"));
    style->addAction(QStringLiteral("Set Grid Lines as Long"), this, gridStyle(Grid_Long_Click))
        ->setObjectName(QStringLiteral("Grid_Long"));
    style->addAction(QStringLiteral("Set Grid Lines as Dash"), this, gridStyle(Grid_Dash_Click))
        ->setObjectName(QStringLiteral("Grid_Dash"));
    style->addAction(QStringLiteral("Set Grid Lines as Dot"), this, gridStyle(Grid_Dot_Click))
        ->setObjectName(QStringLiteral("Grid_Dot"));
    style->addAction(QStringLiteral("Set NO Grid Lines"), this, gridStyle(Grid_None_Click))
        ->setObjectName(QStringLiteral("Grid_None"));

    QMenu *help = menuBar()->addMenu(QStringLiteral("Help (EMAIL Customer Support)"));
    help->setObjectName(QStringLiteral("Help"));
    help->addAction(QStringLiteral("EMAIL - Customer Support - Report Problem"), this,
                    [this] { Report_Problem_Click(st_.platform); })
        ->setObjectName(QStringLiteral("Report_Problem"));
    help->addAction(QStringLiteral("EMAIL - Customer Support - Information Request"), this,
                    [this] { Information_Request_Click(st_.platform); })
        ->setObjectName(QStringLiteral("Information_Request"));
    menuBar()
        ->addAction(QStringLiteral("&About"), this, [this] { About_Click(st_.ui, st_.platform); })
        ->setObjectName(QStringLiteral("About"));
}

void MainWindow::showPreloads(bool show)
{
    frame4_->setVisible(show);
    if (show)
        frame4_->raise();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Closing the main window is the program's exit.
    program_.Exit_Click();
    event->accept();
}

} // namespace zyt
