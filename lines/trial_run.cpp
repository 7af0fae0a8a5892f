#include "lines/trial_run.h"

#include <algorithm>

#include "lines/chkdsk_line.h"
#include "lines/robocopy_line.h"
#include "lines/switch_table.h"
#include "lines/xcopy_line.h"

namespace lines::trial {

namespace {

// A switch the run adds or leaves out, and why.
struct Change {
  std::string_view name;
  std::string_view why;
};

// xcopy would ask, wait or keep the names to itself; /R only matters when
// copying, and Wine 8's xcopy takes a target file's write protection away
// already while it lists.
constexpr Change XcopyLeftOut[] = {
    {"/Q", "xcopy verschwiege die Dateinamen"},
    {"/P", "xcopy fragte bei jeder Datei"},
    {"/W", "xcopy wartete auf eine Taste"},
    {"/-Y", "xcopy fragte vor jedem Überschreiben"},
    {"/R", "es gilt erst beim Kopieren, und manches xcopy (Wine) nähme Zieldateien den Schreibschutz schon beim "
           "Auflisten"},
};
constexpr Change XcopyAdded[] = {
    {"/L", "nur auflisten"},
    {"/F", "Quelle und Ziel jeder Datei zeigen"},
    {"/Y", "vorhandene Zieldateien gelten als überschrieben, statt dass xcopy fragt"},
    {"/I", "ein fehlendes Ziel gilt als Ordner, statt dass xcopy fragt"},
};

// robocopy writes its log and job files with /L too.
constexpr Change RobocopyLeftOut[] = {
    {"/LOG:", "robocopy schriebe das Protokoll auch mit /L"},
    {"/LOG+:", "robocopy schriebe das Protokoll auch mit /L"},
    {"/UNILOG:", "robocopy schriebe das Protokoll auch mit /L"},
    {"/UNILOG+:", "robocopy schriebe das Protokoll auch mit /L"},
    {"/SAVE:", "robocopy schriebe die Jobdatei auch mit /L"},
    {"/NFL", "robocopy verschwiege die Dateien"},
    {"/NDL", "robocopy verschwiege die Ordner"},
    {"/NC", "robocopy verschwiege, was mit jeder Datei geschähe"},
    {"/NS", "robocopy verschwiege die Größen"},
    {"/MON:", "robocopy liefe weiter und wartete auf Änderungen"},
    {"/MOT:", "robocopy liefe weiter und wartete auf Änderungen"},
    {"/RH:", "robocopy wartete auf die erlaubte Zeit"},
    {"/UNICODE", "die Liste käme in Unicode"},
    {"/V", "robocopy zeigte auch die Dateien, die es übergeht"},
};
constexpr Change RobocopyAdded[] = {
    {"/L", "nur auflisten"},
    {"/BYTES", "Größen in Bytes"},
};
constexpr std::string_view RobocopyRefused = "/JOB:";

constexpr std::string_view LockingChkdskSwitches[] = {"/f", "/r", "/x", "/b", "/spotfix", "/offlinescanandfix",
                                                      "/sdcleanup"};

// The name of the table's switch that `given` is ("/LOG:" for "/log:a.txt"); empty for none.
std::string_view SwitchName(std::span<const Switch> table, std::string_view given) {
  const SwitchMatch match = MatchSwitch(table, given);
  return match.index < 0 ? std::string_view() : table[static_cast<std::size_t>(match.index)].name;
}

std::string_view NameIn(std::span<const Switch> first, std::span<const Switch> second, std::string_view given) {
  const std::string_view name = SwitchName(first, given);
  return name.empty() ? SwitchName(second, given) : name;
}

const Change* Find(std::span<const Change> changes, std::string_view name) {
  const auto found = std::find_if(changes.begin(), changes.end(),
                                  [&](const Change& change) { return !name.empty() && EqualIgnoringCase(change.name, name); });
  return found == changes.end() ? nullptr : &*found;
}

Wording Refused(std::string_view tail) {
  const std::string_view shown = TrimmedBlanks(tail);
  if (shown.starts_with('&') || shown.starts_with('|'))
    return Wording("Die Zeile hängt mit ").Quote(shown).Words(" einen weiteren Befehl an: ein Probelauf startet nur "
                                                              "eine Zeile, die allein auflistet.");
  return Wording("Die Zeile leitet mit ").Quote(shown).Words(" um: sie schriebe in eine Datei oder läse aus einer. Ein "
                                                             "Probelauf startet sie nicht.");
}

// The words of the line that the run passes on, with what it leaves out
// and adds; the changes said in `run`.
void Rewrite(std::span<const Argument> words, bool xcopy, ListOnly& run) {
  const std::span<const Change> leftOut = xcopy ? std::span<const Change>(XcopyLeftOut) : RobocopyLeftOut;
  const std::span<const Change> added = xcopy ? std::span<const Change>(XcopyAdded) : RobocopyAdded;
  std::vector<bool> present(added.size());
  std::string written;
  for (const Argument& word : words) {
    std::string kept;
    bool changed = false;
    const std::vector<std::string_view> pieces =
        word.text.starts_with('/') && xcopy ? Switches(word.text) : std::vector<std::string_view>{word.text};
    for (std::string_view piece : pieces) {
      const std::string_view name = !piece.starts_with('/') ? std::string_view()
                                    : xcopy                 ? SwitchName(xcopy::Switches, piece)
                                                            : NameIn(robocopy::OptionSwitches, robocopy::MoreSwitches, piece);
      if (!xcopy && EqualIgnoringCase(name, RobocopyRefused)) {
        run.refusal = Wording().Quote(word.text).Words(" liest Optionen aus einer Jobdatei, die der Probelauf nicht "
                                                       "kennt: sie könnten schreiben oder löschen.");
        return;
      }
      if (const Change* change = Find(leftOut, name)) {
        run.changes.push_back(Wording().LineText(piece).Words(" entfällt: ").Words(change->why));
        changed = true;
        continue;
      }
      if (const Change* change = Find(added, name)) present[static_cast<std::size_t>(change - added.data())] = true;
      kept.append(piece);
    }
    // A word the run keeps whole goes on as written, its quotes and carets included.
    const std::string passed = changed ? kept : PassedOn(word.written);
    if (!passed.empty()) written.append(written.empty() ? "" : " ").append(passed);
  }
  for (std::size_t i = 0; i < added.size(); ++i) {
    if (present[i]) continue;
    written.append(" ").append(added[i].name);
    run.changes.push_back(Wording(added[i].name).Words(" ergänzt: ").Words(added[i].why));
  }
  run.arguments = written;
}

}  // namespace

ListOnly ListOnlyLine(std::string_view line) {
  ListOnly run;
  const Model* model = ModelOf(line);
  if (model != &xcopy::model && model != &robocopy::model) return run;
  run.model = model;
  const CommandLine split = ReadCommandLine(line, model->forms);
  run.program = split.word;
  if (!split.tail.empty()) {
    run.refusal = Refused(split.tail);
    return run;
  }
  if (JoinsNextLine(split.rest)) {
    run.refusal = Wording("Die Zeile endet mit ^: cmd nimmt die nächste Zeile dazu. Ein Probelauf startet nur eine "
                          "ganze Zeile.");
    return run;
  }
  if (model == &xcopy::model) {
    Rewrite(split.arguments, true, run);
    run.target = xcopy::Read(line).target.text;
  } else {
    Rewrite(robocopy::Arguments(split), false, run);
    const robocopy::Reading reading = robocopy::Read(line);
    run.target = reading.target.text;
    const auto& checked = reading.state.checked;
    run.deletesExtras = (checked[robocopy::Mirror] || checked[robocopy::Purge]) && !checked[robocopy::KeepExtras];
  }
  return run;
}

Wording ExitMeaning(const Model& model, unsigned long code) {
  if (&model == &xcopy::model) {
    switch (code) {
      case 0: return Wording("ohne Fehler");
      case 1: return Wording("keine Dateien zum Kopieren gefunden");
      case 2: return Wording("mit Strg+C abgebrochen");
      case 4: return Wording("Fehler vor dem Kopieren: Angaben der Zeile, Quelle, Laufwerk oder Speicher");
      case 5: return Wording("Schreibfehler auf dem Datenträger");
      default: return Wording("kein Ergebnis, das xcopy kennt");
    }
  }
  if (code >= 16) return Wording("schwerer Fehler: robocopy tat nichts (Angaben der Zeile, Quelle oder Ziel nicht "
                                 "erreichbar)");
  if (code == 0) return Wording("nichts zu tun: das Ziel stimmt mit der Quelle überein");
  constexpr std::string_view Bits[] = {"Dateien würden kopiert", "zusätzliche Dateien oder Ordner im Ziel",
                                       "abweichende Dateien oder Ordner", "einiges ließe sich nicht kopieren"};
  Wording meaning;
  for (unsigned bit = 0; bit < 4; ++bit)
    if (code & (1u << bit)) meaning.Words(meaning.Empty() ? "" : "; ").Words(Bits[bit]);
  return meaning;
}

std::vector<std::string> LockingSwitches(std::string_view line) {
  std::vector<std::string> locking;
  for (const Argument& word : ReadCommandLine(line, chkdsk::Forms).arguments) {
    if (!word.text.starts_with('/')) continue;
    for (std::string_view piece : Switches(word.text)) {
      const std::string_view name = SwitchName(chkdsk::Switches, piece);
      if (std::find_if(std::begin(LockingChkdskSwitches), std::end(LockingChkdskSwitches),
                       [&](std::string_view lock) { return EqualIgnoringCase(lock, name); }) !=
          std::end(LockingChkdskSwitches))
        locking.emplace_back(piece);
    }
  }
  return locking;
}

}  // namespace lines::trial
