#include "color_number.h"

namespace zyt {

QColor colorFromNumber(std::int32_t number)
{
    const auto c = static_cast<std::uint32_t>(number);
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

std::int32_t numberFromColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return std::int32_t(rgb.red() + 256 * rgb.green() + 65536 * rgb.blue());
}

} // namespace zyt
