#include "color_choice.h"

#include "model/look_state.h"
#include "platform/choice_dialogs.h"
#include "platform/platform.h"

namespace zyt {

std::optional<std::int32_t> Get_Color(LookState &looks, const Platform &platform)
{
    Q_ASSERT(platform.colors);
    const std::optional<std::int32_t> color = platform.colors->showColorDialog(looks.dialogColor);
    if (!color) {
        platform.message(QStringLiteral("No Color Selected"), MsgButtons::Ok, MsgIcon::Exclamation);
        return std::nullopt;
    }
    looks.dialogColor = *color;
    return color;
}

} // namespace zyt
