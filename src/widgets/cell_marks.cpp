#include "cell_marks.h"

#include "painted_cell.h"

#include <QEvent>
#include <QLineEdit>
#include <QWidget>

#include <algorithm>

namespace zyt {

namespace {

// How far beyond a cell's right edge a mark still belongs to it.
constexpr int Reach = 3;

// Keeps one cell's right text margin clear of its marks.
class MarkClearance final : public QObject {
public:
    explicit MarkClearance(QWidget &cell) : QObject(&cell), cell_(cell)
    {
        setObjectName(QString::fromLatin1(Name));
        cell.installEventFilter(this);
    }

    static constexpr const char *Name = "zytMarkClearance";

    // The cell's clearance, made when it has none yet.
    static MarkClearance &of(QWidget &cell)
    {
        QObject *found =
            cell.findChild<QObject *>(QString::fromLatin1(Name), Qt::FindDirectChildrenOnly);
        return found ? *static_cast<MarkClearance *>(found) : *new MarkClearance(cell);
    }

    void add(QWidget &mark)
    {
        marks_.push_back(&mark);
        mark.installEventFilter(this);
        connect(&mark, &QObject::destroyed, this, [this](QObject *gone) {
            std::erase_if(marks_, [gone](const QWidget *m) { return m == gone; });
        });
        update();
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
            update();
        return false;
    }

private:
    void update()
    {
        const QRect cell = cell_.geometry();
        int right = 0;
        for (const QWidget *mark : marks_) {
            const QRect m = mark->geometry();
            const int over = std::max(0, cell.right() + 1 - m.left());
            right = std::max(right, over + std::max(2, m.width() / 4));
        }
        setCellTextMargins(cell_, QMargins(0, 0, right, 0));
    }

    QWidget &cell_;
    std::vector<const QWidget *> marks_;
};

bool standsAt(const QRect &mark, const QRect &cell)
{
    const int shared =
        std::min(mark.bottom(), cell.bottom()) - std::max(mark.top(), cell.top()) + 1;
    return shared * 2 >= mark.height() && mark.left() >= cell.left() + cell.width() / 2 &&
           mark.left() <= cell.right() + 1 + Reach;
}

} // namespace

void setCellTextMargins(QWidget &cell, const QMargins &margins)
{
    if (auto *painted = qobject_cast<PaintedCell *>(&cell))
        painted->setTextMargins(margins);
    else if (auto *edit = qobject_cast<QLineEdit *>(&cell))
        edit->setTextMargins(margins);
}

void keepTextClearOfMarks(const std::vector<QWidget *> &cells, const std::vector<QWidget *> &marks)
{
    for (QWidget *mark : marks) {
        QWidget *at = nullptr;
        for (QWidget *cell : cells) {
            if (cell->parentWidget() != mark->parentWidget() ||
                !standsAt(mark->geometry(), cell->geometry()))
                continue;
            if (!at || cell->geometry().right() > at->geometry().right())
                at = cell;
        }
        if (!at)
            continue;
        MarkClearance::of(*at).add(*mark);
    }
}

} // namespace zyt
