#include "hosts/brindle_edit/command_explanation.h"

#include <array>
#include <cwctype>
#include <vector>

namespace brindle_edit {

namespace {

constexpr std::wstring_view Separator = L"; ";

std::wstring Lower(std::wstring_view text) {
  std::wstring lower(text);
  for (wchar_t& c : lower) c = static_cast<wchar_t>(std::towlower(static_cast<std::wint_t>(c)));
  return lower;
}

std::wstring_view Trimmed(std::wstring_view text) {
  const auto first = text.find_first_not_of(L" \t");
  if (first == std::wstring_view::npos) return {};
  const auto last = text.find_last_not_of(L" \t");
  return text.substr(first, last - first + 1);
}

// Only leading blanks: the blanks at the end of an echo text are printed too.
std::wstring_view LeftTrimmed(std::wstring_view text) {
  const auto first = text.find_first_not_of(L" \t");
  return first == std::wstring_view::npos ? std::wstring_view() : text.substr(first);
}

std::wstring Quoted(std::wstring_view text) { return std::wstring(L"„").append(text).append(L"“"); }

// Blank-separated words; a double-quoted part belongs to its word, quotes removed.
std::vector<std::wstring> Words(std::wstring_view text) {
  std::vector<std::wstring> words;
  std::wstring word;
  bool inWord = false, quoted = false;
  for (wchar_t c : text) {
    if (c == L'"') {
      quoted = !quoted;
      inWord = true;
    } else if ((c == L' ' || c == L'\t') && !quoted) {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word.push_back(c);
      inWord = true;
    }
  }
  if (inWord) words.push_back(word);
  return words;
}

std::wstring Warning(std::wstring_view text) {
  const std::wstring special = ConsoleSpecialCharacters(text);
  if (special.empty()) return {};
  std::wstring warning = L" – Achtung, Sonderzeichen der Konsole:";
  for (wchar_t c : special) warning.append(L" ").push_back(c);
  return warning.append(L" (mit ^ davor werden sie angezeigt, % als %%)");
}

std::wstring ExplainEcho(std::wstring_view wordTail, std::wstring_view arguments) {
  // "echo." and "echo:" print what follows the mark, an empty line without it.
  if (!wordTail.empty()) {
    const std::wstring_view text = wordTail.substr(1);
    std::wstring all(text);
    if (!arguments.empty()) all.append(L" ").append(arguments);
    if (all.empty()) return L"echo.: gibt eine leere Zeile aus";
    return L"echo.: gibt " + Quoted(all) + L" aus" + Warning(all);
  }
  const std::wstring lower = Lower(Trimmed(arguments));
  if (lower.empty()) return L"echo: zeigt, ob die Befehlsanzeige ein- oder ausgeschaltet ist";
  if (lower == L"on") return L"echo on: schaltet die Befehlsanzeige ein";
  if (lower == L"off") return L"echo off: schaltet die Befehlsanzeige aus";
  return L"echo: gibt " + Quoted(arguments) + L" aus" + Warning(arguments);
}

std::wstring ExplainTitle(std::wstring_view arguments) {
  if (Trimmed(arguments).empty()) return L"title: ohne Text bleibt der Titel des Konsolenfensters leer";
  return L"title: setzt den Titel des Konsolenfensters auf " + Quoted(arguments) + Warning(arguments);
}

constexpr std::array<std::wstring_view, 16> ColourNames = {
    L"Schwarz", L"Dunkelblau", L"Dunkelgrün", L"Blaugrün", L"Dunkelrot", L"Lila", L"Ocker", L"Hellgrau",
    L"Dunkelgrau", L"Blau", L"Grün", L"Zyan", L"Rot", L"Magenta", L"Gelb", L"Weiß"};

int HexDigit(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

std::wstring ExplainColor(std::wstring_view arguments) {
  const std::wstring_view digits = Trimmed(arguments);
  if (digits.empty()) return L"color: stellt die Farben wieder her, mit denen die Konsole gestartet wurde";
  const int background = digits.size() == 2 ? HexDigit(digits[0]) : -1;
  const int text = digits.size() == 2 ? HexDigit(digits[1]) : -1;
  if (background < 0 || text < 0)
    return L"color: " + Quoted(digits) + L" ist keine Farbangabe (zwei Hexziffern: Hintergrund, dann Text)";
  std::wstring explanation = L"color: Hintergrund ";
  explanation.append(ColourNames[background]).append(L" (").push_back(digits[0]);
  explanation.append(L"), Text ").append(ColourNames[text]).append(L" (").push_back(digits[1]);
  explanation.append(L")");
  if (background == text) explanation.append(L" – gleiche Farben: color ändert nichts");
  return explanation;
}

struct Switch {
  std::wstring_view name;  // lower case
  std::wstring_view meaning;
};

constexpr std::array<Switch, 7> ChkdskSwitches = {{
    {L"/f", L"Fehler beheben"},
    {L"/v", L"geprüfte Dateien anzeigen"},
    {L"/r", L"fehlerhafte Sektoren suchen, lesbare Daten retten (mit /f)"},
    {L"/x", L"Laufwerk vorher trennen (mit /f)"},
    {L"/i", L"Indexeinträge weniger gründlich prüfen"},
    {L"/c", L"Schleifen in der Ordnerstruktur nicht prüfen"},
    {L"/l", L"Größe der Protokolldatei anzeigen"},
}};

constexpr std::array<Switch, 25> XcopySwitches = {{
    {L"/a", L"nur Dateien mit Archivattribut, das bleibt"},
    {L"/m", L"nur Dateien mit Archivattribut, das danach gelöscht wird"},
    {L"/d", L"nur Dateien, die neuer sind als im Ziel"},
    {L"/exclude:", L"Dateien aus einer Ausschlussliste überspringen"},
    {L"/p", L"vor jeder Zieldatei nachfragen"},
    {L"/s", L"Unterordner, die nicht leer sind"},
    {L"/e", L"alle Unterordner, auch leere"},
    {L"/v", L"jede neue Datei prüfen"},
    {L"/w", L"vor dem Kopieren auf eine Taste warten"},
    {L"/c", L"bei Fehlern weitermachen"},
    {L"/i", L"fehlendes Ziel ist ein Ordner"},
    {L"/q", L"keine Dateinamen anzeigen"},
    {L"/f", L"Quell- und Zielnamen anzeigen"},
    {L"/l", L"nur auflisten, nichts kopieren"},
    {L"/h", L"auch versteckte und Systemdateien"},
    {L"/r", L"schreibgeschützte Dateien überschreiben"},
    {L"/t", L"nur die Ordnerstruktur anlegen"},
    {L"/u", L"nur Dateien, die es im Ziel schon gibt"},
    {L"/k", L"Attribute mitkopieren"},
    {L"/n", L"kurze Dateinamen verwenden"},
    {L"/o", L"Besitzer und Zugriffsrechte mitkopieren"},
    {L"/x", L"auch Überwachungseinstellungen (mit /o)"},
    {L"/y", L"Überschreiben ohne Nachfrage"},
    {L"/z", L"im Neustartmodus kopieren"},
    {L"/-y", L"vor dem Überschreiben nachfragen"},
}};

template <std::size_t N>
std::wstring ExplainSwitch(const std::array<Switch, N>& switches, const std::wstring& word) {
  const std::wstring lower = Lower(word);
  for (const Switch& known : switches) {
    // A switch may carry a value: /l:4096, /d:01-31-2026, /exclude:liste.txt.
    const bool takesValue = known.name.back() == L':' || known.name == L"/l" || known.name == L"/d";
    const bool matches = lower == known.name ||
                         (takesValue && lower.rfind(known.name, 0) == 0 &&
                          (known.name.back() == L':' || lower[known.name.size()] == L':'));
    if (matches) return word + L" " + std::wstring(known.meaning);
  }
  return Quoted(word) + L" unbekannt";
}

std::wstring ExplainChkdsk(std::wstring_view arguments) {
  std::wstring explanation = L"chkdsk: ";
  bool driveNamed = false;
  std::wstring switches;
  for (const std::wstring& word : Words(arguments)) {
    if (word.size() == 2 && word[1] == L':' && std::iswalpha(static_cast<std::wint_t>(word[0]))) {
      explanation.append(L"prüft Laufwerk ").append(word);
      driveNamed = true;
    } else {
      switches.append(Separator).append(ExplainSwitch(ChkdskSwitches, word));
    }
  }
  if (!driveNamed) explanation.append(L"prüft das aktuelle Laufwerk");
  return explanation + switches;
}

std::wstring ExplainXcopy(std::wstring_view arguments) {
  std::vector<std::wstring> folders;
  std::wstring switches;
  for (const std::wstring& word : Words(arguments)) {
    if (!word.empty() && word[0] == L'/')
      switches.append(Separator).append(ExplainSwitch(XcopySwitches, word));
    else
      folders.push_back(word);
  }
  std::wstring explanation = L"xcopy: kopiert ";
  if (folders.empty()) return explanation + L"nichts: die Quelle fehlt" + switches;
  explanation.append(Quoted(folders[0]));
  if (folders.size() < 2 || folders[1].empty())
    explanation.append(L" in den aktuellen Ordner");
  else
    explanation.append(L" nach ").append(Quoted(folders[1]));
  return explanation + switches;
}

}  // namespace

std::wstring ConsoleSpecialCharacters(std::wstring_view text) {
  std::wstring found;
  for (wchar_t c : text)
    if (std::wstring_view(L"&|<>^%").find(c) != std::wstring_view::npos && found.find(c) == std::wstring::npos)
      found.push_back(c);
  return found;
}

std::wstring ExplainLine(std::wstring_view line) {
  std::wstring_view rest = LeftTrimmed(line);
  if (!rest.empty() && rest[0] == L'@') rest = LeftTrimmed(rest.substr(1));
  const std::size_t wordEnd = std::min(rest.find_first_of(L" \t"), rest.size());
  const std::wstring word = Lower(rest.substr(0, wordEnd));
  // Everything after the one blank that ends the command word, blanks kept.
  const std::wstring_view arguments = wordEnd < rest.size() ? rest.substr(wordEnd + 1) : std::wstring_view();
  if (word.rfind(L"echo", 0) == 0 && (word.size() == 4 || word[4] == L'.' || word[4] == L':'))
    return ExplainEcho(rest.substr(4, wordEnd - 4), arguments);
  if (word == L"title") return ExplainTitle(arguments);
  if (word == L"color") return ExplainColor(arguments);
  if (word == L"chkdsk") return ExplainChkdsk(arguments);
  if (word == L"xcopy") return ExplainXcopy(arguments);
  return {};
}

}  // namespace brindle_edit
