#include "lines/program_arguments.h"

namespace lines {

std::vector<Argument> ProgramArguments(std::string_view text, std::size_t at, bool carets) {
  std::vector<Argument> arguments;
  std::size_t i = 0;
  while (true) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i == text.size()) return arguments;
    Argument argument;
    const std::size_t start = i;
    bool quoted = false;
    while (i < text.size() && (quoted || (text[i] != ' ' && text[i] != '\t'))) {
      std::size_t backslashes = 0;
      while (i < text.size() && text[i] == '\\') ++backslashes, ++i;
      if (i < text.size() && text[i] == '"') {
        argument.text.append(backslashes / 2, '\\');
        if (backslashes % 2 == 1) {
          argument.text.push_back('"');
        } else if (quoted && i + 1 < text.size() && text[i + 1] == '"') {
          argument.text.push_back('"');
          ++i;
        } else {
          quoted = !quoted;
        }
        ++i;
      } else {
        argument.text.append(backslashes, '\\');
        if (carets && !quoted && i + 1 < text.size() && text[i] == '^') ++i;
        if (i < text.size() && (quoted || (text[i] != ' ' && text[i] != '\t'))) argument.text.push_back(text[i++]);
      }
    }
    argument.written = text.substr(start, i - start);
    argument.at = at + start;
    arguments.push_back(std::move(argument));
  }
}

std::string QuotedArgument(std::string_view argument) {
  if (!argument.empty() && argument.find_first_of(" \t\"&|<>^()%!,;=") == std::string_view::npos) return std::string(argument);
  std::string quoted = "\"";
  std::size_t backslashes = 0;
  for (char c : argument) {
    if (c == '\\') {
      ++backslashes;
    } else {
      // Backslashes before a quote are doubled, and the quote escaped.
      if (c == '"') quoted.append(backslashes + 1, '\\');
      backslashes = 0;
    }
    quoted.push_back(c);
  }
  quoted.append(backslashes, '\\');  // before the closing quote
  return quoted + "\"";
}

std::string FolderArgument(std::string_view folder) {
  if (folder.size() > 3 && folder.back() == '\\') folder.remove_suffix(1);
  return QuotedArgument(folder);
}

}  // namespace lines
