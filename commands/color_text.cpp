#include "commands/color_text.h"

#include <array>

#include "commands/line_reading.h"
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

// The colour index of a digit "0" to "F" in either case; 0 for any other character.
int ColourIndex(char digit) {
  if (digit >= '0' && digit <= '9') return digit - '0' + FirstColour;
  if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10 + FirstColour;
  if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10 + FirstColour;
  return 0;
}
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

ColorLine ReadColorLine(std::string_view line) {
  CommandLine split = SplitCommandLine(line, "color", " \t", "/");
  ColorLine read;
  read.unshown = std::move(split.unshown);
  const std::vector<std::string> words = ArgumentWords(split.arguments, read.unshown);
  for (std::size_t i = 0; i < words.size(); ++i) {
    using Kind = plugin::UnshownPart::Kind;
    const std::string& word = words[i];
    const int background = word.size() == 2 ? ColourIndex(word[0]) : 0;
    const int text = word.size() == 2 ? ColourIndex(word[1]) : 0;
    if (i > 0) {
      read.unshown.push_back({Kind::Unknown, word});
    } else if (!background || !text) {
      read.unshown.push_back({Kind::NoColours, word});
    } else if (background == text) {
      read.unshown.push_back({Kind::EqualColours, word});
    } else {
      read.backgroundIndex = background;
      read.textIndex = text;
    }
  }
  return read;
}

}  // namespace commands
