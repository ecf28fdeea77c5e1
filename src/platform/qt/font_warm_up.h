#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

namespace zyt {

// Reads the system's font configuration (fontconfig's files and caches) on a
// thread of its own while the program makes its application object, and
// then, once told the application exists, fills Qt's font database from it,
// which would otherwise hold up the first window that shows a text. Where
// fontconfig is not loaded it does nothing. Made first thing in main().
class FontConfigWarmUp {
public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    // The application object is made: the thread may go on to the font
    // database. Without this call it stops after the configuration.
    void applicationMade();
    // Waits until the thread is done; to be called before the first window
    // is made, so that its fonts do not read the configuration a second
    // time beside this thread.
    void wait();
    FontConfigWarmUp(const FontConfigWarmUp &) = delete;
    FontConfigWarmUp &operator=(const FontConfigWarmUp &) = delete;

private:
    enum class Then { Undecided, FillDatabase, Stop };
    void decide(Then then);

    std::mutex mutex_;
    std::condition_variable decided_;
    Then then_ = Then::Undecided;
    std::thread thread_;
};

} // namespace zyt
