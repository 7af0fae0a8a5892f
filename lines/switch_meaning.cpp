// A switch in the editor's words, from its command's switch table.
#include "lines/switch_table.h"

namespace lines {

Wording ExplainSwitch(std::span<const Switch> table, std::string_view given) {
  const SwitchMatch match = MatchSwitch(table, given);
  if (match.index < 0) return Wording().Quote(given).Words(" unbekannt");
  const Switch& known = table[static_cast<std::size_t>(match.index)];
  Wording explanation;
  explanation.LineText(given);
  if (match.value.empty() || match.value == ":") return explanation.Words(" ").Words(known.meaning);
  // The value without the colon that joins it to the name.
  const std::string_view value = match.value[0] == ':' ? match.value.substr(1) : match.value;
  const std::string_view meaning = known.valueMeaning;
  const std::size_t slot = meaning.find("{}");
  return explanation.Words(" ").Words(meaning.substr(0, slot)).LineText(value).Words(meaning.substr(slot + 2));
}

}  // namespace lines
