// Words of a script line, for the editor's own word selection and word
// movement. Wine 8's rich edit control breaks its selection when it takes a
// word up to the end of a line, by a double click or by Ctrl+Right: the
// caret lands beyond the text, the status line counts lines the script does
// not have, what is typed next goes astray, and the control may crash a few
// keys later. The editor therefore selects such words itself. No windows.h.
#pragma once

#include <cstddef>
#include <string_view>

namespace brindle_edit {

struct TextSpan {
  std::size_t begin = 0;
  std::size_t end = 0;
};

// What a double click at `column` selects: the run of letters and digits,
// of blanks, or of other characters there; at the line's end the one
// before it; nothing in an empty line.
TextSpan WordAt(std::wstring_view line, std::size_t column);

// Whether the control's Ctrl+Right from `column` (past the characters up to
// the next blank, then past the blanks) would end at the line's end, where
// Wine 8's control breaks: it then belongs at the line's end.
bool WordMoveEndsLine(std::wstring_view line, std::size_t column);

}  // namespace brindle_edit
