#include "guarded.h"

#include "platform/platform.h"
#include "platform/runtime_error.h"

namespace zyt {

void runGuarded(const Platform &platform, const std::function<void()> &command)
{
    try {
        command();
    } catch (const RuntimeError &e) {
        platform.message(QStringLiteral("Error Number ") + QString::number(e.number()) +
                             QStringLiteral(" -- ") + e.description(),
                         MsgButtons::Ok, MsgIcon::Critical);
    }
}

} // namespace zyt
