#pragma once
// Choosing the display backend: "headless" (the default, for tests) or "x11" (the
// program and the demos).
#include <string_view>

namespace win {

// Destroys every window and starts again on the named backend. Throws std::invalid_argument
// for an unknown name and std::runtime_error when the backend cannot start (no display).
void SelectBackend(std::string_view name);
const char* BackendName();

}  // namespace win
