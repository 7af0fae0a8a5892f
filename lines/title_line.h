// The title command's line: "title " and the text exactly as typed. The
// dialog adds it only while the text holds more than blanks (a tab counts).
#pragma once

#include <string>
#include <string_view>

#include "lines/line_frame.h"
#include "lines/line_model.h"

namespace lines::title {

inline constexpr WordForms Forms{"title", ""};

struct State {
  std::string text;
};

// The text after the word and its blank, exactly, redirections included;
// a text of blanks too, which "Hinzufügen" will not take.
struct Reading {
  State state;
  LineFrame frame;
};
Reading Read(std::string_view line);

std::string Build(const State& state, const Reading& from = {});

// The text without its blanks (character 32); every other character stays.
std::string BlankFreeText(std::string_view text);

extern const Model model;

}  // namespace lines::title
