#pragma once

#include <cstdint>

namespace zyt::colours {

// The colours the windows' cells are designed in, as 0xRRGGBB.
inline constexpr std::uint32_t Black = 0x000000;
inline constexpr std::uint32_t White = 0xFFFFFF;
inline constexpr std::uint32_t Red = 0xFF0000;
inline constexpr std::uint32_t Blue = 0x0000FF;
inline constexpr std::uint32_t Yellow = 0xFFFF00;
inline constexpr std::uint32_t LightCyan = 0xC0FFFF;
inline constexpr std::uint32_t LightOrange = 0xFFE0C0;
inline constexpr std::uint32_t LightGreen = 0xC0FFC0;

} // namespace zyt::colours
