#include "hosts/brindle_edit/command_explanation.h"

#include <array>
#include <cwctype>

#include "hosts/brindle_edit/colour_names.h"
#include "hosts/brindle_edit/script_line.h"

namespace brindle_edit {

namespace {

constexpr std::wstring_view Separator = L"; ";

std::wstring ExplainEcho(const ScriptLine& line) {
  const std::wstring_view text = CommandText(line);
  if (line.wordText.size() > 4) {
    const std::wstring word = L"echo" + std::wstring(1, line.wordText[4]) + L": gibt ";
    return word + (text.empty() ? L"eine leere Zeile" : Quoted(text)) + L" aus";
  }
  const std::wstring lower = Lower(Trimmed(text));
  if (lower.empty()) return L"echo: zeigt, ob die Befehlsanzeige ein- oder ausgeschaltet ist";
  if (lower == L"on") return L"echo on: schaltet die Befehlsanzeige ein";
  if (lower == L"off") return L"echo off: schaltet die Befehlsanzeige aus";
  return L"echo: gibt " + Quoted(text) + L" aus";
}

std::wstring ExplainTitle(std::wstring_view text) {
  if (Trimmed(text).empty()) return L"title: ohne Text bleibt der Titel des Konsolenfensters leer";
  return L"title: setzt den Titel des Konsolenfensters auf " + Quoted(text);
}

int HexDigit(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

std::wstring ColourPart(std::wstring_view which, int colour, wchar_t digit) {
  return std::wstring(which).append(ColourNames[colour]).append(L" (").append(1, digit).append(L")");
}

// Two digits give the background, then the text; one digit alone is the
// text colour on black.
std::wstring ExplainColor(std::wstring_view arguments) {
  const std::wstring_view digits = Trimmed(arguments);
  if (digits.empty()) return L"color: stellt die Farben wieder her, mit denen die Konsole gestartet wurde";
  const bool oneDigit = digits.size() == 1;
  const wchar_t backgroundDigit = oneDigit ? L'0' : digits[0];
  const int background = digits.size() <= 2 ? HexDigit(backgroundDigit) : -1;
  const int text = digits.size() <= 2 ? HexDigit(digits.back()) : -1;
  if (background < 0 || text < 0)
    return L"color: " + Quoted(digits) + L" ist keine Farbangabe (zwei Hexziffern: Hintergrund, dann Text; "
                                         L"eine allein ist die Textfarbe)";
  std::wstring explanation = L"color: " + ColourPart(L"Hintergrund ", background, backgroundDigit) +
                             ColourPart(L", Text ", text, digits.back());
  if (background == text) explanation.append(L" – gleiche Farben: color ändert nichts");
  return explanation;
}

struct Switch {
  std::wstring_view name;  // lower case, without a value
  std::wstring_view meaning;
  std::wstring_view valueMeaning = {};  // with ":value", "{}" standing for the value; none: takes no value
};

constexpr std::array<Switch, 7> ChkdskSwitches = {{
    {L"/f", L"Fehler beheben"},
    {L"/v", L"geprüfte Dateien anzeigen"},
    {L"/r", L"fehlerhafte Sektoren suchen, lesbare Daten retten (mit /f)"},
    {L"/x", L"Laufwerk vorher trennen (mit /f)"},
    {L"/i", L"Indexeinträge weniger gründlich prüfen"},
    {L"/c", L"Schleifen in der Ordnerstruktur nicht prüfen"},
    {L"/l", L"Größe der Protokolldatei anzeigen", L"Größe der Protokolldatei auf {} KB setzen"},
}};

constexpr std::array<Switch, 25> XcopySwitches = {{
    {L"/a", L"nur Dateien mit Archivattribut, das bleibt"},
    {L"/m", L"nur Dateien mit Archivattribut, das danach gelöscht wird"},
    {L"/d", L"nur Dateien, die neuer sind als im Ziel", L"nur Dateien, die am {} oder später geändert wurden"},
    {L"/exclude", L"Dateien aus einer Ausschlussliste überspringen",
     L"Dateien überspringen, deren Pfad eine Zeile aus {} enthält"},
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

// A switch may carry a value after a colon: /l:4096, /d:01-31-2026, /exclude:liste.txt.
template <std::size_t N>
std::wstring ExplainSwitch(const std::array<Switch, N>& switches, const std::wstring& word) {
  const std::size_t colon = word.find(L':');
  const std::wstring name = Lower(word.substr(0, colon));
  const std::wstring value = colon == std::wstring::npos ? std::wstring() : word.substr(colon + 1);
  for (const Switch& known : switches) {
    if (name != known.name || (colon != std::wstring::npos && known.valueMeaning.empty())) continue;
    if (value.empty()) return word + L" " + std::wstring(known.meaning);
    std::wstring meaning(known.valueMeaning);
    return word + L" " + meaning.replace(meaning.find(L"{}"), 2, value);
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

std::wstring ExplainLine(std::wstring_view text) {
  const ScriptLine line = SplitLine(text);
  if (line.word == L"echo") return ExplainEcho(line);
  if (line.word == L"title") return ExplainTitle(line.arguments);
  if (line.word == L"color") return ExplainColor(line.arguments);
  if (line.word == L"chkdsk") return ExplainChkdsk(line.arguments);
  if (line.word == L"xcopy") return ExplainXcopy(line.arguments);
  return {};
}

}  // namespace brindle_edit
