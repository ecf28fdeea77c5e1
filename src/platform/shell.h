#pragma once

#include <QString>

namespace zyt {

// Hands addresses to the desktop: web pages, documents and "mailto:" links,
// which open the user's mail program with a new message.
class Shell {
public:
    virtual ~Shell() = default;
    // Opens `target`; a target without a scheme names a file, taken relative
    // to `folder`. False when the desktop refused it.
    virtual bool openLink(const QString &target, const QString &folder) = 0;
};

// Plays sound files while the program goes on.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts playing the WAV file and returns at once. A file that cannot
    // be played, or a system without a sound device, stays silent.
    virtual void playSound(const QString &path) = 0;
};

} // namespace zyt
