// The title command line, and when "Hinzufügen" may be pressed: only while
// the field holds a character other than a blank (a tab counts).
#pragma once

#include <string>
#include <string_view>

namespace commands {

// The text without its blanks (character 32); every other character stays.
std::string BlankFreeText(std::string_view text);

// "title " and the typed text exactly as typed.
std::string TitleCommandText(std::string_view typed);

}  // namespace commands
