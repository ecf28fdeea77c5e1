#include "cell_widgets.h"

#include "calc/input_services.h"
#include "model/app_state.h"
#include "model/cell_model.h"
#include "painted_cell.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QStyleHints>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace zyt {

namespace {

bool checkRunning = false;

class LineEditBox final : public TextBox {
public:
    explicit LineEditBox(QLineEdit &edit) : edit_(edit) {}
    QString text() const override { return edit_.text(); }
    void setFocus() override
    {
        if (edit_.isVisible() && edit_.isEnabled())
            edit_.setFocus(Qt::OtherFocusReason);
    }
    void setSelection(int start, int length) override { edit_.setSelection(start, length); }

private:
    QLineEdit &edit_;
};

// Runs Select_All_Text as a cell gets the focus. A click keeps the caret
// where it was put; the mouse flag is also cleared here when no button is
// down, so a box that swallowed the release cannot leave it set.
void selectOnFocus(TextBox &box, UiState &ui, const QFocusEvent &event)
{
    if (event.reason() == Qt::ActiveWindowFocusReason || event.reason() == Qt::PopupFocusReason)
        return;
    if (QGuiApplication::mouseButtons() == Qt::NoButton)
        ui.Skip_Focus_Select = 0;
    const int saved = ui.Skip_Focus_Select;
    if (event.reason() == Qt::MouseFocusReason)
        ui.Skip_Focus_Select = 1;
    Select_All_Text(box, ui);
    ui.Skip_Focus_Select = saved;
}

bool isRealFocusMove(Qt::FocusReason reason)
{
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::MouseFocusReason || reason == Qt::OtherFocusReason;
}

} // namespace

bool focusCheckRunning() { return checkRunning; }

CellViews::CellViews(CellModel &model, AppState &st, QObject *parent)
    : QObject(parent), model_(model), st_(st)
{
    connect(&model_, &CellModel::cellChanged, this, &CellViews::cellChanged);
    connect(&model_, &CellModel::lookChanged, this, &CellViews::lookChanged);
}

QWidget *CellViews::add(int id, const CellRules &rules, QWidget *parent, const QRect &geometry)
{
    const CellLayout &layout = model_.layout();
    QWidget *w = nullptr;
    if (layout.info(id).kind == CellKind::Marker) {
        w = new QLabel(parent);
        w->setAutoFillBackground(true);
    } else if (layout.info(id).multiline) {
        w = new CellTextEdit(model_, id, st_, parent);
    } else if (painted_ == PaintedCells::All ||
               (painted_ == PaintedCells::ReadOnly && PaintedCell::suits(layout.info(id), rules))) {
        w = new PaintedCell(model_, id, st_, rules, parent);
    } else {
        w = new CellLineEdit(model_, id, st_, rules, parent);
    }
    const int index = layout.indexOf(id);
    const QString &name = layout.arrayName(layout.arrayOf(id));
    w->setObjectName(index == CellLayout::Single ? name : name + u'_' + QString::number(index));
    applyCellLook(*w, model_.look(id));
    w->setGeometry(geometry);
    if (widgets_.size() <= size_t(id))
        widgets_.resize(size_t(layout.cellCount()), nullptr);
    widgets_[size_t(id)] = w;
    return w;
}

void CellViews::cellChanged(int id)
{
    QWidget *w = widget(id);
    if (auto *edit = qobject_cast<CellLineEdit *>(w))
        edit->refresh();
    else if (auto *painted = qobject_cast<PaintedCell *>(w))
        painted->refresh();
    else if (auto *text = qobject_cast<CellTextEdit *>(w))
        text->refresh();
}

void CellViews::lookChanged(int id)
{
    if (QWidget *w = widget(id))
        applyCellLook(*w, model_.look(id));
}

QColor rgbColor(std::uint32_t rgb)
{
    return QColor(int(rgb >> 16) & 0xFF, int(rgb >> 8) & 0xFF, int(rgb) & 0xFF);
}

QPalette cellPalette(const QPalette &from, std::uint32_t back, std::uint32_t fore)
{
    // A window's cells come in a few colourings: each palette is made once
    // and shared, for as long as the palette they start from stays the same.
    struct Made {
        QPalette from;
        std::uint32_t back;
        std::uint32_t fore;
        QPalette palette;
    };
    static std::vector<Made> made;
    for (const Made &m : made)
        if (m.back == back && m.fore == fore && m.from == from)
            return m.palette;
    QPalette palette = from;
    palette.setColor(QPalette::Base, rgbColor(back));
    palette.setColor(QPalette::Window, rgbColor(back));
    palette.setColor(QPalette::Text, rgbColor(fore));
    if (made.size() >= 64)
        made.clear();
    made.push_back({from, back, fore, palette});
    return palette;
}

void applyCellLook(QWidget &cell, const CellLook &look)
{
    cell.setPalette(cellPalette(cell.palette(), look.backColor, look.foreColor));
    if (qobject_cast<QLabel *>(&cell))
        return; // a colour marker: nothing to type, no text
    cell.setFocusPolicy(look.tabStop ? Qt::StrongFocus : Qt::ClickFocus);

    QFont font = cell.parentWidget() ? cell.parentWidget()->font() : cell.font();
    if (!look.fontName.isEmpty())
        font.setFamily(look.fontName);
    if (look.fontSize > 0.0)
        font.setPointSizeF(look.fontSize);
    font.setBold(look.fontBold);
    font.setItalic(look.fontItalic);
    // Most cells show their window's font: setting it on each would only
    // cost the window's first show.
    if (font != cell.font())
        cell.setFont(font);

    const Qt::Alignment horizontal = look.alignment == 0   ? Qt::AlignLeft
                                     : look.alignment == 1 ? Qt::AlignRight
                                                           : Qt::AlignHCenter;
    if (auto *edit = qobject_cast<QLineEdit *>(&cell)) {
        edit->setReadOnly(look.readOnly);
        edit->setAlignment(horizontal | Qt::AlignVCenter);
    } else if (auto *painted = qobject_cast<PaintedCell *>(&cell)) {
        painted->setReadOnly(look.readOnly);
        painted->setAlignment(horizontal | Qt::AlignVCenter);
        if (QWidget *editor = painted->editor())
            editor->setFocusPolicy(cell.focusPolicy());
    } else if (auto *text = qobject_cast<QPlainTextEdit *>(&cell)) {
        text->setReadOnly(look.readOnly);
    }
}

int keyCode(const QKeyEvent &event)
{
    // Control with C, V or X is its control code, also where the platform
    // gives the key no character of its own. Shift+Insert, Shift+Delete and
    // Ctrl+Insert have none: they are no keys the filters see.
    if (event.modifiers() & Qt::ControlModifier) {
        switch (event.key()) {
        case Qt::Key_C:
            return 3;
        case Qt::Key_V:
            return 22;
        case Qt::Key_X:
            return 24;
        default:
            break;
        }
    }
    const QString text = event.text();
    if (text.isEmpty() || text.front() == QChar(127))
        return 0;
    return text.front().unicode();
}

CellLineEdit::CellLineEdit(CellModel &model, int id, AppState &st, const CellRules &rules,
                           QWidget *parent)
    : QLineEdit(parent), model_(model), id_(id), st_(st), rules_(rules),
      maxLength_(model.layout().info(id).maxLength)
{
    const CellInfo &info = model.layout().info(id);
    if (info.numeric || rules_.filter != KeyFilter::None) {
        setAttribute(Qt::WA_InputMethodEnabled, false);
        setAcceptDrops(false);
    }
    setText(model.text(id));
    setCursorPosition(0);
    connect(this, &QLineEdit::textEdited, this,
            [this](const QString &text) { model_.setText(id_, text); });
}

void CellLineEdit::refresh()
{
    const QString &text = model_.text(id_);
    if (QLineEdit::text() != text) {
        setText(text);
        setCursorPosition(0);
    }
}

int CellLineEdit::filterKey(const QString &text, int code) const
{
    switch (rules_.filter) {
    case KeyFilter::Integer:
        return Key_Integer(code, st_.platform);
    case KeyFilter::Decimal:
        return Key_Decimal(text, code, st_.numbers, st_.platform);
    case KeyFilter::Signed:
        return Key_Signed_Decimal(text, code, st_.numbers, st_.platform);
    case KeyFilter::None:
        break;
    }
    return code;
}

bool CellLineEdit::acceptsInsertion(const QString &inserted) const
{
    QString text = QLineEdit::text();
    qsizetype at = cursorPosition();
    if (hasSelectedText()) {
        at = selectionStart();
        text.remove(at, selectedText().size());
    }
    if (rules_.filter != KeyFilter::None) {
        for (const QChar c : inserted) {
            // A line break or tab the filter lets through as a key would
            // stay in the cell as a character.
            if (c.unicode() < 32) {
                st_.platform.beep();
                return false;
            }
            if (filterKey(text, c.unicode()) == 0)
                return false;
            text.insert(at++, c);
        }
    } else {
        text.insert(at, inserted);
    }
    if (maxLength_ > 0 && !inserted.isEmpty() && text.size() > maxLength_) {
        st_.platform.beep();
        return false;
    }
    return true;
}

void CellLineEdit::pasteChecked()
{
    // A locked cell refuses what its filter refuses, as it does a typed key,
    // and takes nothing else.
    if (acceptsInsertion(QGuiApplication::clipboard()->text()) && !isReadOnly())
        paste();
}

void CellLineEdit::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    if (!menu)
        return;
    // The menu's Paste goes through the cell's rules, as typing does. It is
    // known by what it is connected to, which no translation changes.
    for (QAction *action : menu->actions()) {
        if (disconnect(action, &QAction::triggered, this, &QLineEdit::paste) ||
            disconnect(action, SIGNAL(triggered()), this, SLOT(paste())) ||
            disconnect(action, SIGNAL(triggered(bool)), this, SLOT(paste())))
            connect(action, &QAction::triggered, this, &CellLineEdit::pasteChecked);
    }
    // The menu takes the release of the button that opened it.
    connect(menu, &QMenu::aboutToHide, this, [this] { st_.ui.Skip_Focus_Select = 0; });
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
    event->accept();
}

void CellLineEdit::keyPressEvent(QKeyEvent *event)
{
    int code = keyCode(*event);
    // A paste key without a character (Shift+Insert) pastes as the menu
    // does; a cut key (Shift+Delete) goes on to cut as the menu's Cut.
    if (code == 0 && event->matches(QKeySequence::Paste)) {
        pasteChecked();
        event->accept();
        return;
    }
    // The filter runs in a locked cell too: a refused key beeps there, and a
    // key it takes changes nothing.
    if (code != 0 && rules_.filter != KeyFilter::None) {
        code = filterKey(QLineEdit::text(), code);
        if (code == 0) {
            event->accept();
            return;
        }
    }
    // A cell with a length limit refuses a character beyond it; a text
    // longer than the limit may still come from a file.
    if (maxLength_ > 0 && code >= 32 && !isReadOnly() &&
        QLineEdit::text().size() - selectedText().size() >= maxLength_) {
        st_.platform.beep();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CellLineEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    hadFocus_ = true;
    if (rules_.selectOnFocus) {
        LineEditBox box(*this);
        selectOnFocus(box, st_.ui, *event);
    }
}

void CellLineEdit::selectAsFocused()
{
    if (!rules_.selectOnFocus)
        return;
    LineEditBox box(*this);
    Select_All_Text(box, st_.ui);
}

void CellLineEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // Qt tells a cell it lost the focus also when the focus is taken back
    // from it before it ever had it; only a cell that had it is checked.
    const bool had = std::exchange(hadFocus_, false);
    if (!had || checkRunning || !isRealFocusMove(event->reason()))
        return;
    if (rules_.check == FocusCheck::None && !extra_)
        return;
    checkRunning = true;
    LineEditBox box(*this);
    if (rules_.check == FocusCheck::NotEmpty)
        Check_Not_Empty(box, st_.ui, st_.platform);
    else if (rules_.check == FocusCheck::NotZero)
        Check_Not_Zero(box, st_.ui, st_.numbers, st_.platform);
    else if (rules_.check == FocusCheck::DashWhenEmpty && QLineEdit::text().isEmpty()) {
        // An emptied cell reads "not used" again and keeps the focus.
        model_.setText(id_, QStringLiteral("-"));
        box.setFocus();
    }
    if (extra_)
        extra_(*this);
    checkRunning = false;
}

void CellLineEdit::mousePressEvent(QMouseEvent *event)
{
    if (rules_.edited)
        st_.ui.Skip_Focus_Select = 1;
    QLineEdit::mousePressEvent(event);
}

void CellLineEdit::mouseReleaseEvent(QMouseEvent *event)
{
    if (rules_.edited)
        st_.ui.Skip_Focus_Select = 0;
    // The middle button pastes the X11 selection: the cell's rules first.
    const QClipboard *clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection() && !isReadOnly() &&
        !acceptsInsertion(clipboard->text(QClipboard::Selection))) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

namespace {

// `text` with every `from` line break made `to`, in one pass: replacing one
// length by another moved the rest of a long comment once for every line.
QString withBreaks(const QString &text, QStringView from, QStringView to)
{
    QString out;
    out.reserve(text.size() + text.size() / 8);
    qsizetype done = 0;
    for (qsizetype at = text.indexOf(from); at >= 0; at = text.indexOf(from, done)) {
        out.append(QStringView(text).mid(done, at - done)).append(to);
        done = at + from.size();
    }
    return out.append(QStringView(text).mid(done));
}

// The text as the model holds it, from the box's own characters: a line or
// paragraph separator is a CR LF line break, everything else (a
// non-breaking space among it) is kept. Qt's plain text would make that
// space a plain one.
QString modelText(QStringView shown)
{
    QString out;
    out.reserve(shown.size() + shown.size() / 8);
    qsizetype done = 0;
    for (qsizetype at = 0; at < shown.size(); ++at) {
        const char16_t c = shown[at].unicode();
        if (c != QChar::LineSeparator && c != QChar::ParagraphSeparator)
            continue;
        out.append(shown.mid(done, at - done)).append(u"\r\n");
        done = at + 1;
    }
    return out.append(shown.mid(done));
}

} // namespace

CellTextEdit::CellTextEdit(CellModel &model, int id, AppState &st, QWidget *parent)
    : QPlainTextEdit(parent), model_(model), id_(id), st_(st),
      maxLength_(model.layout().info(id).maxLength)
{
    setTabChangesFocus(true);
    // Lines run on as typed, the horizontal scroll bar showing the rest: a
    // wrapping box keeps its caret inside the box's width, so the end of a
    // word wider than the box (a serial number list, a path) could never be
    // reached, and breaking such a word freezes the box over a long one.
    setLineWrapMode(QPlainTextEdit::NoWrap);
    refresh();
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (updating_)
            return;
        const QString text = modelText(document()->toRawText());
        // The model's change comes back to refresh(); the box holds that
        // text already, and comparing it again would cost a pass over the
        // whole comment on every key.
        updating_ = true;
        model_.setText(id_, text);
        updating_ = false;
    });
}

namespace {

// A text editor pays for every paragraph it holds far more than for its
// letters: a comment of thousands of lines, a paragraph each, takes a frame
// and more to show. Runs of lines go into one paragraph, kept apart by line
// separators that show, edit, copy and read back as line breaks do; a run
// ends at 16 lines or some 2,000 letters, so that the paragraph laid out
// anew at each key stays short.
QString linesInRuns(QString text)
{
    constexpr int RunLines = 16;
    constexpr qsizetype RunLetters = 2000;
    int lines = 0;
    qsizetype runStart = 0;
    QChar *letters = text.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (letters[i] != u'\n')
            continue;
        if (++lines < RunLines && i - runStart < RunLetters) {
            letters[i] = QChar::LineSeparator;
        } else {
            lines = 0;
            runStart = i + 1;
        }
    }
    return text;
}

} // namespace

void CellTextEdit::refresh()
{
    if (updating_)
        return;
    const QString &text = model_.text(id_);
    if (modelText(document()->toRawText()) == text)
        return;
    updating_ = true;
    setPlainText(linesInRuns(withBreaks(text, u"\r\n", u"\n")));
    updating_ = false;
}

void CellTextEdit::mousePressEvent(QMouseEvent *event)
{
    const bool third =
        event->button() == Qt::LeftButton && doubleClicked_.isValid() &&
        !doubleClicked_.hasExpired(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    QPlainTextEdit::mousePressEvent(event);
    if (!third)
        return;
    doubleClicked_.invalidate();
    // A third click selects one line with its break, as it would were each
    // line a paragraph of its own.
    QTextCursor cursor = textCursor();
    const QTextBlock block = document()->findBlock(cursor.selectionStart());
    const int blockEnd = block.position() + block.length() - 1;
    if (cursor.selectionStart() != block.position() || cursor.selectionEnd() < blockEnd)
        return;
    const QString text = block.text();
    const qsizetype at =
        cursorForPosition(event->position().toPoint()).position() - block.position();
    const qsizetype start =
        at > 0 ? text.lastIndexOf(QChar::LineSeparator, at - 1) + 1 : qsizetype(0);
    const qsizetype end = text.indexOf(QChar::LineSeparator, at);
    const int selectionEnd = end < 0 ? cursor.selectionEnd() : block.position() + int(end) + 1;
    cursor.setPosition(block.position() + int(start));
    cursor.setPosition(selectionEnd, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

QMimeData *CellTextEdit::createMimeDataFromSelection() const
{
    // A copy carries the lines as the comments keep them, whichever runs
    // they are shown in.
    auto *copied = new QMimeData;
    copied->setText(modelText(textCursor().selectedText()));
    return copied;
}

void CellTextEdit::mouseDoubleClickEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        doubleClicked_.start();
}

bool CellTextEdit::roomFor(qsizetype inserted)
{
    if (maxLength_ <= 0 || inserted <= 0)
        return true;
    // A text longer than the limit may come from a file; it can shrink, not
    // grow.
    const QTextCursor cursor = textCursor();
    const qsizetype kept =
        document()->characterCount() - 1 - (cursor.selectionEnd() - cursor.selectionStart());
    if (kept + inserted <= maxLength_)
        return true;
    st_.platform.beep();
    return false;
}

void CellTextEdit::keyPressEvent(QKeyEvent *event)
{
    // A character or a line break adds to the text; other keys do not.
    const int code = keyCode(*event);
    if (!isReadOnly() && (code >= 32 || code == u'\r') && !roomFor(event->text().size())) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CellTextEdit::insertFromMimeData(const QMimeData *source)
{
    if (source && source->hasText() && !roomFor(source->text().size()))
        return;
    QPlainTextEdit::insertFromMimeData(source);
}

void CellTextEdit::inputMethodEvent(QInputMethodEvent *event)
{
    if (!isReadOnly() && !roomFor(event->commitString().size())) {
        event->accept();
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

} // namespace zyt
