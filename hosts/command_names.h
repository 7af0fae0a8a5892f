// The command procedures of Brindlework.dll, in the order of their
// ordinals; both hosts offer them in this order.
#pragma once

#include <array>

#include "library/command_list.h"

namespace hosts {

#define COMMAND_NAME(word, ordinal, run) #word,
inline constexpr std::array CommandNames = {BRINDLE_COMMANDS(COMMAND_NAME)};
#undef COMMAND_NAME

}  // namespace hosts
