#include "painted_cell.h"

#include "cell_widgets.h"
#include "model/app_state.h"
#include "model/cell_model.h"
#include "program_style.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QHash>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>
#include <vector>

namespace zyt {

namespace {

// A line editor keeps its text this far from its contents' edges.
constexpr int HorizontalMargin = 2;

// The smallest font a text is made smaller to.
constexpr double SmallestPoints = 4.0;

// The text laid out in the font, as a line editor would show it. The cells
// of a window hold many equal texts in equal fonts, and a copy of a laid-out
// text shares its layout, so each is laid out once for all of them.
QStaticText laidOut(const QString &text, const QFont &font)
{
    // By font, found by comparison: a window's cells use a few fonts, and a
    // font's key or hash costs as much as a short text's layout.
    static std::vector<std::pair<QFont, QHash<QString, QStaticText>>> made;
    auto fontsTexts = std::find_if(made.begin(), made.end(),
                                   [&font](const auto &entry) { return entry.first == font; });
    if (fontsTexts == made.end()) {
        if (made.size() >= 64)
            made.clear();
        made.emplace_back(font, QHash<QString, QStaticText>());
        fontsTexts = made.end() - 1;
    }
    QHash<QString, QStaticText> &texts = fontsTexts->second;
    if (const auto found = texts.constFind(text); found != texts.cend())
        return *found;
    QStaticText laid(text);
    laid.setTextFormat(Qt::PlainText);
    laid.prepare(QTransform(), font);
    if (texts.size() >= 4096)
        texts.clear();
    texts.insert(text, laid);
    return laid;
}

void initPanel(QStyleOptionFrame &panel, const QWidget &cell, bool readOnly)
{
    panel.initFrom(&cell);
    panel.rect = cell.contentsRect();
    panel.lineWidth = cell.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &panel, &cell);
    panel.midLineWidth = 0;
    panel.state |= QStyle::State_Sunken;
    if (readOnly)
        panel.state |= QStyle::State_ReadOnly;
    panel.features = QStyleOptionFrame::None;
}

// The width a line editor takes for a text of that advance: one more
// pixel, for its caret.
int neededWidth(qreal advance) { return int(std::lround(advance)) + 1; }

int neededWidth(const QString &text, const QFont &font)
{
    return neededWidth(QFontMetricsF(font).horizontalAdvance(text));
}

QFont withSize(QFont font, double points)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(points);
    else
        font.setPixelSize(std::max(1, int(std::lround(points))));
    return font;
}

double sizeOf(const QFont &font)
{
    return font.pointSizeF() > 0 ? font.pointSizeF() : double(font.pixelSize());
}

} // namespace

PaintedCell::PaintedCell(CellModel &model, int id, AppState &st, const CellRules &rules,
                         QWidget *parent)
    : QWidget(parent), model_(model), id_(id), st_(st), rules_(rules)
{
    setFocusPolicy(Qt::ClickFocus);
    // Free text may be dropped in, as into its editor.
    const CellInfo &info = model.layout().info(id);
    setAcceptDrops(!info.numeric && rules.filter == KeyFilter::None);
}

bool PaintedCell::suits(const CellInfo &info, const CellRules &rules)
{
    const bool shown = info.kind == CellKind::Label || info.kind == CellKind::Header ||
                       info.kind == CellKind::Result;
    return shown && info.readOnly && !info.tabStop && !info.multiline && !rules.selectOnFocus &&
           rules.filter == KeyFilter::None && rules.check == FocusCheck::None &&
           rules.extra == ExtraRule::None;
}

QString PaintedCell::text() const { return model_.text(id_); }

void PaintedCell::setAlignment(Qt::Alignment alignment)
{
    if (alignment_ == alignment)
        return;
    alignment_ = alignment;
    if (editor_)
        editor_->setAlignment(alignment);
    update();
}

void PaintedCell::setReadOnly(bool readOnly)
{
    if (readOnly_ != readOnly || !testAttribute(Qt::WA_SetCursor)) {
        if (readOnly)
            unsetCursor();
        else
            setCursor(Qt::IBeamCursor);
    }
    readOnly_ = readOnly;
    if (editor_)
        editor_->setReadOnly(readOnly);
    update();
}

void PaintedCell::setExtraRule(std::function<void(CellLineEdit &)> rule)
{
    extra_ = std::move(rule);
    if (editor_)
        editor_->setExtraRule(extra_);
}

void PaintedCell::setTextMargins(const QMargins &margins)
{
    if (margins_ == margins)
        return;
    margins_ = margins;
    fittedValid_ = false;
    if (editor_)
        editor_->setTextMargins(margins);
    update();
}

void PaintedCell::refresh()
{
    fittedValid_ = false;
    if (editor_)
        editor_->refresh();
    update();
}

QRect PaintedCell::lineArea() const
{
    QStyleOptionFrame panel;
    initPanel(panel, *this, readOnly_);
    const QRect r =
        style()->subElementRect(QStyle::SE_LineEditContents, &panel, this).marginsRemoved(margins_);
    return r.adjusted(HorizontalMargin, 0, -HorizontalMargin, 0);
}

void PaintedCell::layText() const
{
    if (fittedValid_)
        return;
    fittedValid_ = true;
    fitted_ = font();
    const QString t = text();
    shown_ = laidOut(t, fitted_);
    needed_ = t.isEmpty() ? 0 : neededWidth(shown_.size().width());
    const int room = lineArea().width();
    if (needed_ <= room || room <= 0)
        return;
    // Smaller until it fits: first in proportion, then step by step.
    double size = std::max(SmallestPoints, sizeOf(fitted_) * room / needed_);
    while (size > SmallestPoints && neededWidth(t, withSize(fitted_, size)) > room)
        size = std::max(SmallestPoints, size - std::max(0.25, size * 0.04));
    fitted_ = withSize(fitted_, size);
    shown_ = laidOut(t, fitted_);
    needed_ = neededWidth(shown_.size().width());
}

QFont PaintedCell::textFont() const
{
    layText();
    return fitted_;
}

QRect PaintedCell::textRect() const
{
    const QRect area = lineArea();
    const int height = QFontMetrics(textFont()).height();
    return {area.x(), area.y() + (area.height() - height + 1) / 2, area.width(), height};
}

void PaintedCell::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QStyleOptionFrame panel;
    initPanel(panel, *this, readOnly_);
    if (qobject_cast<const ProgramStyle *>(style()))
        style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &p, this);
    else
        drawLineEditPanel(*style(), panel, p, this);
    if (editor_ || model_.text(id_).isEmpty())
        return;

    // Placed as a line editor places a text that fits.
    layText();
    const QRect line = textRect();
    p.setClipRect(lineArea().adjusted(-HorizontalMargin, 0, HorizontalMargin, 0));
    int scroll = 0;
    if (needed_ <= line.width()) {
        switch (alignment_ & Qt::AlignHorizontal_Mask) {
        case Qt::AlignRight:
            scroll = needed_ - line.width() + 1;
            break;
        case Qt::AlignHCenter:
            scroll = (needed_ - line.width()) / 2;
            break;
        default:
            break;
        }
    }
    p.setFont(fitted_);
    p.setPen(palette().color(QPalette::Text));
    p.drawStaticText(QPoint(line.x() - scroll, line.y()), shown_);
}

CellLineEdit *PaintedCell::openEditor() { return makeEditor(Qt::OtherFocusReason); }

CellLineEdit *PaintedCell::makeEditor(Qt::FocusReason reason)
{
    if (editor_)
        return editor_;
    editor_ = new CellLineEdit(model_, id_, st_, rules_, this);
    editor_->setReadOnly(readOnly_);
    editor_->setAlignment(alignment_);
    editor_->setTextMargins(margins_);
    editor_->setFocusPolicy(focusPolicy());
    editor_->setMinimumSize(1, 1);
    if (extra_)
        editor_->setExtraRule(extra_);
    // A layout keeps it over the cell, whatever the cell's size.
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(editor_);
    // Placed now, not at the layout's next turn: a press that made it goes
    // on to it at once.
    layout->activate();
    // Tab reaches the editor where it reached the cell.
    QWidget::setTabOrder(this, editor_);
    editor_->show();
    // A cell that holds the focus hands it on for the reason it came by
    // (Tab, a click, the window becoming active...), which decides what the
    // editor selects; only then does the editor become its proxy, since a
    // proxy set while the cell holds the focus would move it on as though
    // the program had.
    if (QApplication::focusWidget() == this)
        editor_->setFocus(reason);
    setFocusProxy(editor_);
    update();
    return editor_;
}

void PaintedCell::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    makeEditor(event->reason());
}

void PaintedCell::mousePressEvent(QMouseEvent *event)
{
    // The press that brought the editor goes on to it, as the presses after
    // it do by themselves.
    // A line editor finds where its text starts only as it paints: painted
    // first, it puts the caret where the press was, as on a cell it showed.
    // The presses after this one land on the editor itself.
    openEditor()->repaint();
    forward(*event);
}

void PaintedCell::mouseMoveEvent(QMouseEvent *event) { forward(*event); }

void PaintedCell::mouseReleaseEvent(QMouseEvent *event) { forward(*event); }

void PaintedCell::contextMenuEvent(QContextMenuEvent *event)
{
    openEditor();
    forward(*event);
}

void PaintedCell::dragEnterEvent(QDragEnterEvent *event)
{
    // The drag's next move finds the editor and goes on there.
    if (!readOnly_)
        openEditor();
    event->ignore();
}

void PaintedCell::forward(const QEvent &event)
{
    if (!editor_)
        return;
    // The editor lies over the whole cell: the same place is the same point.
    const std::unique_ptr<QEvent> copy(event.clone());
    QCoreApplication::sendEvent(editor_, copy.get());
}

void PaintedCell::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        fittedValid_ = false;
        // A font the fitting gave the editor gives way to the cell's new one.
        if (editor_ && event->type() == QEvent::FontChange && editor_->font() != font())
            editor_->setFont(font());
    }
    QWidget::changeEvent(event);
}

void PaintedCell::resizeEvent(QResizeEvent *event)
{
    fittedValid_ = false;
    QWidget::resizeEvent(event);
}

} // namespace zyt
