// brindle.exe's command line: which dialogs to show and how to write the
// lines they return.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brindle {

struct Arguments {
  enum class Mode { Run, List, Help, Wrong, LineTooLong };
  Mode mode = Mode::Run;
  std::vector<std::string> commands;  // in the order given
  std::vector<std::string> lines;     // beside each command: the line --edit opens it from, or empty
  bool finalLineBreak = true;         // -n, --no-newline: none after the last line
  bool consoleCodePage = false;       // --oem: for adding lines to a script
  std::string problem;                // with Mode::Wrong, what was wrong
  std::size_t refusedLength = 0;      // with Mode::LineTooLong, the length of the line of --edit
};

Arguments ParseArguments(const std::vector<std::string_view>& arguments);

// The text that -h and a wrong command line print.
std::string UsageText();

// Exit codes: every dialog gave a line; one was cancelled (no further dialog
// is shown); the command line was wrong; the library could not be loaded; a
// line of --edit is longer than cmd.exe takes (no dialog is shown).
enum ExitCode { AllLines = 0, Cancelled = 1, WrongUsage = 2, NoLibrary = 3, LineTooLong = 4 };

}  // namespace brindle
