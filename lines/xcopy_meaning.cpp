// What an xcopy line does, switch by switch, and where it will not copy
// what it looks like, in the editor's words.
#include "lines/xcopy_line.h"

namespace lines::xcopy {

namespace {

std::string LowerWithBackslash(std::string_view folder) {
  std::string lower(folder);
  for (char& c : lower) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  if (!lower.empty() && lower.back() != '\\' && lower.back() != ':') lower.push_back('\\');
  return lower;
}

Wording Explain(const CommandLine& line) {
  std::vector<const Argument*> folders;
  Wording switches;
  for (const Argument& word : line.arguments) {
    if (word.text.starts_with('/')) {
      for (std::string_view given : lines::Switches(word.text)) switches.Words("; ").Append(ExplainSwitch(Switches, given));
    } else if (folders.size() == 2) {
      switches.Words("; ").Quote(word.written).Words(" unbekannt");
    } else {
      folders.push_back(&word);
    }
  }
  Wording explanation("xcopy: kopiert ");
  if (folders.empty()) return explanation.Words("nichts: die Quelle fehlt").Append(switches);
  explanation.Quote(folders[0]->text);
  if (folders.size() < 2 || folders[1]->text.empty())
    explanation.Words(" in den aktuellen Ordner");
  else
    explanation.Words(" nach ").Quote(folders[1]->text);
  return explanation.Append(switches);
}

void Warn(const CommandLine& line, Warnings& warnings) {
  std::vector<std::string_view> folders;
  for (const Argument& word : line.arguments) {
    for (std::string_view given : word.text.starts_with('/') ? lines::Switches(word.text) : std::vector<std::string_view>())
      if (EqualIgnoringCase(given, "/EXCLUDE:"))
        warnings.push_back({Wording("/EXCLUDE: ohne Datei"),
                            Wording("Hinter /EXCLUDE: gehört der Name einer Ausschlussliste, etwa /EXCLUDE:liste.txt "
                                    "(je Zeile ein Teil eines Pfades). Ohne ihn findet xcopy keine Liste und kopiert "
                                    "nichts.")});
    if (!word.text.starts_with('/')) folders.push_back(word.text);
  }
  if (folders.empty()) return;
  const std::string_view source = SourceFolder(folders[0]);
  const std::string_view target = folders.size() > 1 ? folders[1] : std::string_view();
  if (source.empty())
    warnings.push_back({Wording("Quelle ohne Ordner"),
                        Wording().Quote(folders[0]).Words(" nennt keinen Ordner: xcopy kopiert aus dem Ordner, in "
                                                          "dem das Skript gerade läuft, und der hängt davon ab, wie "
                                                          "es gestartet wird. Geben Sie den Quellordner an, etwa "
                                                          "„C:\\Daten\\*.*“.")});
  if (target.empty())
    warnings.push_back({Wording("Ziel fehlt"), Wording("Ohne Ziel kopiert xcopy in den Ordner, in dem das Skript "
                                                       "gerade läuft. Geben Sie einen Zielordner an.")});
  if (LowerWithBackslash(source) == LowerWithBackslash(target))
    warnings.push_back({Wording("Quelle = Ziel"), Wording("Quelle und Ziel sind derselbe Ordner: xcopy kann keine "
                                                          "Datei auf sich selbst kopieren und bricht ab. Wählen Sie "
                                                          "ein anderes Ziel.")});
}

}  // namespace

const Model model{Forms, "Dateien kopieren", Explain, Warn};

}  // namespace lines::xcopy
