// The sixteen console colours by their hexadecimal digit, with the names
// that the status line and the help page "color" both use.
#pragma once

#include <array>
#include <string_view>

namespace brindle_edit {

inline constexpr std::array<std::wstring_view, 16> ColourNames = {
    L"Schwarz",    L"Dunkelblau", L"Dunkelgrün", L"Blaugrün", L"Dunkelrot", L"Violett", L"Olivgrün", L"Hellgrau",
    L"Dunkelgrau", L"Blau",       L"Hellgrün",   L"Türkis",   L"Rot",       L"Magenta", L"Gelb",     L"Weiß"};

}  // namespace brindle_edit
