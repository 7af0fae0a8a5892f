#include "lines/switch_table.h"

#include "lines/command_line.h"

namespace lines {

SwitchMatch MatchSwitch(std::span<const Switch> table, std::string_view given) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    const Switch& known = table[i];
    if (EqualIgnoringCase(given, known.name)) return {static_cast<int>(i), {}};
    if (!known.TakesValue() || !StartsIgnoringCase(given, known.name)) continue;
    const std::string_view value = given.substr(known.name.size());
    if (known.name.ends_with(':')) return {static_cast<int>(i), value};
    if (value.size() > 1 && value[0] == ':') return {static_cast<int>(i), value};
  }
  return {};
}

void ReadSwitchWord(std::span<const Switch> table, const Argument& word, std::span<bool> checked,
                    std::span<std::string> values, LineFrame& frame) {
  std::size_t at = word.at;
  // A word with quotes or carets is not taken apart: its pieces would lose
  // them ("/x"a  b/f" is one argument to the command, with two blanks in it).
  const bool plain = word.written == word.text;
  const auto keep = [&](std::string_view given) {
    if (plain) frame.KeepSwitch(given, at);
    else frame.Keep(word, "");
  };
  for (std::string_view given : plain ? Switches(word.text) : std::vector<std::string_view>{word.text}) {
    const SwitchMatch match = MatchSwitch(table, given);
    const auto box = static_cast<std::size_t>(match.index);
    std::string& value = box < values.size() ? values[box] : values[0];
    // The first of a box's switches gives its form; a repeat of it changes
    // nothing, another value or the form without one ("/l" beside "/l:4096")
    // stays as it stood.
    if (match.index < 0 || box >= checked.size() || (checked[box] && value != match.value)) {
      keep(given);
    } else if (!checked[box]) {
      if (!match.value.empty()) frame.remarks.Keep(at, Wording().Quote(given));
      value = match.value;
      checked[box] = true;
    }
    at += given.size();
  }
}

}  // namespace lines
