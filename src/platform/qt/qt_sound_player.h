#pragma once

#include "platform/shell.h"

#include <memory>

class QSoundEffect;

namespace zyt {

// One sound effect for the whole run, made when first needed: a sound must
// outlive the click that started it. Qt Multimedia; the program loads it as
// a module (loaded_modules.h).
class QtSoundPlayer final : public SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    void playSound(const QString &path) override;

private:
    std::unique_ptr<QSoundEffect> effect_;
};

} // namespace zyt
