#include "font_warm_up.h"

#include <dlfcn.h>

namespace zyt {

FontConfigWarmUp::FontConfigWarmUp()
{
    // Looked up rather than linked: Qt's font database brings fontconfig in
    // on systems that use it, and its first FcInit reuses a configuration
    // another thread has loaded (fontconfig publishes it atomically).
    using Init = int (*)();
    const auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit"));
    if (init)
        thread_ = std::thread([init] { init(); });
}

FontConfigWarmUp::~FontConfigWarmUp() { wait(); }

void FontConfigWarmUp::wait()
{
    if (thread_.joinable())
        thread_.join();
}

} // namespace zyt
