#pragma once

#include <QColor>

#include <cstdint>

namespace zyt {

// A colour as the program stores it (settings, files, colour dialogs):
// red + 256 green + 65536 blue.
QColor colorFromNumber(std::int32_t number);
std::int32_t numberFromColor(const QColor &color);

} // namespace zyt
