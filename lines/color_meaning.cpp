// What a color line does, colour by colour, in the editor's words.
#include "lines/color_line.h"

namespace lines::color {

namespace {

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

const Model model{Forms, "Konsolenfarben", Explain, Warn};

}  // namespace lines::color
