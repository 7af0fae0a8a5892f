#include "hosts/brindle_edit/word_bounds.h"

namespace brindle_edit {

namespace {

enum class CharacterKind { Blank, Word, Other };

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

// Letters beyond ASCII (umlauts, "ß") belong to words; the no-break space does not.
CharacterKind KindOf(wchar_t c) {
  if (IsBlank(c)) return CharacterKind::Blank;
  const bool asciiWord = (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') || c == L'_';
  return asciiWord || (c >= 0x80 && c != 0xA0) ? CharacterKind::Word : CharacterKind::Other;
}

}  // namespace

TextSpan WordAt(std::wstring_view line, std::size_t column) {
  if (line.empty()) return {};
  if (column >= line.size()) column = line.size() - 1;
  const CharacterKind kind = KindOf(line[column]);
  TextSpan word = {column, column + 1};
  while (word.begin > 0 && KindOf(line[word.begin - 1]) == kind) --word.begin;
  while (word.end < line.size() && KindOf(line[word.end]) == kind) ++word.end;
  return word;
}

bool WordMoveEndsLine(std::wstring_view line, std::size_t column) {
  if (column >= line.size()) return false;  // from the line's end the control goes on to the next line
  while (column < line.size() && !IsBlank(line[column])) ++column;
  while (column < line.size() && IsBlank(line[column])) ++column;
  return column == line.size();
}

}  // namespace brindle_edit
