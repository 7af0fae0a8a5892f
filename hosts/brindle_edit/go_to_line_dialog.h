// Ctrl+G, "Gehe zu Zeile…": a small modal dialog that asks for a line
// number, as Windows editors do.
#pragma once

#include <windows.h>

#include <optional>

namespace brindle_edit {

// Asks for a line number from 1 to `lines`, showing `current` first; a
// number outside says so and asks again. The number, or none on cancel.
std::optional<int> AskLineNumber(HWND owner, int current, int lines);

}  // namespace brindle_edit
