#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

namespace zyt {

// Reads the system's font configuration (fontconfig's files and caches) on a
// thread of its own while the program makes its application object, and
// then, once told the application exists, fills Qt's font database from it,
// which would otherwise hold up the first window that shows a text. Where
// fontconfig is not loaded, or no thread can be made, it does nothing. Made
// first thing in main().
class FontConfigWarmUp {
public:
    // Waits for the thread when it goes, so the thread never reads Qt's font
    // database while the application object is taken down: made right after
    // that object, it goes before it.
    class ApplicationScope {
    public:
        explicit ApplicationScope(FontConfigWarmUp &warmUp) : warmUp_(warmUp) {}
        ~ApplicationScope() { warmUp_.wait(); }
        ApplicationScope(const ApplicationScope &) = delete;
        ApplicationScope &operator=(const ApplicationScope &) = delete;

    private:
        FontConfigWarmUp &warmUp_;
    };

    FontConfigWarmUp();
    ~FontConfigWarmUp();
    // The application object is made: the thread may go on to the font
    // database until the returned scope ends. Without this call it stops
    // after the configuration.
    [[nodiscard]] ApplicationScope applicationMade();
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
