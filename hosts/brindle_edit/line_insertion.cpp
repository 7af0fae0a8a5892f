#include "hosts/brindle_edit/line_insertion.h"

#include <algorithm>

namespace brindle_edit {

LineInsertion InsertLine(std::wstring_view document, std::size_t caret, std::wstring_view line) {
  caret = std::min(caret, document.size());
  LineInsertion insertion;
  const bool atLineStart = caret == 0 || document[caret - 1] == L'\n';
  if (atLineStart) {
    insertion.position = caret;
    insertion.text.assign(line).append(L"\r\n");
    insertion.caretAfter = caret + line.size();
    return insertion;
  }
  std::size_t lineEnd = document.find(L'\n', caret);
  if (lineEnd == std::wstring_view::npos) {
    lineEnd = document.size();
  } else if (lineEnd > 0 && document[lineEnd - 1] == L'\r') {
    --lineEnd;
  }
  insertion.position = lineEnd;
  insertion.text.assign(L"\r\n").append(line);
  insertion.caretAfter = lineEnd + insertion.text.size();
  return insertion;
}

}  // namespace brindle_edit
