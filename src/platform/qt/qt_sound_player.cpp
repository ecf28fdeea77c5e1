#include "qt_sound_player.h"

#include <QSoundEffect>
#include <QUrl>

namespace zyt {

QtSoundPlayer::QtSoundPlayer() = default;

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::playSound(const QString &path)
{
    if (!effect_)
        effect_ = std::make_unique<QSoundEffect>();
    effect_->stop();
    effect_->setSource(QUrl::fromLocalFile(path));
    effect_->play();
}

} // namespace zyt
