// The sound module: Qt Multimedia, loaded when a sound first plays.

#include "program_modules.h"
#include "qt_sound_player.h"

#include <QObject>

namespace zyt {

class SoundPlugin final : public QObject, public SoundModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ZYT_SOUND_MODULE_IID)
    Q_INTERFACES(zyt::SoundModule)

public:
    std::unique_ptr<SoundPlayer> newSoundPlayer() override
    {
        return std::make_unique<QtSoundPlayer>();
    }
};

} // namespace zyt

#include "sound_module.moc"
