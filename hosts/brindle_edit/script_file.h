// Reading and writing command scripts. cmd.exe reads a script in the
// console's OEM code page (850 on a German Windows), so that is what the
// editor writes: umlauts typed here show as umlauts when the script runs.
// A file that starts with the UTF-8 mark stays UTF-8 with its mark.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "hosts/brindle_edit/script_text.h"

namespace brindle_edit {

// Scripts are small; a file beyond this is not one.
inline constexpr std::size_t LargestScript = 64 * 1024 * 1024;

struct Script {
  std::wstring text;  // lines end in "\r\n"
  ScriptEncoding encoding = ScriptEncoding::ConsoleOem;
};

// The file's text, or the system error code in `error` (0 on success).
Script ReadScript(const std::wstring& path, DWORD& error);

// The characters of `text` that the encoding cannot hold, each once: they
// would be written as "?".
std::wstring CharactersLost(std::wstring_view text, ScriptEncoding encoding);

// Writes into a new file beside the old one and then replaces it, so that a
// failed write never leaves half a script. The file ends with a line break
// (WithFinalLineBreak); characters the encoding lacks become "?". Returns the system error code, 0
// on success.
DWORD WriteScript(const std::wstring& path, std::wstring_view text, ScriptEncoding encoding);

}  // namespace brindle_edit
