#include "commands/echo_text.h"

#include "commands/line_reading.h"

namespace commands {

std::string EchoCommandText(std::string_view typed) {
  if (typed.empty()) return "echo.";
  std::string line = "echo ";
  line += typed;  // nothing trimmed, quoted or escaped
  return line;
}

EchoLine ReadEchoLine(std::string_view line) {
  // cmd.exe reads "echo." "echo:" "echo/" and "echo(" as echo, printing what follows the mark.
  CommandLine split = SplitCommandLine(line, "echo", " \t.:/(");
  return {std::string(split.arguments), std::move(split.unshown)};
}

}  // namespace commands
