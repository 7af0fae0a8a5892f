#include "commands/title_text.h"

#include <algorithm>

#include "commands/line_reading.h"

namespace commands {

std::string BlankFreeText(std::string_view text) {
  std::string kept;
  std::copy_if(text.begin(), text.end(), std::back_inserter(kept), [](char c) { return c != ' '; });
  return kept;
}

std::string TitleCommandText(std::string_view typed) {
  std::string line = "title ";
  line.append(typed);
  return line;
}

TitleLine ReadTitleLine(std::string_view line) {
  CommandLine split = SplitCommandLine(line, "title", " \t");
  return {std::string(split.arguments), std::move(split.unshown)};
}

}  // namespace commands
