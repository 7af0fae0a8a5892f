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

// The commands as a sentence names them: "chkdsk, color, echo, title, xcopy
// oder robocopy", with `last` ("oder", "und") before the last.
inline std::string CommandNamesInWords(std::string_view last) {
  std::string words;
  for (std::size_t i = 0; i < CommandNames.size(); ++i)
    words.append(i == 0 ? "" : i + 1 == CommandNames.size() ? " " + std::string(last) + " " : ", ").append(CommandNames[i]);
  return words;
}

// The procedure that opens a command's dialog from a line, as the list names it.
inline std::string EditProcedureName(std::string_view command) { return std::string(command) + "_edit"; }

}  // namespace hosts
