#include "commands/xcopy_text.h"

#include "commands/line_reading.h"
#include "toolkit/folder_paths.h"

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

XcopyLine ReadXcopyLine(std::string_view line) {
  CommandLine split = SplitCommandLine(line, "xcopy", " \t", "/");
  XcopyLine read;
  read.unshown = std::move(split.unshown);
  if (!split.ours) return read;
  read.checked = {};
  using Kind = plugin::UnshownPart::Kind;
  auto folder = [](const std::string& path) { return path.empty() ? path : toolkit::WithTrailingBackslash(path); };
  int paths = 0;
  for (const std::string& word : ArgumentWords(split.arguments, read.unshown)) {
    if (!word.empty() && word[0] == '/') {
      for (const std::string& given : SplitSwitches(word)) {
        std::size_t i = 0;
        while (i < XcopySwitchCount && !EqualIgnoringCase(given, XcopySwitches[i])) ++i;
        if (i < XcopySwitchCount)
          read.checked[i] = true;
        else
          read.unshown.push_back({Kind::Unknown, given});
      }
    } else if (paths == 0) {
      ++paths;
      // A last name with wildcards is the pattern; without, the whole path is the folder.
      const std::size_t nameStart = word.find_last_of('\\') + 1;
      const std::string name = word.substr(nameStart);
      const bool pattern = name.find_first_of("*?") != std::string::npos;
      read.source = pattern ? word.substr(0, nameStart) : folder(word);
      if (pattern && name != "*.*") read.unshown.push_back({Kind::Pattern, name});
    } else if (paths == 1) {
      ++paths;
      read.target = folder(word);
    } else {
      read.unshown.push_back({Kind::Unknown, word});
    }
  }
  return read;
}

}  // namespace commands
