#pragma once

#include <functional>

namespace zyt {

struct Platform;

// Runs a user command. A run-time error that reaches it is shown as
// "Error Number n -- description" in a critical box and the program goes on.
void runGuarded(const Platform &platform, const std::function<void()> &command);

} // namespace zyt
