#pragma once

#include <thread>

namespace zyt {

// Reads the system's font configuration (fontconfig's files and caches, a
// third of the work before the main window's first paint) on a thread of its
// own while the program makes its application object; the font database
// then finds it read. Where fontconfig is not loaded it does nothing. Made
// first thing in main().
class FontConfigWarmUp {
public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    // Waits until the configuration is read; to be called before the first
    // window is made, so that its fonts do not read it a second time beside
    // this thread.
    void wait();
    FontConfigWarmUp(const FontConfigWarmUp &) = delete;
    FontConfigWarmUp &operator=(const FontConfigWarmUp &) = delete;

private:
    std::thread thread_;
};

} // namespace zyt
