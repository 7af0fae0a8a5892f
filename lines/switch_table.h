// A command's switches as its dialog and the editor know them.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "lines/command_line.h"
#include "lines/line_frame.h"
#include "lines/wording.h"

namespace lines {

struct Switch {
  std::string_view name;  // as the dialog writes it: "/f", "/EXCLUDE:"
  // What the editor says it does; with a value ("/l:4096") the second
  // text, "{}" standing for the value. Without one, the switch takes none.
  std::string_view meaning;
  std::string_view valueMeaning = {};
  bool TakesValue() const { return !valueMeaning.empty(); }
};

// Which switch of `table` `given` is, in either case, and the value it
// carries after its name ("/D:1-31-2026" gives ":1-31-2026"; the value of
// "/EXCLUDE:" follows the colon of its name). -1 when none: another switch,
// or a value for a switch that takes none.
struct SwitchMatch {
  int index = -1;
  std::string_view value;
};
SwitchMatch MatchSwitch(std::span<const Switch> table, std::string_view given);

// Reads a word of switches ("/s/E", "/D:12-31-2025") into a dialog's
// boxes, the first rows of `table`, one a row: `checked` and the values
// their switches carry. A switch of no box, or a second, different form of
// a box's switch, goes back as it stood; a value is named as kept.
void ReadSwitchWord(std::span<const Switch> table, const Argument& word, std::span<bool> checked,
                    std::span<std::string> values, LineFrame& frame);

// "/f Fehler beheben", or "„/q“ unbekannt" for a switch no table row knows.
Wording ExplainSwitch(std::span<const Switch> table, std::string_view given);

}  // namespace lines
