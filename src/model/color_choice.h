#pragma once

#include <cstdint>
#include <optional>

namespace zyt {

struct LookState;
struct Platform;

// Shows the colour dialog, opened on the colour chosen last. The chosen
// colour, or nothing after "No Color Selected". Shared by the graph window
// and the graph settings.
std::optional<std::int32_t> Get_Color(LookState &looks, const Platform &platform);

} // namespace zyt
