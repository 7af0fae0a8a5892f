// The echo command's line: "echo " and the text exactly as typed, or
// "echo." for an empty text (a bare "echo" reports whether commands are
// shown). cmd.exe also reads "echo." "echo:" "echo/" and "echo(" as echo,
// printing what follows the mark as it stands.
#pragma once

#include <string>
#include <string_view>

#include "lines/line_frame.h"
#include "lines/line_model.h"

namespace lines::echo {

inline constexpr WordForms Forms{"echo", ".:/("};

// What the dialog shows: the text field.
struct State {
  std::string text;
};

// A line read for the dialog: the text after the word and the blank or
// mark that ends it, exactly; redirections are part of echo's text.
struct Reading {
  State state;
  LineFrame frame;
  char mark = '\0';  // ".", ":", "/" or "(" when the line has one
};
Reading Read(std::string_view line);

// The line for what the dialog shows. A mark of the line it was read from
// stays while the text is unchanged and needs it to keep its meaning
// ("echo.off" prints "off", "echo off" switches the display of commands off).
std::string Build(const State& state, const Reading& from = {});

extern const Model model;

}  // namespace lines::echo
