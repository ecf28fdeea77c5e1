#include "guarded.h"

#include "app_state.h"
#include "platform/runtime_error.h"

namespace zyt {

void Run_Guarded(AppState &st, const std::function<void()> &command)
{
    try {
        command();
    } catch (const RuntimeError &e) {
        st.message(QStringLiteral("Error Number ") + QString::number(e.number()) +
                       QStringLiteral(" -- ") + e.description(),
                   MsgButtons::Ok, MsgIcon::Critical);
    }
}

} // namespace zyt
