#pragma once

#include "model/cell_rules.h"
#include "model/window_design.h"

#include <QColor>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <functional>
#include <vector>

namespace zyt {

struct AppState;
class CellModel;
struct CellLook;

// One text cell of a window: shows the model's text, writes what the user
// types straight back, and runs the cell's key filter, focus selection and
// focus-loss check.
class CellLineEdit : public QLineEdit {
    Q_OBJECT

public:
    CellLineEdit(CellModel &model, int id, AppState &st, const CellRules &rules,
                 QWidget *parent = nullptr);

    int cellId() const { return id_; }
    const CellRules &rules() const { return rules_; }
    // Runs after the cell's check when the focus leaves it.
    void setExtraRule(std::function<void(CellLineEdit &)> rule) { extra_ = std::move(rule); }
    // Shows the model's text.
    void refresh();
    // Selects as the cell's focus selection would. A cell given the focus
    // while its window is not active yet gets it only as the window becomes
    // active, and that focus selects nothing.
    void selectAsFocused();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    // The key filter's answer for one character typed into `text`: the
    // character, or 0 when refused (the filter beeps).
    int filterKey(const QString &text, int code) const;
    // True when the cell's rules take every character of `inserted` put in
    // place of the selection, as if typed; a refusal beeps once.
    bool acceptsInsertion(const QString &inserted) const;
    void pasteChecked();

    CellModel &model_;
    int id_;
    AppState &st_;
    CellRules rules_;
    int maxLength_ = 0;
    bool hadFocus_ = false;
    std::function<void(CellLineEdit &)> extra_;
};

// The multi-line comments cell; the model keeps CR LF line breaks. Getting
// the focus selects nothing, so no key can replace the whole comment.
class CellTextEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    CellTextEdit(CellModel &model, int id, AppState &st, QWidget *parent = nullptr);
    void refresh();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    // Typing, pasting, dropping and input methods keep to the cell's length.
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    QMimeData *createMimeDataFromSelection() const override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    // True when `inserted` characters fit in place of the selection; beeps
    // when they do not.
    bool roomFor(qsizetype inserted);

    CellModel &model_;
    int id_;
    AppState &st_;
    int maxLength_ = 0; // characters, a line break one; no limit when 0
    bool updating_ = false;
    QElapsedTimer doubleClicked_;
};

// The widgets that show a window's cells: made on demand, each kept in step
// with its cell's text and look.
class CellViews : public QObject {
    Q_OBJECT

public:
    CellViews(CellModel &model, AppState &st, QObject *parent = nullptr);

    // A multi-line cell becomes a text editor; a one-line cell is painted
    // until used where the window asks for that, else it becomes a line
    // editor.
    QWidget *add(int id, const CellRules &rules, QWidget *parent, const QRect &geometry);
    void setPaintedCells(PaintedCells painted) { painted_ = painted; }
    // nullptr for a cell without a widget.
    QWidget *widget(int id) const
    {
        return size_t(id) < widgets_.size() ? widgets_[size_t(id)] : nullptr;
    }

private:
    void cellChanged(int id);
    void lookChanged(int id);

    CellModel &model_;
    AppState &st_;
    std::vector<QWidget *> widgets_;
    PaintedCells painted_ = PaintedCells::None;
};

// A designed colour (0xRRGGBB) as Qt's.
QColor rgbColor(std::uint32_t rgb);

// `from` with a cell's background and text colours (0xRRGGBB).
QPalette cellPalette(const QPalette &from, std::uint32_t back, std::uint32_t fore);

// Shows a cell's look on its widget: colours, read-only state, whether Tab
// stops on it, font and alignment.
void applyCellLook(QWidget &cell, const CellLook &look);

// The character code of a key press as the filters know it: copy, paste and
// cut are 3, 22 and 24; a key without a character (arrows, Delete, function
// keys) is 0.
int keyCode(const QKeyEvent &event);

// True while a focus check runs, so the focus moves it makes do not start
// other checks.
bool focusCheckRunning();

} // namespace zyt
