// How the line readers take a script line apart: the command word, matched
// as cmd.exe matches it, and the words after it. No windows.h.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "plugin/unshown_parts.h"

namespace commands {

struct CommandLine {
  bool ours = false;             // the line is the dialog's command
  std::string_view arguments;    // after the word and the character that ends it
  plugin::UnshownParts unshown;  // "@", another command, a further line
};

// Leading blanks, an "@" and the word's case do not matter. The word ends
// at the line's end or at one of `ends`, which is taken with it (echo's
// mark in "echo.", the blank after "title"), or at one of `endsKept`, which
// starts the arguments (the switch in "xcopy/Y"). A blank line is no line:
// not ours, nothing unshown.
CommandLine SplitCommandLine(std::string_view line, std::string_view word, std::string_view ends,
                             std::string_view endsKept = {});

// The blank-separated words, quotes removed ("" stays an empty word), up to
// an unquoted < > | or &, which with the rest of the line goes to `unshown`.
std::vector<std::string> ArgumentWords(std::string_view arguments, plugin::UnshownParts& unshown);

// A word of switches taken apart: "/S/E" gives "/S" and "/E", "/-Y" stays whole.
std::vector<std::string> SplitSwitches(std::string_view word);

// Compares letters A to Z without their case, as cmd.exe reads commands and switches.
bool EqualIgnoringCase(std::string_view a, std::string_view b);

}  // namespace commands
