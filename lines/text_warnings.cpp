#include "lines/text_warnings.h"

#include <algorithm>
#include <string>

namespace lines {

void WarnAboutSpecials(std::string_view text, Warnings& warnings) {
  std::string found;
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"') quoted = !quoted;
    if (quoted || std::string_view("&|<>^").find(c) == std::string_view::npos) continue;
    if (c == '^' && i + 1 < text.size()) {
      ++i;  // the escaped character; a ^ at the line's end joins the next line
      continue;
    }
    if (found.find(c) == std::string::npos) found.push_back(c);
  }
  if (found.empty()) return;
  std::string label = "Sonderzeichen", escaped;
  for (char c : found) {
    label.append(" ").push_back(c);
    escaped.append(" ^").push_back(c);
  }
  warnings.push_back({Wording(label),
                      Wording("cmd liest & und | als Befehlstrenner, < und > als Umleitung und ^ am Zeilenende als "
                              "Verbindung zur nächsten Zeile: der Text erscheint so nicht. Mit ^ davor erscheint das "
                              "Zeichen:" + escaped + ".")});
}

std::vector<PercentReference> PercentReferences(std::string_view text) {
  using Kind = PercentReference::Kind;
  std::vector<PercentReference> references;
  for (std::size_t i = text.find('%'); i != std::string_view::npos; i = text.find('%', i)) {
    const std::size_t at = i++;
    const char next = i < text.size() ? text[i] : '\0';
    if (next == '%') {
      references.push_back({Kind::Percent, at, 2, {}, {}});
      ++i;
    } else if (next == '*' || (next >= '0' && next <= '9')) {
      references.push_back({Kind::Parameter, at, 2, text.substr(i, 1), {}});
      ++i;
    } else if (next == '~') {
      // "%~" and its modifiers up to the parameter's digit: "%~dp0", "%~$PATH:1".
      std::size_t end = i + 1;
      while (end < text.size() && std::string_view("%\" \t").find(text[end]) == std::string_view::npos &&
             !(text[end] >= '0' && text[end] <= '9'))
        ++end;
      end = end < text.size() && text[end] >= '0' && text[end] <= '9' ? end + 1 : i + 1;
      references.push_back({Kind::Parameter, at, end - at, text.substr(i, end - i), {}});
      i = end;
    } else {
      const std::size_t close = text.find_first_of("% \t\"", i);
      if (close == std::string_view::npos || text[close] != '%' || close == i) {
        references.push_back({Kind::Lone, at, 1, {}, {}});
        continue;
      }
      const std::string_view inside = text.substr(i, close - i);
      const std::size_t colon = std::min(inside.find(':'), inside.size());
      references.push_back({Kind::Variable, at, close + 1 - at, inside.substr(0, colon), inside.substr(colon)});
      i = close + 1;
    }
  }
  return references;
}

bool HasLonePercent(std::string_view text) {
  for (const PercentReference& reference : PercentReferences(text))
    if (reference.kind == PercentReference::Kind::Lone) return true;
  return false;
}

}  // namespace lines
