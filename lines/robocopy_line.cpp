#include "lines/robocopy_line.h"

#include <algorithm>

#include "lines/program_arguments.h"

namespace lines::robocopy {

namespace {

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

bool Deleting(const State& state) {
  return state.checked[Mirror] || state.checked[Purge] || state.checked[MoveFiles] || state.checked[MoveAll];
}

// Where a folder is: "in „D:\Ziel“", "auf ganz „D:\“" for a drive's root,
// or the words for none.
std::string Where(const std::string& folder, std::string_view none) {
  if (folder.empty()) return std::string(none);
  const std::string shown = folder.size() > 3 && folder.back() == '\\' ? folder.substr(0, folder.size() - 1) : folder;
  return (IsDriveRoot(folder) ? "auf ganz „" : "in „") + shown + "“";
}

// Ticks the box of a switch of the dialog's with its value; false for
// another switch, a value that is no number or no file name, a second
// value different from the first, or a box that cannot stand beside one
// ticked already (the switch then stays as it stood).
bool TakeOption(std::string_view given, State& state) {
  const SwitchMatch match = MatchSwitch(OptionSwitches, given);
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

std::vector<Argument> Arguments(const CommandLine& split) {
  return ProgramArguments(split.rest.substr(0, split.tailAt - split.restAt), split.restAt, true);
}

bool TakesNames(std::string_view word) {
  return std::any_of(std::begin(NameSwitches), std::end(NameSwitches),
                     [&](std::string_view name) { return EqualIgnoringCase(word, name); });
}

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
  const std::string target = Where(targetFolder, "im Ziel"), source = Where(sourceFolder, "in der Quelle");
  auto add = [&said](const std::string& sentence) { said.append(said.empty() ? "" : "; ").append(sentence); };
  if ((state.checked[Mirror] || state.checked[Purge]) && !state.checked[KeepExtras])
    add(std::string(state.checked[Mirror] ? "/MIR" : "/PURGE") + " löscht " + target + ", was es " + source +
        " nicht gibt");
  if (state.checked[MoveAll]) add("/MOVE löscht die kopierten Dateien und Ordner " + source);
  else if (state.checked[MoveFiles]) add("/MOV löscht die kopierten Dateien " + source);
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
    const auto option = static_cast<std::size_t>(MatchSwitch(OptionSwitches, word.text).index);
    if (!TakeOption(word.text, read.state)) {
      keptNames = TakesNames(word.text);
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

}  // namespace lines::robocopy
