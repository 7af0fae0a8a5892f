// What a robocopy line does, switch by switch, and where it deletes or
// reports its result otherwise than it looks, in the editor's words.
#include <algorithm>

#include "lines/robocopy_line.h"

namespace lines::robocopy {

namespace {

const Switch More[] = {
    {"/COPY:", "", "kopiert von den Dateien die Angaben {} (D Daten, A Attribute, T Zeiten, S Rechte, O Besitzer, "
                   "U Überwachung)"},
    {"/NOCOPY", "kopiert keine Angaben der Dateien"},
    {"/XA:", "", "übergeht Dateien mit den Attributen {}"},
    {"/IA:", "", "nur Dateien mit den Attributen {}"},
    {"/IF", "nur die folgenden Dateien"},
    {"/JOB:", "", "liest weitere Optionen aus der Jobdatei {}"},
    {"/SAVE:", "", "speichert die Optionen in der Jobdatei {}"},
    {"/UNILOG:", "", "schreibt das Protokoll in Unicode nach {}"},
    {"/UNILOG+:", "", "hängt das Protokoll in Unicode an {} an"},
    {"/MON:", "", "läuft weiter und kopiert erneut nach {} Änderungen"},
    {"/MOT:", "", "läuft weiter und kopiert erneut nach {} Minuten mit Änderungen"},
    {"/RH:", "", "kopiert nur zur Zeit {}"},
    {"/IPG:", "", "pausiert {} ms zwischen Blöcken (langsame Leitungen)"},
    {"/TS", "zeigt die Zeiten der Quelldateien"},
    {"/FP", "zeigt vollständige Pfade"},
    {"/BYTES", "zeigt Größen in Bytes"},
    {"/NC", "ohne Dateiklassen im Protokoll"},
    {"/NS", "ohne Größen im Protokoll"},
    {"/UNICODE", "gibt alles in Unicode aus"},
    {"/?", "zeigt die Hilfe von robocopy"},
};

}  // namespace

const std::span<const Switch> MoreSwitches = More;

namespace {

// robocopy's results below 8 mean success.
Warning ResultWarning(Wording label) {
  return {std::move(label), Wording("robocopy meldet Erfolg mit Ergebnissen von 0 bis 7: 1 Dateien kopiert, 2 "
                                    "zusätzliche, 4 abweichende Dateien im Ziel, und Summen davon. Erst ab 8 ging etwas "
                                    "schief: prüfen Sie mit if errorlevel 8.")};
}

Warning QuoteWarning(const Argument& word, std::string_view where) {
  Wording explanation("robocopy erhält ein Anführungszeichen im Namen: aus ");
  explanation.Quote(word.written).Words(" wird ").Quote(word.text).Words(".");
  const bool escaped = word.written.find("\\\"") != std::string::npos;
  if (escaped)
    explanation.Words(" Ein \\ vor einem Anführungszeichen gilt als Anführungszeichen im Namen: schreiben Sie den "
                      "Ordner ohne \\ am Ende („C:\\Daten“) oder den Stamm eines Laufwerks ohne "
                      "Anführungszeichen (D:\\).");
  return {Wording(escaped ? "\\\" im " : "\" im ").Words(where), std::move(explanation)};
}

Wording Explain(const CommandLine& line) {
  const std::vector<Argument> arguments = Arguments(line);
  std::vector<const Argument*> folders;
  Wording options;
  bool names = false;
  for (const Argument& word : arguments) {
    if (word.text.starts_with('/')) {
      names = TakesNames(word.text);
      const SwitchMatch match = MatchSwitch(OptionSwitches, word.text);
      options.Words("; ").Append(match.index >= 0 ? ExplainSwitch(OptionSwitches, word.text)
                                                  : ExplainSwitch(MoreSwitches, word.text));
    } else if (names) {
      options.Words(" ").Quote(word.text);
    } else {
      folders.push_back(&word);
    }
  }
  Wording explanation("robocopy: kopiert ");
  if (folders.empty()) return explanation.Words("nichts: Quelle und Ziel fehlen").Append(options);
  if (folders.size() == 1)
    return explanation.Words("nichts aus ").Quote(folders[0]->text).Words(": das Ziel fehlt").Append(options);
  explanation.Words("aus ").Quote(folders[0]->text).Words(" nach ").Quote(folders[1]->text);
  if (folders.size() > 2) {
    explanation.Words(" die Dateien");
    for (std::size_t i = 2; i < folders.size(); ++i) explanation.Words(" ").Quote(folders[i]->text);
  }
  return explanation.Append(options);
}

void Warn(const CommandLine& line, Warnings& warnings) {
  const std::vector<Argument> arguments = Arguments(line);
  std::vector<const Argument*> folders;
  bool deletesTarget = false, deletesSource = false, names = false;
  for (const Argument& word : arguments) {
    if (word.text.starts_with('/')) {
      names = TakesNames(word.text);
      for (std::string_view name : {"/MIR", "/PURGE"}) deletesTarget |= EqualIgnoringCase(word.text, name);
      for (std::string_view name : {"/MOV", "/MOVE"}) deletesSource |= EqualIgnoringCase(word.text, name);
    } else if (!names) {
      folders.push_back(&word);
    }
    // "C:\Daten\" ends in a backslash that robocopy reads as a quote, and
    // the argument runs on into the next; no name holds a quote.
    if (word.text.find('"') != std::string::npos)
      warnings.push_back(QuoteWarning(word, word.text.starts_with('/') ? "Namen" : "Ordner"));
  }
  const std::string target = folders.size() > 1 ? folders[1]->text : std::string();
  if (deletesTarget && IsDriveRoot(target))
    warnings.push_back({Wording("löscht auf ganz ").LineText(target),
                        Wording("/MIR und /PURGE löschen im Ziel alles, was es in der Quelle nicht gibt. Das Ziel ist "
                                "das ganze Laufwerk ").Quote(target).Words(": auch jeder fremde Ordner darauf wird "
                                                                          "gelöscht. Wählen Sie einen Ordner als Ziel.")});
  else if (deletesTarget)
    warnings.push_back({Wording("löscht im Ziel"),
                        Wording("/MIR und /PURGE löschen im Ziel alle Dateien und Ordner, die es in der Quelle nicht "
                                "gibt. Prüfen Sie es vorher mit /L.")});
  if (deletesSource)
    warnings.push_back({Wording("löscht in der Quelle"),
                        Wording("/MOV und /MOVE löschen, was sie kopiert haben, in der Quelle. Prüfen Sie es vorher "
                                "mit /L.")});
  const std::string_view tail = TrimmedBlanks(line.tail);
  for (std::string_view chain : {"||", "&&"})
    if (tail.starts_with(chain)) warnings.push_back(ResultWarning(Wording(chain).Words(" nach robocopy")));
}

// A test of robocopy's result in the line after it that takes a success
// for a failure: "if errorlevel 1", "if %errorlevel% neq 0". Only a test
// at 8 tells them apart.
void WarnAfter(std::string_view next, Warnings& warnings) {
  const CommandLine test = ReadCommandLine(next, {"if", ""});
  if (!test.ours) return;
  std::vector<std::string_view> words;
  for (const Argument& word : test.arguments) words.push_back(word.written);
  std::size_t i = 0;
  if (i < words.size() && EqualIgnoringCase(words[i], "/i")) ++i;
  if (i < words.size() && EqualIgnoringCase(words[i], "not")) ++i;
  auto number = [](std::string_view text) {
    int value = 0;
    for (char digit : text) value = value * 10 + (digit - '0');
    return AllDigits(text) && text.size() < 4 ? value : -1;
  };
  bool wrong = false;
  if (i + 1 < words.size() && EqualIgnoringCase(words[i], "errorlevel")) {
    const int level = number(words[i + 1]);
    wrong = level >= 1 && level <= 7;
  } else if (i < words.size() && (StartsIgnoringCase(words[i], "%errorlevel%") || StartsIgnoringCase(words[i], "!errorlevel!"))) {
    // "%errorlevel%==0" is one word; "%errorlevel% neq 0" three.
    std::string_view operation = words[i].substr(12), value;
    if (operation.starts_with("==")) value = operation.substr(2), operation = "==";
    else if (i + 2 < words.size()) operation = words[i + 1], value = words[i + 2];
    const int level = number(value);
    // A test for equality holds a success for a failure only at 0 ("equ 0"
    // misses 1 to 7); an order only where it does not part 7 from 8.
    const bool equality = operation == "==" || EqualIgnoringCase(operation, "equ") ||
                          EqualIgnoringCase(operation, "neq");
    const bool atEight = (EqualIgnoringCase(operation, "gtr") || EqualIgnoringCase(operation, "leq")) && level == 7;
    wrong = equality ? level == 0 : level >= 0 && level < 8 && !atEight;
  }
  if (wrong) warnings.push_back(ResultWarning(Wording("Ergebnis von robocopy")));
}

}  // namespace

const Model model{Forms, "Ordner kopieren und spiegeln", Explain, Warn, WarnAfter};

}  // namespace lines::robocopy
