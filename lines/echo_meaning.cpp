// What an echo line does, and where cmd.exe shows its text otherwise, in the editor's words.
#include "lines/echo_line.h"
#include "lines/text_warnings.h"

namespace lines::echo {

namespace {

Wording Explain(const CommandLine& line) {
  if (line.mark && !(line.mark == ' ' || line.mark == '\t')) {
    Wording explanation(std::string("echo") + line.mark + ": gibt ");
    if (line.rest.empty()) explanation.Words("eine leere Zeile");
    else explanation.Quote(line.rest);
    return explanation.Words(" aus");
  }
  const std::string_view text = TrimmedBlanks(line.rest);
  if (text.empty()) return Wording("echo: zeigt, ob die Befehlsanzeige ein- oder ausgeschaltet ist");
  if (EqualIgnoringCase(text, "on")) return Wording("echo on: schaltet die Befehlsanzeige ein");
  if (EqualIgnoringCase(text, "off")) return Wording("echo off: schaltet die Befehlsanzeige aus");
  return Wording("echo: gibt ").Quote(line.rest).Words(" aus");
}

void Warn(const CommandLine& line, Warnings& warnings) {
  if ((line.mark == ' ' || line.mark == '\t') && TrimmedBlanks(line.rest).empty())
    warnings.push_back({Wording("echo ohne Text"),
                        Wording("Ein echo mit nur Leerzeichen gibt keine leere Zeile aus, sondern „ECHO ist "
                                "eingeschaltet (ON).“. Für eine leere Zeile schreiben Sie echo. (mit Punkt, ohne "
                                "Leerzeichen).")});
  WarnAboutSpecials(line.rest, warnings);
}

}  // namespace

const Model model{Forms, "Text ausgeben", Explain, Warn};

}  // namespace lines::echo
