// A command's switches as its dialog and the editor know them.
#pragma once

#include <span>
#include <string>
#include <string_view>

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

// "/f Fehler beheben", or "„/q“ unbekannt" for a switch no table row knows.
Wording ExplainSwitch(std::span<const Switch> table, std::string_view given);

}  // namespace lines
