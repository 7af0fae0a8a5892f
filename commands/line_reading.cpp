#include "commands/line_reading.h"

#include <algorithm>

namespace commands {

namespace {

constexpr std::string_view Blanks = " \t";
constexpr std::string_view Redirections = "<>|&";

std::string_view Trimmed(std::string_view text, std::string_view around = Blanks) {
  const std::size_t first = text.find_first_not_of(around);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(around) + 1 - first);
}

std::string_view LeftTrimmed(std::string_view text) {
  return text.substr(std::min(text.find_first_not_of(Blanks), text.size()));
}

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Upper(a[i]) != Upper(b[i])) return false;
  return true;
}

CommandLine SplitCommandLine(std::string_view line, std::string_view word, std::string_view ends,
                             std::string_view endsKept) {
  CommandLine split;
  const std::size_t lineBreak = std::min(line.find_first_of("\r\n"), line.size());
  // Trailing blanks stay with the arguments: they are part of echo's text.
  std::string_view rest = LeftTrimmed(line.substr(0, lineBreak));
  if (!rest.empty()) {
    const bool echoOff = rest[0] == '@';
    if (echoOff) rest = LeftTrimmed(rest.substr(1));
    const std::string_view after = rest.substr(std::min(word.size(), rest.size()));
    const bool kept = !after.empty() && endsKept.find(after[0]) != std::string_view::npos;
    const bool taken = !after.empty() && ends.find(after[0]) != std::string_view::npos;
    split.ours = EqualIgnoringCase(rest.substr(0, word.size()), word) && (after.empty() || kept || taken);
    if (!split.ours)
      split.unshown.push_back({plugin::UnshownPart::Kind::OtherCommand, std::string(Trimmed(line.substr(0, lineBreak)))});
    else if (echoOff)
      split.unshown.push_back({plugin::UnshownPart::Kind::EchoOff, "@"});
    if (split.ours) split.arguments = taken ? after.substr(1) : after;
  }
  const std::string_view further = Trimmed(line.substr(lineBreak), " \t\r\n");
  if (!further.empty()) split.unshown.push_back({plugin::UnshownPart::Kind::FurtherLine, std::string(further)});
  return split;
}

std::vector<std::string> ArgumentWords(std::string_view arguments, plugin::UnshownParts& unshown) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false, quoted = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const char c = arguments[i];
    if (c == '"') {
      quoted = !quoted;
      inWord = true;
    } else if (quoted) {
      word.push_back(c);
    } else if (Redirections.find(c) != std::string_view::npos) {
      // "2>" and "1>" redirect a stream: the digit belongs to the redirection.
      std::size_t start = i;
      if (c != '|' && c != '&' && word.size() == 1 && word[0] >= '0' && word[0] <= '9' && arguments[i - 1] == word[0]) {
        start = i - 1;
        inWord = false;
      }
      unshown.push_back({plugin::UnshownPart::Kind::Redirection, std::string(Trimmed(arguments.substr(start)))});
      break;
    } else if (Blanks.find(c) != std::string_view::npos) {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word.push_back(c);
      inWord = true;
    }
  }
  if (inWord) words.push_back(word);
  return words;
}

std::vector<std::string> SplitSwitches(std::string_view word) {
  std::vector<std::string> switches;
  for (std::size_t start = 0; start < word.size();) {
    const std::size_t next = std::min(word.find('/', start + 1), word.size());
    switches.emplace_back(word.substr(start, next - start));
    start = next;
  }
  return switches;
}

}  // namespace commands
