#include "window_builder.h"

#include "cell_marks.h"
#include "cell_widgets.h"
#include "hover_help.h"
#include "model/app_state.h"
#include "model/cell_model.h"
#include "painted_cell.h"
#include "program_style.h"
#include "window_placement.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace zyt {

namespace {

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

QString controlName(const QString &name, int index)
{
    return index < 0 ? name : name + u'_' + QString::number(index);
}

void applyFont(QWidget &w, const ControlLook &look)
{
    if (look.fontName.isEmpty() && look.fontSize <= 0.0 && !look.bold)
        return;
    QFont font = w.font();
    if (!look.fontName.isEmpty())
        font.setFamily(look.fontName);
    if (look.fontSize > 0.0)
        font.setPointSizeF(look.fontSize);
    if (look.bold)
        font.setBold(true);
    w.setFont(font);
}

void applyLook(QWidget &w, const ControlDesign &c)
{
    const ControlLook &look = c.look;
    if (look.backColor || look.foreColor) {
        QPalette palette = w.palette();
        if (look.backColor)
            palette.setColor(QPalette::Window, rgbColor(*look.backColor));
        if (look.foreColor) {
            palette.setColor(QPalette::WindowText, rgbColor(*look.foreColor));
            palette.setColor(QPalette::ButtonText, rgbColor(*look.foreColor));
            palette.setColor(QPalette::Text, rgbColor(*look.foreColor));
        }
        w.setPalette(palette);
    }
    if (look.fill)
        w.setAutoFillBackground(true);
    // A frame's font is its caption's.
    if (c.kind != ControlKind::Frame)
        applyFont(w, look);
    if (auto *label = qobject_cast<QLabel *>(&w)) {
        if (look.wordWrap)
            label->setWordWrap(true);
        if (look.alignment)
            label->setAlignment(look.alignment);
    }
    if (look.box)
        if (auto *frame = qobject_cast<QFrame *>(&w))
            frame->setFrameShape(QFrame::Box);
}

// A control whose caption and check square follow its font as the screen
// fitting enlarges it, and whose caption is drawn whole.
void followFont(QWidget &control)
{
    if (control.style() != programStyle())
        control.setStyle(programStyle());
    keepDesignedFontSize(control);
}

// Calls `visit` with every entry of a menu tree.
template <typename Visit> void visitMenus(const std::vector<MenuDesign> &entries, Visit &&visit)
{
    for (const MenuDesign &e : entries) {
        visit(e);
        visitMenus(e.entries, visit);
    }
}

} // namespace

WindowBuilder::WindowBuilder(QMainWindow &window, const WindowDesign &design, CellModel &model,
                             AppState &st)
    : QObject(&window), window_(window), design_(design), model_(model), st_(st)
{
}

void WindowBuilder::on(const QString &name, std::function<void()> handler)
{
    handlers_.insert(name, [handler = std::move(handler)](int) { handler(); });
}

void WindowBuilder::onIndexed(const QString &name, std::function<void(int)> handler)
{
    handlers_.insert(name, std::move(handler));
}

void WindowBuilder::setCellRules(std::function<CellRules(int, int)> rules)
{
    rules_ = std::move(rules);
}

void WindowBuilder::onExtraRule(ExtraRule rule, std::function<void(CellLineEdit &)> check)
{
    extraRules_.insert(int(rule), std::move(check));
}

void WindowBuilder::makeWith(const QString &name, std::function<QWidget *(QWidget *)> make)
{
    makers_.insert(name, std::move(make));
}

void WindowBuilder::build()
{
    if (built_)
        return;
    built_ = true;
    if (!design_.name.isEmpty())
        window_.setObjectName(design_.name);
    if (design_.fontSize > 0.0) {
        QFont font = window_.font();
        font.setPointSizeF(design_.fontSize);
        window_.setFont(font);
    }
    // The controls lie on a background that scrolls when the screen has
    // no room for the whole window.
    background_ = new QWidget;
    background_->setObjectName(QStringLiteral("Background"));
    makeScrollable(window_, background_, design_.size);
    background_->setAutoFillBackground(design_.fillBackground);
    keepOnScreen(window_, st_.platform);
    views_ = new CellViews(model_, st_, &window_);
    views_->setPaintedCells(design_.paintedCells);

    addMenus(window_.menuBar(), design_.menuBar);
    made_.reserve(design_.controls.size());
    makeControls();
    attachHover(0, 0);
    chainTabs();

    setContentSize(window_, design_.size, st_.platform.screen);
}

void WindowBuilder::deferFrame(const QString &frame) { deferred_.insert(frame); }

void WindowBuilder::buildFrame(const QString &frame)
{
    if (builtFrames_.contains(frame))
        return;
    builtFrames_.insert(frame);
    if (!built_)
        return; // the build makes it with the rest
    const size_t from = made_.size();
    const size_t fromCell = madeCells_.size();
    makeControls();
    attachHover(from, fromCell);
    chainTabs();
}

bool WindowBuilder::isDeferred(const QString &parent) const
{
    // A frame waits while it, or a frame it lies on, waits.
    QString frame = parent;
    while (!frame.isEmpty()) {
        if (deferred_.contains(frame) && !builtFrames_.contains(frame))
            return true;
        const auto it = std::find_if(design_.controls.begin(), design_.controls.end(),
                                     [&frame](const ControlDesign &c) {
                                         return c.kind == ControlKind::Frame && c.name == frame;
                                     });
        frame = it == design_.controls.end() ? QString() : it->parent;
    }
    return false;
}

void WindowBuilder::makeControls()
{
    madeControl_.resize(design_.controls.size(), false);
    const size_t from = made_.size();
    const size_t fromCell = madeCells_.size();
    for (size_t k = 0; k < design_.controls.size(); ++k) {
        const ControlDesign &c = design_.controls[k];
        const QString &parent =
            c.kind == ControlKind::CellGrid ? design_.grids[size_t(c.grid)].parent : c.parent;
        if (madeControl_[k] || isDeferred(parent))
            continue;
        madeControl_[k] = true;
        if (QWidget *w = make(c)) {
            made_.emplace_back(&c, w);
            if (c.look.hidden)
                w->hide();
        }
    }
    clearMarks(from, fromCell);
}

void WindowBuilder::clearMarks(size_t from, size_t fromCell)
{
    // The marks made now, by the cells made so far.
    const CellLayout &layout = model_.layout();
    std::vector<QWidget *> marks;
    for (size_t k = from; k < made_.size(); ++k)
        if (made_[k].first->look.mark)
            marks.push_back(made_[k].second);
    for (size_t k = fromCell; k < madeCells_.size(); ++k)
        if (layout.info(madeCells_[k]).kind == CellKind::Marker)
            marks.push_back(views_->widget(madeCells_[k]));
    if (marks.empty())
        return;
    std::vector<QWidget *> cells;
    for (const int id : madeCells_)
        if (layout.info(id).kind != CellKind::Marker && !layout.info(id).multiline)
            cells.push_back(views_->widget(id));
    keepTextClearOfMarks(cells, marks);
}

void WindowBuilder::addMenus(QWidget *bar, const std::vector<MenuDesign> &entries)
{
    auto *menuBar = qobject_cast<QMenuBar *>(bar);
    auto *menu = qobject_cast<QMenu *>(bar);
    for (const MenuDesign &e : entries) {
        switch (e.kind) {
        case MenuDesign::Kind::Command: {
            QAction *a = menuBar ? menuBar->addAction(e.caption) : menu->addAction(e.caption);
            a->setObjectName(e.name);
            a->setEnabled(e.enabled);
            a->setCheckable(e.checkable);
            a->setChecked(e.checked);
            connect(a, &QAction::triggered, this, [this, name = e.name] { run(name, -1); });
            actions_.insert(e.name, a);
            break;
        }
        case MenuDesign::Kind::Menu: {
            QMenu *sub = menuBar ? menuBar->addMenu(e.caption) : menu->addMenu(e.caption);
            sub->setObjectName(e.name);
            sub->setEnabled(e.enabled);
            addMenus(sub, e.entries);
            break;
        }
        case MenuDesign::Kind::Separator: {
            QAction *a = menuBar ? menuBar->addSeparator() : menu->addSeparator();
            a->setObjectName(e.name);
            break;
        }
        }
    }
}

QWidget *WindowBuilder::parentOf(const QString &frame) const
{
    if (frame.isEmpty())
        return background_;
    QWidget *parent = widgets_.value(frame);
    // A design naming a frame it has not made yet is a fault of the program.
    if (!parent)
        qFatal("%s: no frame %s before the controls on it", qPrintable(design_.name),
               qPrintable(frame));
    return parent;
}

QWidget *WindowBuilder::make(const ControlDesign &c)
{
    QWidget *parent = parentOf(c.parent);
    QWidget *w = nullptr;
    if (auto maker = makers_.constFind(c.name); maker != makers_.cend()) {
        w = (*maker)(parent);
    } else {
        switch (c.kind) {
        case ControlKind::Button:
            w = new QPushButton(c.caption, parent);
            break;
        case ControlKind::WrappedButton:
            w = new WrappedButton(c.caption, parent);
            break;
        case ControlKind::Label:
        case ControlKind::Picture:
            w = new QLabel(c.caption, parent);
            break;
        case ControlKind::CheckBox:
            w = new QCheckBox(c.caption, parent);
            break;
        case ControlKind::OptionButton:
            w = new QRadioButton(c.caption, parent);
            break;
        case ControlKind::Frame:
            w = new QFrame(parent);
            break;
        case ControlKind::ComboBox: {
            auto *combo = new QComboBox(parent);
            combo->addItems(c.items);
            w = combo;
            break;
        }
        case ControlKind::TextBox: {
            auto *box = new QPlainTextEdit(c.caption, parent);
            box->setReadOnly(true);
            w = box;
            break;
        }
        case ControlKind::Cell:
            return makeCell(c.cell.array, c.cell.index, parent, c.geometry);
        case ControlKind::CellGrid:
            makeGrid(design_.grids[size_t(c.grid)]);
            return nullptr;
        case ControlKind::HelpLine:
            help_ = new HoverHelpLine(st_.ui, parent, c.geometry);
            widgets_.insert(c.name, help_->label());
            return help_->label();
        }
    }
    if (!c.name.isEmpty()) {
        const QString name = controlName(c.name, c.index);
        w->setObjectName(name);
        widgets_.insert(name, w);
    }
    w->setGeometry(c.geometry);
    applyLook(*w, c);

    switch (c.kind) {
    case ControlKind::Button:
    case ControlKind::WrappedButton:
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            connect(button, &QAbstractButton::clicked, this, [this, &c] { run(c.name, c.index); });
        followFont(*w);
        break;
    case ControlKind::CheckBox:
        if (auto *check = qobject_cast<QCheckBox *>(w))
            bindCheckBox(check, c);
        followFont(*w);
        break;
    case ControlKind::OptionButton:
        if (auto *option = qobject_cast<QRadioButton *>(w))
            bindOption(option, c);
        followFont(*w);
        break;
    case ControlKind::ComboBox:
        if (auto *combo = qobject_cast<QComboBox *>(w))
            connect(combo, &QComboBox::activated, this,
                    [this, &c](int item) { run(c.name, item); });
        break;
    case ControlKind::Frame:
        if (!c.caption.isEmpty()) {
            auto *caption = new QLabel(c.caption, w);
            caption->setGeometry(10, 6, c.geometry.width() - 20, 20);
            applyFont(*caption, c.look);
        }
        break;
    default:
        break;
    }
    return w;
}

QWidget *WindowBuilder::makeCell(int array, int index, QWidget *parent, const QRect &geometry)
{
    const int id = model_.checkedId(array, index);
    const CellRules rules = rules_ ? rules_(array, index) : CellRules{};
    QWidget *w = views_->add(id, rules, parent, geometry);
    madeCells_.push_back(id);
    if (auto rule = extraRules_.constFind(int(rules.extra));
        rules.extra != ExtraRule::None && rule != extraRules_.cend()) {
        if (auto *edit = qobject_cast<CellLineEdit *>(w))
            edit->setExtraRule(*rule);
        else if (auto *painted = qobject_cast<PaintedCell *>(w))
            painted->setExtraRule(*rule);
    }
    return w;
}

void WindowBuilder::makeGrid(const CellGridDesign &grid)
{
    const CellLayout &layout = model_.layout();
    QWidget *parent = parentOf(grid.parent);
    for (size_t column = 0; column < grid.columns.size(); ++column) {
        const int array = grid.columns[column].array;
        for (size_t row = 0; row < grid.rowTops.size(); ++row) {
            const int index = grid.firstRow + int(row);
            const int id = layout.id(array, index);
            if (id < 0)
                continue;
            const GridColumn *place = &grid.columns[column];
            for (const CellGridDesign::Moved &m : grid.moved)
                if (m.cell.array == array && m.cell.index == index)
                    place = &grid.columns[size_t(m.column)];
            const QRect geometry(place->x, grid.rowTops[row], place->width, grid.rowHeight);
            const CellInfo &info = layout.info(id);
            if (info.kind != CellKind::Blank) {
                makeCell(array, index, parent, geometry);
            } else if (info.backColor != 0xFFFFFF) {
                // A blank cell with a colour of its own shows as a plain block.
                auto *block = new QFrame(parent);
                block->setAutoFillBackground(true);
                QPalette palette = block->palette();
                palette.setColor(QPalette::Window, rgbColor(info.backColor));
                block->setPalette(palette);
                block->setGeometry(geometry);
            }
        }
    }
}

void WindowBuilder::bindCheckBox(QCheckBox *check, const ControlDesign &c)
{
    if (c.cell.array < 0) {
        connect(check, &QCheckBox::clicked, this, [this, &c] { run(c.name, c.index); });
        return;
    }
    const int id = model_.checkedId(c.cell.array, c.cell.index);
    check->setAutoFillBackground(true);
    QPalette palette = check->palette();
    palette.setColor(QPalette::Window, rgbColor(model_.look(id).backColor));
    check->setPalette(palette);
    check->setChecked(model_.text(id) == u"1");
    // The user's click sets the cell first, so the handler reads the new value.
    connect(check, &QCheckBox::clicked, this, [this, &c, id](bool on) {
        model_.setText(id, on ? QStringLiteral("1") : QStringLiteral("0"));
        run(c.name, c.index);
    });
    connect(&model_, &CellModel::cellChanged, check, [this, check, id](int changed) {
        if (changed == id)
            check->setChecked(model_.text(id) == u"1");
    });
}

void WindowBuilder::bindOption(QRadioButton *radio, const ControlDesign &c)
{
    // The options of one name are one group, wherever they lie.
    QButtonGroup *&group = groups_[c.name];
    if (!group)
        group = new QButtonGroup(this);
    group->addButton(radio);
    connect(radio, &QRadioButton::clicked, this, [this, &c] { run(c.name, c.index); });
    if (c.cell.array < 0)
        return;
    const int id = model_.checkedId(c.cell.array, c.cell.index);
    const QString value = QString::number(c.index);
    radio->setChecked(model_.text(id) == value);
    connect(radio, &QRadioButton::toggled, this, [this, id, value](bool on) {
        if (on)
            model_.setText(id, value);
    });
    connect(&model_, &CellModel::cellChanged, radio, [this, radio, id, value](int changed) {
        if (changed == id)
            radio->setChecked(model_.text(id) == value);
    });
}

void WindowBuilder::attachHover(size_t from, size_t fromCell)
{
    if (!help_)
        return;
    if (from == 0)
        help_->background(background_);
    for (size_t k = from; k < made_.size(); ++k) {
        const auto &[c, w] = made_[k];
        if (c->hover == Hover::Show) {
            help_->shows(w, c->help);
        } else if (c->hover == Hover::Hide) {
            // Over a frame the line hides as over the window's background.
            if (c->kind == ControlKind::Frame)
                help_->background(w);
            else
                help_->hides(w);
        }
    }
    if (design_.cellHover.empty())
        return;
    const CellLayout &layout = model_.layout();
    for (size_t k = fromCell; k < madeCells_.size(); ++k) {
        const int id = madeCells_[k];
        QWidget *w = views_->widget(id);
        const HoverHelp h = cellHover(design_, layout.arrayOf(id), layout.indexOf(id));
        if (h.action == Hover::Show)
            help_->shows(w, h.help);
        else if (h.action == Hover::Hide)
            help_->hides(w);
    }
}

void WindowBuilder::chainTabs()
{
    const CellLayout &layout = model_.layout();
    std::vector<std::pair<int, QWidget *>> chain;
    for (int id = 0; id < layout.cellCount(); ++id)
        if (layout.info(id).tabStop && layout.info(id).tabOrder >= 0 && views_->widget(id))
            chain.emplace_back(layout.info(id).tabOrder, views_->widget(id));
    std::sort(chain.begin(), chain.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    for (size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1].second, chain[i].second);
}

void WindowBuilder::run(const QString &name, int index) const
{
    if (auto handler = handlers_.constFind(name); handler != handlers_.cend())
        (*handler)(index);
}

QWidget *WindowBuilder::widget(QStringView name, int index) const
{
    if (QWidget *w = widgets_.value(controlName(name.toString(), index)))
        return w;
    if (!views_)
        return nullptr;
    const int id = model_.find(name, index);
    return id < 0 ? nullptr : views_->widget(id);
}

QWidget *WindowBuilder::cellWidget(int id) const { return views_ ? views_->widget(id) : nullptr; }

QStringList WindowBuilder::handlersWithoutControl() const
{
    QSet<QString> names;
    for (const ControlDesign &c : design_.controls)
        names.insert(c.name);
    visitMenus(design_.menuBar, [&names](const MenuDesign &e) { names.insert(e.name); });
    QStringList missing;
    for (auto it = handlers_.cbegin(); it != handlers_.cend(); ++it)
        if (!names.contains(it.key()))
            missing << it.key();
    missing.sort();
    return missing;
}

} // namespace zyt
