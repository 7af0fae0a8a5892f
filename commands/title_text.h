// The title command line, and when "Hinzufügen" may be pressed: only while
// the field holds a character other than a blank (a tab counts).
#pragma once

#include <string>
#include <string_view>

#include "plugin/unshown_parts.h"

namespace commands {

// The text without its blanks (character 32); every other character stays.
std::string BlankFreeText(std::string_view text);

// "title " and the typed text exactly as typed.
std::string TitleCommandText(std::string_view typed);

// What the field shows when the dialog opens from a line: the text after
// the word and its blank, exactly, also a text of blanks that "Hinzufügen"
// will not take; the start state for another command's line.
struct TitleLine {
  std::string typed;
  plugin::UnshownParts unshown;
};
TitleLine ReadTitleLine(std::string_view line);

}  // namespace commands
