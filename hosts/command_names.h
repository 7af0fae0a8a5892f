// The command procedures of Brindlework.dll, in the order of their
// ordinals; both hosts offer them in this order.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "library/command_list.h"

namespace hosts {

#define COMMAND_NAME(word, ordinal, editOrdinal, run) #word,
inline constexpr std::array CommandNames = {BRINDLE_COMMANDS(COMMAND_NAME)};
#undef COMMAND_NAME

// The longest line the library opens a dialog from: cmd.exe's limit.
inline constexpr std::size_t LongestLine = plugin::LongestLine;

// The procedure that opens a command's dialog from a line, as the list names it.
inline std::string EditProcedureName(std::string_view command) { return std::string(command) + "_edit"; }

}  // namespace hosts
