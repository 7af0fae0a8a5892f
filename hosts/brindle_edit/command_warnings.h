// Where a script line will not do what it looks like it does: the warnings
// of the editor's status line and of brindle.exe's standard error. They
// explain; they never change the line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brindle_edit {

struct LineWarning {
  std::wstring label;        // a few words, shown in full in the status line
  std::wstring explanation;  // what cmd.exe does instead, and what to write
};

// The warnings for one line of a .bat or .cmd script, in the order of the
// line: an echo of blanks only; & | < > ^ in an echo or title text that no
// ^ escapes; a lone % (every line but a comment); /EXCLUDE: without a file
// name; an xcopy source without a folder, an empty target, or a target
// that is the source folder.
std::vector<LineWarning> WarningsFor(std::wstring_view line);

}  // namespace brindle_edit
