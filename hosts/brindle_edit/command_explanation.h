// The editor's status line: what a line of one of the five commands does,
// switch by switch, in German, and a warning where the console would read
// an echo or title text differently from how it looks.
#pragma once

#include <string>
#include <string_view>

namespace brindle_edit {

// The explanation of one script line; empty when the line is none of
// chkdsk, color, echo, title and xcopy. An "@" in front, blanks around and
// the case of the command word do not matter.
std::wstring ExplainLine(std::wstring_view line);

// The characters of `text` that cmd.exe treats specially (& | < > ^ %),
// each once, in the order they first appear.
std::wstring ConsoleSpecialCharacters(std::wstring_view text);

}  // namespace brindle_edit
