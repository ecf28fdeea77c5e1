// The sound module: Qt Multimedia, loaded when a sound first plays.

#include "qt_sound_player.h"

extern "C" Q_DECL_EXPORT zyt::SoundPlayer *zytNewSoundPlayer() { return new zyt::QtSoundPlayer; }
