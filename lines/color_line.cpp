#include "lines/color_line.h"

namespace lines::color {

const std::array<Colour, LastColour> Colours = {{
    {'0', 0, 0, 0, "Schwarz"},         {'1', 0, 0, 128, "Dunkelblau"},     {'2', 0, 128, 0, "Dunkelgrün"},
    {'3', 0, 128, 128, "Blaugrün"},    {'4', 128, 0, 0, "Dunkelrot"},      {'5', 128, 0, 128, "Violett"},
    {'6', 128, 128, 0, "Olivgrün"},    {'7', 192, 192, 192, "Hellgrau"},   {'8', 128, 128, 128, "Dunkelgrau"},
    {'9', 0, 0, 255, "Blau"},          {'A', 0, 255, 0, "Hellgrün"},       {'B', 0, 255, 255, "Türkis"},
    {'C', 255, 0, 0, "Rot"},           {'D', 255, 0, 255, "Magenta"},      {'E', 255, 255, 0, "Gelb"},
    {'F', 255, 255, 255, "Weiß"},
}};

namespace {

// The colour index of a digit "0" to "F" in either case; 0 for any other character.
int IndexOf(char digit) {
  const char upper = digit >= 'a' && digit <= 'f' ? static_cast<char>(digit - 'a' + 'A') : digit;
  for (int index = FirstColour; index <= LastColour; ++index)
    if (Colours[index - 1].digit == upper) return index;
  return 0;
}

}  // namespace

State ColoursOf(std::string_view word) {
  if (word.size() == 1) return {IndexOf(word[0]) ? FirstColour : 0, IndexOf(word[0])};
  if (word.size() == 2) return {IndexOf(word[0]), IndexOf(word[1])};
  return {0, 0};
}

namespace {

std::string Digits(const State& state) { return {Colours[state.background - 1].digit, Colours[state.text - 1].digit}; }

}  // namespace

Reading Read(std::string_view line) {
  const CommandLine split = ReadCommandLine(line, Forms);
  Reading read{{}, ReadFrame(split, false)};
  if (!split.ours) return read;
  const std::string start = " " + Digits(read.state) + " gewählt";
  if (split.arguments.empty()) read.frame.remarks.Say(split.restAt, Wording("ohne Farben in der Zeile:").Words(start));
  for (std::size_t i = 0; i < split.arguments.size(); ++i) {
    const Argument& word = split.arguments[i];
    const State colours = ColoursOf(word.text);
    if (i > 0 || word.text.starts_with("/")) {
      read.frame.Keep(word);
    } else if (!colours.background || !colours.text) {
      read.frame.remarks.Say(word.at, Wording("keine Farben ").Quote(word.written).Words(":").Words(start));
    } else if (colours.background == colours.text) {
      read.frame.remarks.Say(word.at, Wording("gleiche Farben ").Quote(word.written).Words(":").Words(start));
    } else {
      read.state = colours;
    }
  }
  if (!split.arguments.empty() && split.arguments[0].text.starts_with("/"))
    read.frame.remarks.Say(split.restAt, Wording("ohne Farben in der Zeile:").Words(start));
  return read;
}

std::string Build(const State& state, const Reading& from) { return from.frame.Around("color " + Digits(state)); }

}  // namespace lines::color
