#pragma once

#include "model/cell_rules.h"

#include <QFont>
#include <QMargins>
#include <QStaticText>
#include <QWidget>

#include <functional>

class QLineEdit;

namespace zyt {

struct AppState;
class CellLineEdit;
class CellModel;
struct CellInfo;

// A one-line cell drawn by itself until it is used: a window shows hundreds
// of cells, and a line editor each would cost the window's first show more
// than a frame. It looks like the line editor it stands for; a text that
// would not fit is drawn whole in a smaller font. The focus, a click or a
// drag puts the cell's own line editor over it, with the cell's rules, and
// from then on the editor takes the keys and the focus in the cell's place
// (its place in the Tab order included), so the cell behaves as one made
// with its editor from the start.
class PaintedCell : public QWidget {
    Q_OBJECT

public:
    PaintedCell(CellModel &model, int id, AppState &st, const CellRules &rules,
                QWidget *parent = nullptr);

    // A cell that takes no typing, no Tab and no rule but the mouse flag:
    // drawn this way also where editable cells are not.
    static bool suits(const CellInfo &info, const CellRules &rules);

    int cellId() const { return id_; }
    QString text() const;
    Qt::Alignment alignment() const { return alignment_; }
    void setAlignment(Qt::Alignment alignment);
    bool isReadOnly() const { return readOnly_; }
    void setReadOnly(bool readOnly);
    QMargins textMargins() const { return margins_; }
    void setTextMargins(const QMargins &margins);
    // Shows the model's text.
    void refresh();

    // Where the text goes and the font it is drawn in.
    QRect textRect() const;
    QFont textFont() const;
    // The line editor over the cell; nullptr until the cell was first used.
    CellLineEdit *editor() const { return editor_; }
    // The line editor, made now when the cell has none yet.
    CellLineEdit *openEditor();
    // Runs after the cell's check when the focus leaves its editor.
    void setExtraRule(std::function<void(CellLineEdit &)> rule);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // The area of the text as a line editor lays it out: inside its frame,
    // its text margins and its own small margins.
    QRect lineArea() const;
    // Fits the font to the text and lays the text out once for the paints.
    void layText() const;
    // Makes the line editor; a cell that holds the focus hands it on to the
    // editor for `reason`.
    CellLineEdit *makeEditor(Qt::FocusReason reason);
    void forward(const QEvent &event);

    CellModel &model_;
    int id_;
    AppState &st_;
    CellRules rules_;
    Qt::Alignment alignment_ = Qt::AlignHCenter | Qt::AlignVCenter;
    bool readOnly_ = true;
    QMargins margins_;
    CellLineEdit *editor_ = nullptr;
    std::function<void(CellLineEdit &)> extra_;
    // The fitted font, the width the text takes in it and the text laid
    // out, kept until the text, the font or the size changes.
    mutable QFont fitted_;
    mutable int needed_ = 0;
    mutable QStaticText shown_;
    mutable bool fittedValid_ = false;
};

} // namespace zyt
