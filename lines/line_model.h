// One description per command of its line, as the hosts see it: which
// lines are the command's (those its dialog opens from), and what a line
// does and where it will not do what it looks like, in German. Each
// command's own header adds what its dialog needs: what the dialog shows of
// a line, and the line built from what it shows.
#pragma once

#include <string_view>
#include <vector>

#include "lines/command_line.h"
#include "lines/wording.h"

namespace lines {

// Where cmd.exe will read a line otherwise than it looks.
struct Warning {
  Wording label;        // a few words
  Wording explanation;  // what cmd.exe does instead, and what to write

  bool operator==(const Warning&) const = default;
};
using Warnings = std::vector<Warning>;

struct Model {
  WordForms forms;
  // What a line of the command does: "chkdsk: prüft Laufwerk C:; /f Fehler beheben".
  Wording (*explain)(const CommandLine& line);
  // The command's own warnings, in the order of the line.
  void (*warn)(const CommandLine& line, Warnings& warnings);
};

// The command whose dialog opens from `line` (its word in one of the forms
// cmd.exe accepts, after blanks and an "@"); null for any other line.
const Model* ModelOf(std::string_view line);

// The explanation of a line of one of the commands; empty for any other line.
Wording Explain(std::string_view line);

// The warnings for one line of a .bat or .cmd script, in the order of the
// line: the command's own, and a lone % in any line but a comment.
Warnings WarningsFor(std::string_view line);

}  // namespace lines
