// The editor's status line: what a line of one of the five commands does,
// switch by switch, in German. Where the line will misbehave is the
// business of command_warnings.h.
#pragma once

#include <string>
#include <string_view>

namespace brindle_edit {

// The explanation of one script line; empty when the line is none of
// chkdsk, color, echo, title and xcopy. An "@" in front, blanks around and
// the case of the command word do not matter.
std::wstring ExplainLine(std::wstring_view line);

}  // namespace brindle_edit
