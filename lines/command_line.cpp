#include "lines/command_line.h"

#include <algorithm>

namespace lines {

namespace {

constexpr std::string_view Specials = "<>|&";

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool IsBlank(char c) { return Blanks.find(c) != std::string_view::npos; }

std::size_t SkipBlanks(std::string_view text, std::size_t at) {
  while (at < text.size() && IsBlank(text[at])) ++at;
  return at;
}

// Where the tail starts in `rest`, at an unquoted, unescaped < > | or &;
// a single digit standing before < or > as a word of its own is the
// stream it redirects ("2>nul"). `rest.size()` when there is none.
std::size_t TailStart(std::string_view rest) {
  bool quoted = false;
  for (std::size_t i = 0; i < rest.size(); ++i) {
    const char c = rest[i];
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '^') {
      ++i;  // the escaped character
      continue;
    }
    if (Specials.find(c) == std::string_view::npos) continue;
    const bool stream = (c == '<' || c == '>') && i > 0 && rest[i - 1] >= '0' && rest[i - 1] <= '9' &&
                        (i == 1 || IsBlank(rest[i - 2]));
    std::size_t start = stream ? i - 1 : i;
    while (start > 0 && IsBlank(rest[start - 1])) --start;
    return start;
  }
  return rest.size();
}

std::vector<Argument> SplitArguments(std::string_view words, std::size_t at) {
  std::vector<Argument> arguments;
  Argument current;
  bool inWord = false, quoted = false;
  std::size_t start = 0;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const char c = words[i];
    if (!quoted && IsBlank(c)) {
      if (inWord) {
        current.written = words.substr(start, i - start);
        current.at = at + start;
        arguments.push_back(std::move(current));
        current = {};
      }
      inWord = false;
      continue;
    }
    if (!inWord) start = i;
    inWord = true;
    if (c == '"') {
      quoted = !quoted;
    } else if (c == '^' && !quoted && i + 1 < words.size()) {
      current.text.push_back(words[++i]);
    } else {
      current.text.push_back(c);
    }
  }
  if (inWord) {
    current.written = words.substr(start);
    current.at = at + start;
    current.quoteOpen = quoted;
    arguments.push_back(std::move(current));
  }
  return arguments;
}

}  // namespace

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && StartsIgnoringCase(a, b);
}

bool StartsIgnoringCase(std::string_view text, std::string_view start) {
  if (text.size() < start.size()) return false;
  for (std::size_t i = 0; i < start.size(); ++i)
    if (Upper(text[i]) != Upper(start[i])) return false;
  return true;
}

std::string PassedOn(std::string_view text) {
  std::string passed;
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '"') quoted = !quoted;
    if (text[i] == '^' && !quoted && ++i == text.size()) break;
    passed.push_back(text[i]);
  }
  return passed;
}

bool JoinsNextLine(std::string_view text) {
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '"') quoted = !quoted;
    if (text[i] == '^' && !quoted && ++i == text.size()) return true;
  }
  return false;
}

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsDriveRoot(std::string_view folder) {
  return (folder.size() == 2 || (folder.size() == 3 && folder[2] == '\\')) && folder[1] == ':';
}

std::string_view TrimmedBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(Blanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(Blanks) + 1 - first);
}

std::vector<std::string_view> Switches(std::string_view word) {
  std::vector<std::string_view> switches;
  for (std::size_t start = 0; start < word.size();) {
    const std::size_t next = std::min(word.find('/', start + 1), word.size());
    switches.push_back(word.substr(start, next - start));
    start = next;
  }
  return switches;
}

CommandLine ReadCommandLine(std::string_view line, const WordForms& forms) {
  CommandLine read;
  const std::size_t lineBreak = std::min(line.find_first_of("\r\n"), line.size());
  read.firstLine = line.substr(0, lineBreak);
  const std::size_t further = line.find_first_not_of(" \t\r\n", lineBreak);
  if (further != std::string_view::npos) {
    const std::size_t end = line.find_last_not_of(" \t\r\n") + 1;
    read.further = line.substr(further, end - further);
  }
  const std::string_view first = read.firstLine;
  std::size_t at = SkipBlanks(first, 0);
  if (at < first.size() && first[at] == '@') {
    read.echoOff = true;
    at = SkipBlanks(first, at + 1);
  }
  read.prefix = first.substr(0, at);
  const std::string_view candidate = first.substr(at);
  if (!StartsIgnoringCase(candidate, forms.word)) return read;
  std::size_t end = at + forms.word.size();
  if (forms.program && StartsIgnoringCase(first.substr(end), ".exe")) end += 4;
  if (end < first.size()) {
    const char next = first[end];
    const bool taken = forms.taken.find(next) != std::string_view::npos;
    const bool kept = forms.kept.find(next) != std::string_view::npos || Specials.find(next) != std::string_view::npos;
    if (!taken && !kept && !IsBlank(next)) return read;  // "echoes" is not echo
    if (taken || IsBlank(next)) read.mark = next;
  }
  read.ours = true;
  read.word = first.substr(at, end - at);
  read.restAt = std::min(end + (read.mark ? 1 : 0), first.size());
  read.rest = first.substr(read.restAt);
  const std::size_t tail = TailStart(read.rest);
  read.tail = read.rest.substr(tail);
  read.tailAt = read.restAt + tail;
  read.arguments = SplitArguments(read.rest.substr(0, tail), read.restAt);
  return read;
}

}  // namespace lines
