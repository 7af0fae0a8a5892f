#include "lines/robocopy_line.h"

#include <algorithm>

#include "lines/program_arguments.h"

namespace lines::robocopy {

namespace {

// The options' switches as a switch table.
const std::array<Switch, OptionCount>& OptionSwitches() {
  static const std::array<Switch, OptionCount> switches = [] {
    std::array<Switch, OptionCount> table{};
    for (std::size_t i = 0; i < OptionCount; ++i) table[i] = Options[i].line;
    return table;
  }();
  return switches;
}

// Switches the dialog has no box for, which the editor explains all the same.
const Switch MoreSwitches[] = {
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
    {"/?", "zeigt die Hilfe von robocopy"},
};

// Switches after which the following names belong to the switch.
constexpr std::string_view NameSwitches[] = {"/XF", "/XD", "/IF"};

bool HasWildcard(std::string_view text) { return text.find_first_of("*?") != std::string_view::npos; }

// A folder a tree can be led to: a drive's root and names below it. A
// quote in it comes from a backslash before a closing quote.
bool Showable(std::string_view folder) {
  const char letter = folder.empty() ? '\0' : static_cast<char>(folder[0] & ~0x20);
  return folder.size() >= 3 && letter >= 'A' && letter <= 'Z' && folder[1] == ':' && folder[2] == '\\' &&
         !HasWildcard(folder) && folder.find('"') == std::string_view::npos;
}

std::string WithBackslash(std::string_view folder) {
  std::string path(folder);
  if (!path.empty() && path.back() != '\\') path.push_back('\\');
  return path;
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  return lower;
}

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsNameSwitch(std::string_view word) {
  return std::any_of(std::begin(NameSwitches), std::end(NameSwitches),
                     [&](std::string_view name) { return EqualIgnoringCase(word, name); });
}

// The arguments of a line as robocopy gets them: cmd.exe has taken its
// carets (outside quotes) and its tail.
std::vector<Argument> Arguments(const CommandLine& split) {
  const std::string_view text = split.rest.substr(0, split.tailAt - split.restAt);
  std::vector<Argument> arguments = ProgramArguments(text, split.restAt);
  for (Argument& argument : arguments) {
    if (argument.written.find('^') == std::string_view::npos) continue;
    std::string text;
    bool quoted = false;
    for (std::size_t i = 0; i < argument.text.size(); ++i) {
      const char c = argument.text[i];
      if (c == '"') quoted = !quoted;
      if (c == '^' && !quoted && i + 1 < argument.text.size()) text.push_back(argument.text[++i]);
      else if (c != '^' || quoted) text.push_back(c);
    }
    argument.text = text;
  }
  return arguments;
}

// The names in a field, as robocopy will get them.
std::vector<std::string> Names(std::string_view field) {
  std::vector<std::string> names;
  for (Argument& name : ProgramArguments(field, 0)) names.push_back(std::move(name.text));
  return names;
}

// The log file field's name: the whole text, blanks around and quotes around it left out.
std::string LogFile(std::string_view field) {
  field = TrimmedBlanks(field);
  if (field.size() >= 2 && field.front() == '"' && field.back() == '"') field = field.substr(1, field.size() - 2);
  return std::string(field);
}

std::string NamesArguments(std::string_view field) {
  std::string written;
  for (const std::string& name : Names(field)) written.append(" ").append(QuotedArgument(name));
  return written;
}

bool KeptInUse(const FolderPart& part, const std::string& shown, const std::string& opened) {
  return part.kept && shown == opened;
}

// The folders the line will name: the trees', or the line's own where they stay.
std::pair<std::string, std::string> Folders(const State& state, const Reading& from) {
  return {KeptInUse(from.source, state.source, from.state.source) ? from.source.text : state.source,
          KeptInUse(from.target, state.target, from.state.target) ? from.target.text : state.target};
}

bool IsDriveRoot(std::string_view folder) {
  return (folder.size() == 2 || (folder.size() == 3 && folder[2] == '\\')) && folder[1] == ':';
}

bool Deleting(const State& state) {
  return state.checked[Mirror] || state.checked[Purge] || state.checked[MoveFiles] || state.checked[MoveAll];
}

// robocopy's results below 8 mean success.
Warning ResultWarning(Wording label) {
  return {std::move(label), Wording("robocopy meldet Erfolg mit Ergebnissen von 0 bis 7: 1 Dateien kopiert, 2 "
                                    "zusätzliche, 4 abweichende Dateien im Ziel, und Summen davon. Erst ab 8 ging etwas "
                                    "schief: prüfen Sie mit if errorlevel 8.")};
}

// "D:\Ziel" for a tree's folder, or the words for none.
std::string Shown(const std::string& folder, std::string_view none) {
  if (folder.empty()) return std::string(none);
  return "„" + (folder.size() > 3 && folder.back() == '\\' ? folder.substr(0, folder.size() - 1) : folder) + "“";
}

Wording Explain(const CommandLine& line) {
  const std::vector<Argument> arguments = Arguments(line);
  std::vector<const Argument*> folders;
  Wording options;
  bool names = false;
  for (const Argument& word : arguments) {
    if (word.text.starts_with('/')) {
      names = IsNameSwitch(word.text);
      const SwitchMatch match = MatchSwitch(OptionSwitches(), word.text);
      options.Words("; ").Append(match.index >= 0 ? ExplainSwitch(OptionSwitches(), word.text)
                                                  : ExplainSwitch(MoreSwitches, word.text));
    } else if (names) {
      options.Words(" ").Quote(word.text);
    } else {
      folders.push_back(&word);
    }
  }
  Wording explanation("robocopy: kopiert ");
  if (folders.size() < 2) return explanation.Words("nichts: Quelle und Ziel fehlen").Append(options);
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
      names = IsNameSwitch(word.text);
      for (std::string_view name : {"/MIR", "/PURGE"}) deletesTarget |= EqualIgnoringCase(word.text, name);
      for (std::string_view name : {"/MOV", "/MOVE"}) deletesSource |= EqualIgnoringCase(word.text, name);
    } else if (!names) {
      folders.push_back(&word);
    }
    // "C:\Daten\" ends in a backslash that robocopy reads as a quote.
    if (word.written.ends_with("\\\"") && word.text.find('"') != std::string::npos)
      warnings.push_back({Wording("\\\" im Ordner"),
                          Wording("robocopy liest \\ vor einem schließenden Anführungszeichen als Anführungszeichen im "
                                  "Namen: aus ").Quote(word.written).Words(" wird ").Quote(word.text).Words(
                                  ". Schreiben Sie den Ordner ohne \\ am Ende („C:\\Daten“) oder den Stamm eines "
                                  "Laufwerks ohne Anführungszeichen (D:\\).")});
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
    const bool atEight = (EqualIgnoringCase(operation, "geq") && level == 8) ||
                         (EqualIgnoringCase(operation, "gtr") && level == 7) ||
                         (EqualIgnoringCase(operation, "lss") && level == 8) ||
                         (EqualIgnoringCase(operation, "leq") && level == 7);
    wrong = level >= 0 && level < 8 && !atEight;
  }
  if (wrong) warnings.push_back(ResultWarning(Wording("Ergebnis von robocopy")));
}

// Ticks the box of a switch of the dialog's with its value; false for
// another switch, a value that is no number or no file name, a second
// value different from the first, or a box that cannot stand beside one
// ticked already (the switch then stays as it stood).
bool TakeOption(std::string_view given, State& state) {
  const SwitchMatch match = MatchSwitch(OptionSwitches(), given);
  if (match.index < 0) return false;
  const auto option = static_cast<std::size_t>(match.index);
  const Value value = Options[option].value;
  for (std::size_t other : ExcludedBy(option))
    if (state.checked[other]) return false;
  std::string& field = value == Value::File ? state.logFile : state.values[option];
  if ((value == Value::Number && !AllDigits(match.value)) || (value == Value::File && match.value.empty()) ||
      (!match.value.empty() && !field.empty() && field != match.value))
    return false;
  if (!match.value.empty()) field = match.value;
  state.checked[option] = true;
  return true;
}

}  // namespace

bool Implied(const State& state, std::size_t option) {
  switch (option) {
    case S: return state.checked[E] || state.checked[Mirror];
    case E:
    case Purge: return state.checked[Mirror];
    default: return false;
  }
}

std::vector<std::size_t> ExcludedBy(std::size_t option) {
  static constexpr std::size_t Sets[][3] = {
      {MoveFiles, MoveAll, MoveAll}, {Restartable, Backup, RestartableBackup}, {Log, LogAppend, LogAppend}};
  std::vector<std::size_t> excluded;
  for (const auto& set : Sets)
    if (std::find(std::begin(set), std::end(set), option) != std::end(set))
      for (std::size_t other : set)
        if (other != option && std::find(excluded.begin(), excluded.end(), other) == excluded.end())
          excluded.push_back(other);
  return excluded;
}

std::string Refusal(const State& state, const Reading& from) {
  const auto [sourceFolder, targetFolder] = Folders(state, from);
  if (sourceFolder.empty() || targetFolder.empty()) return "robocopy braucht eine Quelle und ein Ziel.";
  const std::string source = Lower(WithBackslash(sourceFolder)), target = Lower(WithBackslash(targetFolder));
  if (source == target) return "Quelle und Ziel sind derselbe Ordner.";
  if (target.starts_with(source) && Deleting(state))
    return "Das Ziel liegt in der Quelle: mit /MIR, /PURGE, /MOV oder /MOVE löschte robocopy, was es gerade kopiert.";
  for (std::size_t i = 0; i < OptionCount; ++i) {
    if (!state.checked[i] || Implied(state, i)) continue;
    const std::string name(Options[i].line.name);
    switch (Options[i].value) {
      case Value::Number:
        if (!AllDigits(state.values[i])) return "Bei " + name + " fehlt die Zahl.";
        break;
      case Value::Names:
        if (Names(state.values[i]).empty()) return "Bei " + name + " fehlen die Namen.";
        break;
      case Value::File:
        if (LogFile(state.logFile).empty()) return "Bei " + name + " fehlt die Protokolldatei.";
        break;
      case Value::None: break;
    }
  }
  return {};
}

std::string Deletions(const State& state, const Reading& from) {
  std::string said;
  const auto [sourceFolder, targetFolder] = Folders(state, from);
  const std::string target = Shown(targetFolder, "im Ziel"), source = Shown(sourceFolder, "in der Quelle");
  auto add = [&said](const std::string& sentence) { said.append(said.empty() ? "" : "; ").append(sentence); };
  if ((state.checked[Mirror] || state.checked[Purge]) && !state.checked[KeepExtras])
    add(std::string(state.checked[Mirror] ? "/MIR" : "/PURGE") + (IsDriveRoot(targetFolder) ? " löscht auf ganz " : " löscht in ") +
        target + ", was es in " + source + " nicht gibt");
  if (state.checked[MoveAll]) add("/MOVE löscht die kopierten Dateien und Ordner in " + source);
  else if (state.checked[MoveFiles]) add("/MOV löscht die kopierten Dateien in " + source);
  return said;
}

Reading Read(std::string_view line) {
  const CommandLine split = ReadCommandLine(line, Forms);
  Reading read;
  read.frame = ReadFrame(split, false);
  if (!split.ours) return read;
  std::size_t names = OptionCount;  // the option whose names follow, or none
  bool keptNames = false;           // the names of a switch the dialog has no field for
  int positionals = 0;
  std::string files;
  for (const Argument& word : Arguments(split)) {
    if (!word.text.starts_with('/')) {
      if (names < OptionCount) {
        read.state.values[names].append(read.state.values[names].empty() ? "" : " ").append(QuotedArgument(word.text));
      } else if (keptNames) {
        read.frame.Keep(word);
      } else if (positionals++ == 0) {
        read.source = {std::string(word.written), word.text, false, word.at};
      } else if (positionals == 2) {
        read.target = {std::string(word.written), word.text, false, word.at};
      } else {
        files.append(files.empty() ? "" : " ").append(QuotedArgument(word.text));
        if (word.text.find_first_of("\\:") != std::string::npos)
          read.frame.remarks.Say(word.at, Wording().Quote(word.text).Words(" ist für robocopy ein Dateimuster, kein "
                                                                          "Ordner"));
      }
      continue;
    }
    names = OptionCount;
    keptNames = false;
    const auto option = static_cast<std::size_t>(MatchSwitch(OptionSwitches(), word.text).index);
    if (!TakeOption(word.text, read.state)) {
      keptNames = IsNameSwitch(word.text);
      read.frame.Keep(word);
    } else if (Options[option].value == Value::Names) {
      names = option;
    }
  }
  read.state.files = files;
  for (FolderPart* part : {&read.source, &read.target}) {
    std::string& shown = part == &read.source ? read.state.source : read.state.target;
    if (part->text.find('"') != std::string::npos)
      read.frame.remarks.Say(part->at, Wording().Quote(part->written).Words(" liest robocopy als ").Quote(part->text)
                                           .Words(": das \\ vor dem Anführungszeichen hebt es auf"));
    if (Showable(part->text)) {
      shown = WithBackslash(part->text);
    } else if (!part->written.empty()) {
      part->kept = true;
      read.frame.remarks.Keep(part->at, Wording(part == &read.source ? "Quelle " : "Ziel ").Quote(part->text));
    }
  }
  return read;
}

void KeepSource(Reading& reading) {
  reading.source.kept = true;
  reading.state.source.clear();
  reading.frame.remarks.Keep(reading.source.at, Wording("Quelle ").Quote(reading.source.text).Words(" (fehlt hier)"));
}

void KeepTarget(Reading& reading) {
  reading.target.kept = true;
  reading.state.target.clear();
  reading.frame.remarks.Keep(reading.target.at, Wording("Ziel ").Quote(reading.target.text).Words(" (fehlt hier)"));
}

std::string Build(const State& state, const Reading& from) {
  // A line without a folder gets none while none is chosen.
  auto folder = [](const FolderPart& part, const std::string& shown, const std::string& opened) {
    if (KeptInUse(part, shown, opened)) return part.written;
    return shown.empty() && part.written.empty() ? std::string() : FolderArgument(shown);
  };
  const std::string source = folder(from.source, state.source, from.state.source),
                    target = folder(from.target, state.target, from.state.target);
  std::string line = "robocopy";
  if (!source.empty() || !target.empty()) line.append(" ").append(source.empty() ? "\"\"" : source);
  if (!target.empty()) line.append(" ").append(target);
  // Empty or "*.*" alone: all files, and no pattern.
  const std::vector<std::string> files = Names(state.files);
  if (!(files.size() == 1 && files[0] == "*.*")) line += NamesArguments(state.files);
  for (std::size_t i = 0; i < OptionCount; ++i) {
    if (!state.checked[i] || Implied(state, i)) continue;
    line.append(" ").append(Options[i].line.name);
    switch (Options[i].value) {
      case Value::Number: line.append(state.values[i]); break;
      case Value::Names: line.append(NamesArguments(state.values[i])); break;
      case Value::File: line.append(QuotedArgument(LogFile(state.logFile))); break;
      case Value::None: break;
    }
  }
  return from.frame.Around(line);
}

const Model model{Forms, "Ordner kopieren und spiegeln", Explain, Warn, WarnAfter};

}  // namespace lines::robocopy
