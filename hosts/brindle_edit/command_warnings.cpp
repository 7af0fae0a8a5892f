#include "hosts/brindle_edit/command_warnings.h"

#include <cwctype>

#include "hosts/brindle_edit/script_line.h"

namespace brindle_edit {

namespace {

// & | < > ^ that cmd acts on: not after an escaping ^, not inside double
// quotes. A ^ at the end of the line joins the next line to it.
std::wstring UnescapedSpecials(std::wstring_view text) {
  std::wstring found;
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (c == L'"') quoted = !quoted;
    if (quoted || std::wstring_view(L"&|<>^").find(c) == std::wstring_view::npos) continue;
    if (c == L'^' && i + 1 < text.size()) {
      ++i;  // the escaped character
      continue;
    }
    if (found.find(c) == std::wstring::npos) found.push_back(c);
  }
  return found;
}

LineWarning SpecialsWarning(const std::wstring& specials) {
  std::wstring label = L"Sonderzeichen", escaped;
  for (wchar_t c : specials) {
    label.append(L" ").push_back(c);
    escaped.append(L" ^").push_back(c);
  }
  return {label, L"cmd liest & und | als Befehlstrenner, < und > als Umleitung und ^ am Zeilenende als "
                 L"Verbindung zur nächsten Zeile: der Text erscheint so nicht. Mit ^ davor erscheint das "
                 L"Zeichen:" + escaped + L"."};
}

// A % that cmd keeps in a script: %%, %0 to %9, %*, %~ (argument
// modifiers), and %NAME% with a name of no blanks and quotes (%DATE%,
// %PFAD:~0,2%). Any other % starts a variable that swallows the text.
bool HasLonePercent(std::wstring_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != L'%') continue;
    if (i + 1 == text.size()) return true;
    const wchar_t next = text[i + 1];
    if (next == L'%' || next == L'*' || next == L'~' || (next >= L'0' && next <= L'9')) {
      ++i;
      continue;
    }
    const std::size_t close = text.find_first_of(L"% \t\"", i + 1);
    if (close == std::wstring_view::npos || text[close] != L'%' || close == i + 1) return true;
    i = close;
  }
  return false;
}

// The folder of an xcopy source: what comes before its file name pattern.
std::wstring SourceFolder(const std::wstring& source) {
  const std::size_t end = source.find_last_of(L"\\:");
  return end == std::wstring::npos ? std::wstring() : source.substr(0, end + 1);
}

std::wstring WithBackslash(std::wstring folder) {
  if (!folder.empty() && folder.back() != L'\\' && folder.back() != L':') folder.push_back(L'\\');
  return Lower(folder);
}

void AddXcopyWarnings(std::wstring_view arguments, std::vector<LineWarning>& warnings) {
  std::vector<std::wstring> folders;
  for (const std::wstring& word : Words(arguments)) {
    if (Lower(word) == L"/exclude:")
      warnings.push_back({L"/EXCLUDE: ohne Datei",
                          L"Hinter /EXCLUDE: gehört der Name einer Ausschlussliste, etwa /EXCLUDE:liste.txt "
                          L"(je Zeile ein Teil eines Pfades). Ohne ihn findet xcopy keine Liste und kopiert nichts."});
    else if (word.empty() || word[0] != L'/')
      folders.push_back(word);
  }
  if (folders.empty()) return;
  const std::wstring source = SourceFolder(folders[0]);
  const std::wstring target = folders.size() > 1 ? folders[1] : std::wstring();
  if (source.empty())
    warnings.push_back({L"Quelle ohne Ordner",
                        Quoted(folders[0]) + L" nennt keinen Ordner: xcopy kopiert aus dem Ordner, in dem das Skript "
                        L"gerade läuft, und der hängt davon ab, wie es gestartet wird. Geben Sie den Quellordner an, "
                        L"etwa „C:\\Daten\\*.*“."});
  if (target.empty())
    warnings.push_back({L"Ziel fehlt",
                        L"Ohne Ziel kopiert xcopy in den Ordner, in dem das Skript gerade läuft. Geben Sie einen "
                        L"Zielordner an."});
  if (WithBackslash(source) == WithBackslash(target))
    warnings.push_back({L"Quelle = Ziel",
                        L"Quelle und Ziel sind derselbe Ordner: xcopy kann keine Datei auf sich selbst kopieren "
                        L"und bricht ab. Wählen Sie ein anderes Ziel."});
}

}  // namespace

std::vector<LineWarning> WarningsFor(std::wstring_view text) {
  const ScriptLine line = SplitLine(text);
  std::vector<LineWarning> warnings;
  if (line.word == L"rem" || line.rest.starts_with(L"::")) return warnings;
  const bool echo = line.word == L"echo";
  if (echo && line.wordText.size() == 4 && line.blankAfterWord && Trimmed(line.arguments).empty())
    warnings.push_back({L"echo ohne Text",
                        L"Ein echo mit nur Leerzeichen gibt keine leere Zeile aus, sondern „ECHO ist eingeschaltet "
                        L"(ON).“. Für eine leere Zeile schreiben Sie echo. (mit Punkt, ohne Leerzeichen)."});
  if (echo || line.word == L"title")
    if (const std::wstring specials = UnescapedSpecials(CommandText(line)); !specials.empty())
      warnings.push_back(SpecialsWarning(specials));
  if (HasLonePercent(line.rest))
    warnings.push_back({L"% verdoppeln",
                        L"In einem Skript liest cmd % als Anfang einer Variablen wie %DATE%: ein einzelnes % "
                        L"verschwindet samt dem Text bis zum nächsten %. Für ein Prozentzeichen schreiben Sie %% "
                        L"(100%%, C:\\100%%\\)."});
  if (line.word == L"xcopy") AddXcopyWarnings(line.arguments, warnings);
  return warnings;
}

}  // namespace brindle_edit
