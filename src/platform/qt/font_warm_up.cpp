#include "font_warm_up.h"

#include <QFontDatabase>
#include <QStringList>

#include <dlfcn.h>

#include <system_error>

namespace zyt {

FontConfigWarmUp::FontConfigWarmUp()
{
    // Looked up rather than linked: Qt's font database brings fontconfig in
    // on systems that use it, and its first FcInit reuses a configuration
    // another thread has loaded (fontconfig publishes it atomically).
    using Init = int (*)();
    const auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit"));
    if (!init)
        return;
    try {
        thread_ = std::thread([this, init] {
            init();
            std::unique_lock lock(mutex_);
            decided_.wait(lock, [this] { return then_ != Then::Undecided; });
            if (then_ != Then::FillDatabase)
                return;
            lock.unlock();
            // Qt's font database may be read from any thread once the
            // application object exists; the first reading fills it.
            QFontDatabase::families();
        });
    } catch (const std::system_error &) {
        // Out of threads: the first window reads the fonts itself.
    }
}

FontConfigWarmUp::~FontConfigWarmUp() { wait(); }

void FontConfigWarmUp::decide(Then then)
{
    {
        const std::lock_guard lock(mutex_);
        if (then_ == Then::Undecided)
            then_ = then;
    }
    decided_.notify_all();
}

FontConfigWarmUp::ApplicationScope FontConfigWarmUp::applicationMade()
{
    decide(Then::FillDatabase);
    return ApplicationScope(*this);
}

void FontConfigWarmUp::wait()
{
    decide(Then::Stop);
    if (thread_.joinable())
        thread_.join();
}

} // namespace zyt
