#include "commands/color_text.h"

#include <array>

#include "toolkit/colour.h"

namespace commands {

namespace {
using toolkit::MakeColour;
constexpr std::array<std::uint32_t, LastColour> ConsoleColours = {
    MakeColour(0, 0, 0),       MakeColour(0, 0, 128),     MakeColour(0, 128, 0),
    MakeColour(0, 128, 128),   MakeColour(128, 0, 0),     MakeColour(128, 0, 128),
    MakeColour(128, 128, 0),   MakeColour(192, 192, 192), MakeColour(128, 128, 128),
    MakeColour(0, 0, 255),     MakeColour(0, 255, 0),     MakeColour(0, 255, 255),
    MakeColour(255, 0, 0),     MakeColour(255, 0, 255),   MakeColour(255, 255, 0),
    MakeColour(255, 255, 255),
};

bool InRange(int index) { return index >= FirstColour && index <= LastColour; }
}  // namespace

std::uint32_t ConsoleColourValue(int index) { return InRange(index) ? ConsoleColours[index - 1] : 0; }

char ColourDigit(int index) {
  return InRange(index) ? "0123456789ABCDEF"[index - 1] : '?';
}

std::string ColorCommandText(int backgroundIndex, int textIndex) {
  std::string line = "color ";
  line += ColourDigit(backgroundIndex);
  line += ColourDigit(textIndex);
  return line;
}

}  // namespace commands
