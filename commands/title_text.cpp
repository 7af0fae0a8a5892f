#include "commands/title_text.h"

#include <algorithm>

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

}  // namespace commands
