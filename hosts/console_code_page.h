// The console's code page, the OEM one in which cmd.exe reads scripts (850
// on a German Windows, 437 on an English one): both hosts write scripts in it.
#pragma once

#include <string>
#include <string_view>

namespace hosts {

// `text` in the console's code page. A character it lacks becomes "?", never
// a look-alike ("Š" does not quietly become "S"), and is added to `lost`
// once, when given.
std::string ToConsoleCodePage(std::wstring_view text, std::wstring* lost = nullptr);

}  // namespace hosts
