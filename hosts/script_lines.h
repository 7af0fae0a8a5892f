// The command line models as the hosts use them, in wide characters: which
// dialog opens from a line, what a line does and where it will misbehave.
// The hosts' lines go to the models as UTF-8, without loss; the models'
// words come back from code page 1252. No windows.h.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lines {
class Wording;
}

namespace hosts {

// The command whose dialog opens from `line`, and how much of the line
// stands before its word (blanks and an "@"); a null command for any
// other line.
struct LineCommand {
  const char* command = nullptr;
  std::size_t prefixLength = 0;
};
LineCommand CommandOfLine(std::wstring_view line);

// What a line of one of the commands does, switch by switch; empty for any other line.
std::wstring ExplainLine(std::wstring_view line);

struct LineWarning {
  std::wstring label;        // a few words, shown in full in the status line
  std::wstring explanation;  // what cmd.exe does instead, and what to write
};
// Where cmd.exe will read a line of a script otherwise than it looks, in
// the order of the line; they explain, they never change the line.
std::vector<LineWarning> WarningsFor(std::wstring_view line);

// A model's text in wide characters, its quotes in „“ and shortened with "…"
// past 60 characters, so that a status line or a tip shows it whole.
std::wstring Rendered(const lines::Wording& wording);

std::string Utf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view text);
std::wstring FromCodePage1252(std::string_view text);

}  // namespace hosts
