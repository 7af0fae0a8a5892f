// The color command's line and its sixteen console colours: "color ", the
// background's digit, then the text's. The colour table is the one list of
// the colours: the dialog's swatches, the editor's names and the help page.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "lines/line_frame.h"
#include "lines/line_model.h"

namespace lines::color {

inline constexpr WordForms Forms{"color", "", "/"};

struct Colour {
  char digit;  // as the console writes it: "0" to "9", then "A" to "F"
  unsigned char red, green, blue;
  std::string_view name;  // as the status line and the help page call it
};

// Colour index 1 to 16 is entry index - 1.
inline constexpr int FirstColour = 1;
inline constexpr int LastColour = 16;
extern const std::array<Colour, LastColour> Colours;

// A new line starts with white text ("F") on bright blue ("9").
struct State {
  int background = 10;
  int text = 16;
};

// The two colours of a line: two different digits in either case, or one
// (the text colour, on black). What color cannot take as two different
// colours leaves the start colours and is named.
struct Reading {
  State state;
  LineFrame frame;
};
Reading Read(std::string_view line);

// "color " and the two digits; always eight characters for a new line.
std::string Build(const State& state, const Reading& from = {});

extern const Model model;

}  // namespace lines::color
