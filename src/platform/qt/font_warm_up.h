#pragma once

#include <thread>

namespace zyt {

// Reads the system's font configuration (fontconfig's files and caches, a
// third of the work before the main window's first paint) on a thread of its
// own while the program makes its application object and windows; the font
// database then finds it read. Where fontconfig is not loaded it does
// nothing. Made first thing in main(); joins the thread when destroyed.
class FontConfigWarmUp {
public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp &) = delete;
    FontConfigWarmUp &operator=(const FontConfigWarmUp &) = delete;

private:
    std::thread thread_;
};

} // namespace zyt
