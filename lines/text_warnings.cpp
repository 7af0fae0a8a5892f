#include "lines/text_warnings.h"

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

bool HasLonePercent(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') continue;
    if (i + 1 == text.size()) return true;
    const char next = text[i + 1];
    if (next == '%' || next == '*' || next == '~' || (next >= '0' && next <= '9')) {
      ++i;
      continue;
    }
    // %NAME% with a name of no blanks and quotes (%DATE%, %PFAD:~0,2%).
    const std::size_t close = text.find_first_of("% \t\"", i + 1);
    if (close == std::string_view::npos || text[close] != '%' || close == i + 1) return true;
    i = close;
  }
  return false;
}

}  // namespace lines
