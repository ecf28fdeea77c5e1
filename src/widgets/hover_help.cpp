#include "hover_help.h"

#include "model/ui_state.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

#include <algorithm>

namespace zyt {

HoverHelpLine::HoverHelpLine(const UiState &ui, QWidget *parent, const QRect &geometry)
    : QObject(parent), ui_(ui), label_(new QLabel(parent))
{
    label_->setObjectName(QStringLiteral("Label7"));
    label_->setWordWrap(true);
    label_->setAutoFillBackground(true);
    QPalette palette = label_->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 0));
    palette.setColor(QPalette::WindowText, Qt::black);
    label_->setPalette(palette);
    label_->setGeometry(geometry);
    label_->hide();
}

void HoverHelpLine::shows(QWidget *control, const QString &text)
{
    control->installEventFilter(this);
    show_.emplace_back(control, text);
}

void HoverHelpLine::hides(QWidget *control)
{
    control->installEventFilter(this);
    hide_.push_back(control);
}

bool HoverHelpLine::isShown(const QWidget *control) const
{
    return std::any_of(show_.begin(), show_.end(),
                       [control](const auto &s) { return s.first == control; });
}

void HoverHelpLine::background(QWidget *surface)
{
    surface->setMouseTracking(true);
    surface->installEventFilter(this);
    backgrounds_.push_back(surface);
}

bool HoverHelpLine::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter) {
        for (const auto &[control, text] : show_) {
            if (control == watched) {
                QString shown = ui_.Help_Texts.value(text, text);
                label_->setText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
                label_->show();
                return false;
            }
        }
        if (std::find(hide_.begin(), hide_.end(), watched) != hide_.end())
            label_->hide();
    } else if (event->type() == QEvent::MouseMove &&
               std::find(backgrounds_.begin(), backgrounds_.end(), watched) != backgrounds_.end()) {
        // A move over a control reaches its background too.
        auto *surface = static_cast<QWidget *>(watched);
        const auto *move = static_cast<QMouseEvent *>(event);
        if (!surface->childAt(move->position().toPoint()))
            label_->hide();
    }
    return false;
}

} // namespace zyt
