#include "hosts/console_code_page.h"

#include <windows.h>

namespace hosts {

std::string ToConsoleCodePage(std::wstring_view text, std::wstring* lost) {
  std::string bytes;
  bytes.reserve(text.size());
  for (wchar_t c : text) {
    if (c < 0x80) {  // the same in every console code page
      bytes.push_back(static_cast<char>(c));
      continue;
    }
    char converted[8];
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(CP_OEMCP, WC_NO_BEST_FIT_CHARS, &c, 1, converted, sizeof converted, "?",
                                         &usedDefault);
    bytes.append(converted, static_cast<std::size_t>(size));
    if (usedDefault && lost && lost->find(c) == std::wstring::npos) lost->push_back(c);
  }
  return bytes;
}

}  // namespace hosts
