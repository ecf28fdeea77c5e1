#pragma once

#include <QObject>
#include <QString>

#include <vector>

class QLabel;
class QRect;
class QWidget;

namespace zyt {

struct UiState;

// A window's one-line help: the mouse over some controls shows their text in
// a yellow line, over others hides it, over the window's background hides it;
// every other control leaves it as it is.
class HoverHelpLine : public QObject {
    Q_OBJECT

public:
    HoverHelpLine(const UiState &ui, QWidget *parent, const QRect &geometry);

    QLabel *label() const { return label_; }
    // `text` names one of the program's help texts, or is the text itself.
    void shows(QWidget *control, const QString &text);
    void hides(QWidget *control);
    bool isShown(const QWidget *control) const;
    // Moves over the background itself, not over a control on it, hide.
    void background(QWidget *surface);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const UiState &ui_;
    QLabel *label_;
    std::vector<std::pair<QWidget *, QString>> show_;
    std::vector<QWidget *> hide_;
    std::vector<QWidget *> backgrounds_;
};

} // namespace zyt
