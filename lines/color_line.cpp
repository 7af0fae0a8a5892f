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

// The two indexes a word gives, background first: "9F", or "1" for text
// colour 1 on black. Both 0 when it is no colour.
State ColoursOf(std::string_view word) {
  if (word.size() == 1) return {IndexOf(word[0]) ? FirstColour : 0, IndexOf(word[0])};
  if (word.size() == 2) return {IndexOf(word[0]), IndexOf(word[1])};
  return {0, 0};
}

std::string Digits(const State& state) { return {Colours[state.background - 1].digit, Colours[state.text - 1].digit}; }

Wording ColourPart(std::string_view which, int index, char digit) {
  return Wording(which).Words(Colours[index - 1].name).Words(std::string(" (") + digit + ")");
}

Wording Explain(const CommandLine& line) {
  if (line.arguments.empty())
    return Wording("color: stellt die Farben wieder her, mit denen die Konsole gestartet wurde");
  const Argument& first = line.arguments[0];
  const State colours = ColoursOf(first.text);
  Wording explanation("color: ");
  if (!colours.background || !colours.text) {
    explanation.Quote(first.text).Words(" ist keine Farbangabe (zwei Hexziffern: Hintergrund, dann Text; eine allein "
                                        "ist die Textfarbe)");
  } else {
    const char backgroundDigit = first.text.size() == 1 ? '0' : first.text[0];
    explanation.Append(ColourPart("Hintergrund ", colours.background, backgroundDigit))
        .Append(ColourPart(", Text ", colours.text, first.text.back()));
    if (colours.background == colours.text) explanation.Words(" – gleiche Farben: color ändert nichts");
  }
  for (std::size_t i = 1; i < line.arguments.size(); ++i)
    explanation.Words("; ").Quote(line.arguments[i].written).Words(" unbekannt");
  return explanation;
}

void Warn(const CommandLine&, Warnings&) {}

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

const Model model{Forms, Explain, Warn};

}  // namespace lines::color
