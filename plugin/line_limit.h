// The longest line a dialog opens from: cmd.exe reads no command line of
// more than 8,191 characters. A longer one is measured without being copied
// and is not taken over; its notice says why. The hosts read the limit
// through the library's command list and may refuse such a line themselves.
// No windows.h.
#pragma once

#include <cstddef>
#include <string>

namespace plugin {

inline constexpr std::size_t LongestLine = 8191;

// The length of the zero-terminated `line`, read no further than one
// character past LongestLine: a longer line gives LongestLine + 1.
std::size_t LengthUpToLimit(const char* line);

// "Zeile zu lang: 8192 Zeichen, höchstens 8191", for a line of `length` characters.
std::string LineTooLongNotice(std::size_t length);

}  // namespace plugin
