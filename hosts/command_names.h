// The five command procedures of Brindlework.dll, in the order of their
// ordinals; both hosts offer them in this order.
#pragma once

#include <array>

namespace hosts {

inline constexpr std::array<const char*, 5> CommandNames = {"chkdsk", "color", "echo", "title", "xcopy"};

}  // namespace hosts
