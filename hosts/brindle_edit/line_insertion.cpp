#include "hosts/brindle_edit/line_insertion.h"

#include <algorithm>

namespace brindle_edit {

LineInsertion InsertLine(std::wstring_view document, std::size_t caret, std::wstring_view line,
                         std::wstring_view lineBreak) {
  caret = std::min(caret, document.size());
  // Between the two characters of "\r\n" is the end of that line.
  if (caret > 0 && caret < document.size() && document[caret - 1] == L'\r' && document[caret] == L'\n') --caret;
  LineInsertion insertion;
  if (caret == 0 || document[caret - 1] == L'\n' || document[caret - 1] == L'\r') {
    insertion.position = caret;
    insertion.text.assign(line).append(lineBreak);
    insertion.caretAfter = caret + line.size();
    return insertion;
  }
  insertion.position = std::min(document.find_first_of(L"\r\n", caret), document.size());
  insertion.text.assign(lineBreak).append(line);
  insertion.caretAfter = insertion.position + insertion.text.size();
  return insertion;
}

}  // namespace brindle_edit
