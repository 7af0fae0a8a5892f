// What a chkdsk line does, switch by switch, in the editor's words.
#include "lines/chkdsk_line.h"

namespace lines::chkdsk {

namespace {

Wording Explain(const CommandLine& line) {
  Wording explanation("chkdsk: ");
  Wording switches;
  bool volumeNamed = false;
  for (const Argument& word : line.arguments) {
    if (!word.text.starts_with('/') && !volumeNamed) {
      if (IsDrive(word.text)) explanation.Words("prüft Laufwerk ").LineText(word.text);
      else explanation.Words("prüft ").Quote(word.text);
      volumeNamed = true;
    } else if (word.text.starts_with('/')) {
      for (std::string_view given : lines::Switches(word.text)) switches.Words("; ").Append(ExplainSwitch(Switches, given));
    } else {
      switches.Words("; ").Quote(word.written).Words(" unbekannt");
    }
  }
  if (!volumeNamed) explanation.Words("prüft das aktuelle Laufwerk");
  return explanation.Append(switches);
}

void Warn(const CommandLine&, Warnings&) {}

}  // namespace

const Model model{Forms, "Laufwerk prüfen", Explain, Warn};

}  // namespace lines::chkdsk
