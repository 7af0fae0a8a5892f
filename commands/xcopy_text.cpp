#include "commands/xcopy_text.h"

namespace commands {

bool XcopyHasFolder(std::string_view source, std::string_view target) {
  return !source.empty() || !target.empty();
}

std::string XcopyCommandText(std::string_view source, std::string_view target,
                             const std::vector<std::string>& checkedSwitches) {
  std::string command = "xcopy \"";
  command.append(source).append("*.*\" \"").append(target).append("\"");
  for (const std::string& option : checkedSwitches) command.append(" ").append(option);
  return command;
}

}  // namespace commands
