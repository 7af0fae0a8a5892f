// The color dialog's sixteen console colours and its command line.
#pragma once

#include <cstdint>
#include <string>

namespace commands {

inline constexpr int FirstColour = 1;
inline constexpr int LastColour = 16;

// The colour value of colour index 1 to 16 (the console's colour i - 1).
std::uint32_t ConsoleColourValue(int index);

// The console's digit for colour index 1 to 16: "0" to "9", then "A" to "F".
char ColourDigit(int index);

// "color ", the background's digit, then the text's: always eight characters.
std::string ColorCommandText(int backgroundIndex, int textIndex);

}  // namespace commands
