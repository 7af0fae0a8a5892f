#include "lines/xcopy_line.h"

namespace lines::xcopy {

const std::array<Switch, 30> Switches = {{
    {"/A", "nur Dateien mit Archivattribut, das bleibt"},
    {"/M", "nur Dateien mit Archivattribut, das danach gelöscht wird"},
    {"/D", "nur Dateien, die neuer sind als im Ziel", "nur Dateien, die am {} oder später geändert wurden"},
    {"/EXCLUDE:", "Dateien aus einer Ausschlussliste überspringen",
     "Dateien überspringen, deren Pfad eine Zeile aus {} enthält"},
    {"/P", "vor jeder Zieldatei nachfragen"},
    {"/S", "Unterordner, die nicht leer sind"},
    {"/E", "alle Unterordner, auch leere"},
    {"/V", "jede neue Datei prüfen"},
    {"/W", "vor dem Kopieren auf eine Taste warten"},
    {"/C", "bei Fehlern weitermachen"},
    {"/I", "fehlendes Ziel ist ein Ordner"},
    {"/Q", "keine Dateinamen anzeigen"},
    {"/F", "Quell- und Zielnamen anzeigen"},
    {"/L", "nur auflisten, nichts kopieren"},
    {"/H", "auch versteckte und Systemdateien"},
    {"/R", "schreibgeschützte Dateien überschreiben"},
    {"/T", "nur die Ordnerstruktur anlegen"},
    {"/U", "nur Dateien, die es im Ziel schon gibt"},
    {"/K", "Attribute mitkopieren"},
    {"/N", "kurze Dateinamen verwenden"},
    {"/O", "Besitzer und Zugriffsrechte mitkopieren"},
    {"/X", "auch Überwachungseinstellungen (mit /o)"},
    {"/Y", "Überschreiben ohne Nachfrage"},
    {"/Z", "im Neustartmodus kopieren"},
    {"/-Y", "vor dem Überschreiben nachfragen"},
    {"/J", "ohne Zwischenspeicher kopieren (für große Dateien)"},
    {"/B", "symbolische Verknüpfungen selbst kopieren, nicht ihr Ziel"},
    {"/G", "verschlüsselte Dateien auch in Ziele ohne Verschlüsselung kopieren"},
    {"/COMPRESS", "beim Übertragen komprimieren"},
    {"/?", "zeigt die Hilfe von xcopy"},
}};

const std::array<std::string_view, BoxCount> Tips = {
    "/A Kopiert nur Dateien mit gesetztem Archivattribut, aendert das Attribut nicht.",
    "/M Kopiert nur Dateien mit gesetztem Archivattribut, setzt das Attribut nach dem Kopieren zurueck.",
    "/D:M-T-J Kopiert nur die an oder nach dem Datum geaenderten Dateien. Ist kein Datum angegeben, werden nur "
    "Dateien kopiert, die neuer als die bestehenden Zieldateien sind",
    "/EXCLUDE:Datei1[+Datei2][+Datei3]... Gibt eine Liste von Zeichenfolgen an. Wenn eine der Zeichenfolgen Teil des "
    "absoluten Verzeichnispfads der zu kopierenden Datei ist, wird diese Datei vom Kopiervorgang ausgeschlossen. "
    "Beispiel: Bei der Zeichenfolge \\obj\\ oder .obj werden alle Dateien unterhalb des Verzeichnisses OBJ bzw. alle "
    "Dateien mit der Erweiterung .obj vom Kopiervorgang ausgeschlossen.",
    "/P Fordert vor dem Erstellen jeder Zieldatei eine Bestaetigung.",
    "/S Kopiert Verzeichnisse und Unterverzeichnisse, die nicht leer sind.",
    "/E Kopiert alle Unterverzeichnisse (leer oder nicht leer). Wie /S /E. Mit dieser Option kann die Option /T "
    "modifiziert werden.",
    "/V Ueberprueft jede neue Datei auf Korrektheit.",
    "/W Fordert vor dem Beginn des Kopierens zu einem Tastendruck auf.",
    "/C  Setzt das Kopieren fort, auch wenn Fehler auftreten.",
    "/I  Falls Ziel nicht vorhanden ist und mehrere Dateien kopiert werden, nimmt XCOPY an, dass das Ziel ein "
    "Verzeichnis ist.",
    "/Q Zeigt beim Kopieren keine Dateinamen an.",
    "/F  Zeigt die Namen der Quell- und Zieldateien beim Kopieren an.",
    "/L Listet die Dateien auf, die ggf. kopiert werden.",
    "/H Kopiert auch Dateien mit den Attributen 'Versteckt' und 'System'.",
    "/R ueberschreibt schreibgeschuetzte Dateien.",
    "/T  Erstellt die Verzeichnisstruktur, kopiert aber keine Dateien. Leere oder Unterverzeichnisse werden nicht "
    "kopiert. Um auch diese zu kopieren, muessen Sie die Optionen /T /E angeben.",
    "/U Kopiert nur Dateien, die bereits im Zielverzeichnis vorhanden sind.",
    "/K Kopiert Attribute. Standardmaessig wird 'Schreibgeschuetzt' geloescht.",
    "/N Beim Kopieren werden die erzeugten Kurznamen verwendet.",
    "/O Kopiert Informationen über den Besitzer und ACL.",
    "/X Kopiert Dateiueberwachungseinstellungen (bedingt /O).",
    "/Y Unterdrückt die Aufforderung zur Bestaetigung, dass eine  vorhandene Zieldatei ueberschrieben werden soll.",
    "/Z Kopiert Dateien in einem Modus, der einen Neustart ermoeglicht.",
    "/-Y Fordert zur Bestaetigung auf, dass eine bestehende Zieldatei ueberschrieben werden soll.",
};

const std::array<bool, BoxCount> CheckedAtStart = {false, false, true,  false, false, false, true, true,  false,
                                                   false, false, true,  false, false, true,  true, false, false,
                                                   false, false, false, false, true,  false, false};

namespace {

bool HasWildcard(std::string_view text) { return text.find_first_of("*?") != std::string_view::npos; }

// A folder a tree can be led to: a drive's root and names below it. A
// drive's current folder ("C:", "C:Daten"), a relative folder and a
// network path cannot be; a % variable leads nowhere, unless a folder has
// that very name.
bool Showable(std::string_view folder) {
  const char letter = folder.empty() ? '\0' : static_cast<char>(folder[0] & ~0x20);
  return folder.size() >= 3 && letter >= 'A' && letter <= 'Z' && folder[1] == ':' && folder[2] == '\\' &&
         !HasWildcard(folder);
}

std::string WithBackslash(std::string_view folder) {
  std::string path(folder);
  if (!path.empty() && path.back() != '\\') path.push_back('\\');
  return path;
}

}  // namespace

std::string_view SourceFolder(std::string_view source) {
  const std::size_t end = source.find_last_of("\\:");
  return end == std::string_view::npos ? std::string_view() : source.substr(0, end + 1);
}

namespace {

void ReadSource(const Argument& word, Reading& read) {
  read.source = {word.WrittenWhole(), word.text, {}, false, word.at};
  const std::string_view text = word.text;
  const std::string_view folder = HasWildcard(text.substr(SourceFolder(text).size())) ? SourceFolder(text) : text;
  if (folder.size() < text.size()) read.source.pattern = text.substr(folder.size());
  if (!folder.empty() && !Showable(folder)) {
    read.source.kept = true;
    read.frame.remarks.Keep(word.at, Wording("Quelle ").Quote(word.text));
    return;
  }
  read.state.source = WithBackslash(folder);
  if (!read.source.pattern.empty() && read.source.pattern != "*.*")
    read.frame.remarks.Keep(word.at, Wording("Muster ").Quote(read.source.pattern));
}

void ReadTarget(const Argument& word, Reading& read) {
  read.target = {word.WrittenWhole(), word.text, {}, false, word.at};
  if (word.text.empty()) return;
  if (!Showable(word.text)) {
    read.target.kept = true;
    read.frame.remarks.Keep(word.at, Wording("Ziel ").Quote(word.text));
    return;
  }
  read.state.target = WithBackslash(word.text);
}

}  // namespace

Reading Read(std::string_view line) {
  const CommandLine split = ReadCommandLine(line, Forms);
  Reading read;
  read.frame = ReadFrame(split, false);
  if (!split.ours) return read;
  read.state.checked = {};
  int folders = 0;
  for (const Argument& word : split.arguments) {
    if (word.text.starts_with('/')) ReadSwitchWord(Switches, word, read.state.checked, read.values, read.frame);
    else if (folders == 0 && ++folders) ReadSource(word, read);
    else if (folders == 1 && ++folders) ReadTarget(word, read);
    else read.frame.Keep(word);
  }
  return read;
}

void KeepSource(Reading& reading) {
  reading.source.kept = true;
  reading.state.source.clear();
  reading.frame.remarks.Keep(reading.source.at,
                             Wording("Quelle ").Quote(reading.source.text).Words(" (fehlt hier)"));
}

void KeepTarget(Reading& reading) {
  reading.target.kept = true;
  reading.state.target.clear();
  reading.frame.remarks.Keep(reading.target.at, Wording("Ziel ").Quote(reading.target.text).Words(" (fehlt hier)"));
}

namespace {
bool KeptInUse(const FolderPart& part, const std::string& shown, const std::string& openedWith) {
  return part.kept && shown == openedWith;
}
}  // namespace

bool CanAdd(const State& state, const Reading& from) {
  return !state.source.empty() || !state.target.empty() || KeptInUse(from.source, state.source, from.state.source) ||
         KeptInUse(from.target, state.target, from.state.target);
}

std::string Build(const State& state, const Reading& from) {
  std::string line = "xcopy ";
  if (KeptInUse(from.source, state.source, from.state.source))
    line.append(from.source.written);
  else
    line.append("\"").append(state.source).append(from.source.pattern.empty() ? "*.*" : from.source.pattern).append("\"");
  // A line without a target gets none while none is chosen; a new line
  // names an empty one as "".
  if (KeptInUse(from.target, state.target, from.state.target))
    line.append(" ").append(from.target.written);
  else if (!state.target.empty() || !from.frame.ours || !from.target.written.empty())
    line.append(" \"").append(state.target).append("\"");
  for (std::size_t box = 0; box < BoxCount; ++box)
    if (state.checked[box]) line.append(" ").append(Switches[box].name).append(from.values[box]);
  return from.frame.Around(line);
}

}  // namespace lines::xcopy
