// The color dialog's sixteen console colours and its command line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "plugin/unshown_parts.h"

namespace commands {

inline constexpr int FirstColour = 1;
inline constexpr int LastColour = 16;
// A new line starts with white text ("F") on bright blue ("9").
inline constexpr int StartTextColour = 16;
inline constexpr int StartBackgroundColour = 10;

// The colour value of colour index 1 to 16 (the console's colour i - 1).
std::uint32_t ConsoleColourValue(int index);

// The console's digit for colour index 1 to 16: "0" to "9", then "A" to "F".
char ColourDigit(int index);

// "color ", the background's digit, then the text's: always eight characters.
std::string ColorCommandText(int backgroundIndex, int textIndex);

// The swatches a line selects: two different colour digits, in either case.
// Equal colours, other digits or none give the start colours.
struct ColorLine {
  int backgroundIndex = StartBackgroundColour;
  int textIndex = StartTextColour;
  plugin::UnshownParts unshown;
};
ColorLine ReadColorLine(std::string_view line);

}  // namespace commands
