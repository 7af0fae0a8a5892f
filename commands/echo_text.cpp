#include "commands/echo_text.h"

namespace commands {

std::string EchoCommandText(std::string_view typed) {
  if (typed.empty()) return "echo.";
  std::string line = "echo ";
  line += typed;  // nothing trimmed, quoted or escaped
  return line;
}

}  // namespace commands
