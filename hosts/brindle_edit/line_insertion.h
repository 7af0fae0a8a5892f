// Where the editor puts a command line that a dialog returned: always as a
// line of its own, so that the user's lines are never split.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace brindle_edit {

struct LineInsertion {
  std::size_t position = 0;  // where `text` goes into the document
  std::wstring text;         // the line with the line break it needs
  std::size_t caretAfter = 0;
};

// With the caret at the start of a line the new line goes above that line,
// otherwise below the caret's line. The caret ends at the end of the new
// line, so that a second command follows the first. A line ends in "\r\n",
// "\n" or "\r" (the rich edit control's own); the new one in `lineBreak`.
LineInsertion InsertLine(std::wstring_view document, std::size_t caret, std::wstring_view line,
                         std::wstring_view lineBreak = L"\r\n");

}  // namespace brindle_edit
