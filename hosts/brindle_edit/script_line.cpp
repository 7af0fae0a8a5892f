#include "hosts/brindle_edit/script_line.h"

#include <algorithm>
#include <cwctype>

namespace brindle_edit {

namespace {

constexpr std::wstring_view Blanks = L" \t";
// cmd reads "echo" followed by one of these as echo, printing what follows
// the mark; "echo." alone prints an empty line.
constexpr std::wstring_view EchoMarks = L".:/(";
constexpr std::size_t LongestQuote = 60;

std::wstring_view LeftTrimmed(std::wstring_view text) {
  const auto first = text.find_first_not_of(Blanks);
  return first == std::wstring_view::npos ? std::wstring_view() : text.substr(first);
}

}  // namespace

std::wstring Quoted(std::wstring_view text) {
  const bool shortened = text.size() > LongestQuote;
  return std::wstring(L"„").append(text.substr(0, shortened ? LongestQuote - 1 : text.size())).append(shortened ? L"…“" : L"“");
}

std::wstring Lower(std::wstring_view text) {
  std::wstring lower(text);
  for (wchar_t& c : lower) c = static_cast<wchar_t>(std::towlower(static_cast<std::wint_t>(c)));
  return lower;
}

std::wstring_view Trimmed(std::wstring_view text) {
  text = LeftTrimmed(text);
  return text.substr(0, text.find_last_not_of(Blanks) + 1);
}

std::vector<std::wstring> Words(std::wstring_view text) {
  std::vector<std::wstring> words;
  std::wstring word;
  bool inWord = false, quoted = false;
  for (wchar_t c : text) {
    if (c == L'"') {
      quoted = !quoted;
      inWord = true;
    } else if (Blanks.find(c) != std::wstring_view::npos && !quoted) {
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

ScriptLine SplitLine(std::wstring_view line) {
  ScriptLine split;
  split.rest = LeftTrimmed(line);
  if (!split.rest.empty() && split.rest[0] == L'@') split.rest = LeftTrimmed(split.rest.substr(1));
  const std::size_t wordEnd = std::min(split.rest.find_first_of(Blanks), split.rest.size());
  split.wordText = split.rest.substr(0, wordEnd);
  split.word = Lower(split.wordText);
  if (split.word.size() > 4 && split.word.starts_with(L"echo") && EchoMarks.find(split.word[4]) != std::wstring_view::npos)
    split.word.resize(4);
  split.blankAfterWord = wordEnd < split.rest.size();
  if (split.blankAfterWord) split.arguments = split.rest.substr(wordEnd + 1);
  return split;
}

std::wstring_view CommandText(const ScriptLine& line) {
  return line.wordText.size() > line.word.size() ? line.rest.substr(line.word.size() + 1) : line.arguments;
}

}  // namespace brindle_edit
