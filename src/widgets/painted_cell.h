#pragma once

#include "model/cell_rules.h"

#include <QFont>
#include <QMargins>
#include <QStaticText>
#include <QWidget>

class QLineEdit;

namespace zyt {

struct AppState;
class CellLineEdit;
class CellModel;
struct CellInfo;

// A cell nobody types into (a caption or a result), drawn by itself: a
// window shows hundreds of them, and a line editor each would cost the
// window's first show more than a frame. It looks like the line editor it
// stands for; its text is drawn whole, in a smaller font when it would not
// fit otherwise. A click or the focus puts a line editor over it, so its
// text can still be selected and copied.
class PaintedCell : public QWidget {
    Q_OBJECT

public:
    PaintedCell(CellModel &model, int id, AppState &st, const CellRules &rules,
                QWidget *parent = nullptr);

    // Whether a cell is drawn this way: one that takes no typing, no Tab
    // and no rule but the mouse flag.
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

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // The area of the text as a line editor lays it out: inside its frame,
    // its text margins and its own small margins.
    QRect lineArea() const;
    // Fits the font to the text and lays the text out once for the paints.
    void layText() const;
    void makeEditor();
    void forward(const QMouseEvent &event);

    CellModel &model_;
    int id_;
    AppState &st_;
    CellRules rules_;
    Qt::Alignment alignment_ = Qt::AlignHCenter | Qt::AlignVCenter;
    bool readOnly_ = true;
    QMargins margins_;
    CellLineEdit *editor_ = nullptr;
    // The fitted font, the width the text takes in it and the text laid
    // out, kept until the text, the font or the size changes.
    mutable QFont fitted_;
    mutable int needed_ = 0;
    mutable QStaticText shown_;
    mutable bool fittedValid_ = false;
};

} // namespace zyt
