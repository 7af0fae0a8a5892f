// What a title line does, and where cmd.exe shows its text otherwise, in the editor's words.
#include "lines/text_warnings.h"
#include "lines/title_line.h"

namespace lines::title {

namespace {

Wording Explain(const CommandLine& line) {
  if (TrimmedBlanks(line.rest).empty()) return Wording("title: ohne Text bleibt der Titel des Konsolenfensters leer");
  return Wording("title: setzt den Titel des Konsolenfensters auf ").Quote(line.rest);
}

void Warn(const CommandLine& line, Warnings& warnings) { WarnAboutSpecials(line.rest, warnings); }

}  // namespace

const Model model{Forms, "Fenstertitel", Explain, Warn};

}  // namespace lines::title
