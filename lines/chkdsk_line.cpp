#include "lines/chkdsk_line.h"

namespace lines::chkdsk {

const std::array<Switch, 15> Switches = {{
    {"/f", "Fehler beheben"},
    {"/v", "geprüfte Dateien anzeigen"},
    {"/r", "fehlerhafte Sektoren suchen, lesbare Daten retten (mit /f)"},
    {"/x", "Laufwerk vorher trennen (mit /f)"},
    {"/i", "Indexeinträge weniger gründlich prüfen"},
    {"/c", "Schleifen in der Ordnerstruktur nicht prüfen"},
    {"/l", "Größe der Protokolldatei anzeigen", "Größe der Protokolldatei auf {} KB setzen"},
    {"/b", "fehlerhafte Sektoren neu bewerten (NTFS, mit /r)"},
    {"/scan", "im laufenden Betrieb prüfen, ohne das Laufwerk zu sperren (NTFS)"},
    {"/spotfix", "gefundene Fehler gezielt beheben, mit kurzer Sperre (NTFS)"},
    {"/perf", "mit /scan: schneller prüfen, mit mehr Last"},
    {"/offlinescanandfix", "Laufwerk getrennt prüfen und Fehler beheben"},
    {"/forceofflinefix", "mit /scan: Fehler erst beim getrennten Prüfen beheben"},
    {"/sdcleanup", "nicht mehr benötigte Sicherheitsbeschreibungen entfernen (NTFS, mit /f)"},
    {"/?", "zeigt die Hilfe von chkdsk"},
}};

const std::array<std::string_view, BoxCount> Captions = {
    "/f Fehler automatisch beheben",
    "/v Während der Überprüfung Dateien anzeigen",
    "/r Beschädigte Sektoren automatisch wiederherstellen",
    "/x Offenen Laufwerkhandles freigeben",
    "/i Keine intensive Überprüfung der Indexeinträge",
    "/c Überprüfung von Schleifen in der Ordnerstruktur überspringen",
    "/l Größe der Protokolldatei anzeigen",
};

bool IsDrive(std::string_view word) {
  const char letter = word.empty() ? '\0' : static_cast<char>(word[0] & ~0x20);
  return (word.size() == 2 || (word.size() == 3 && word[2] == '\\')) && letter >= 'A' && letter <= 'Z' &&
         word[1] == ':';
}

Reading Read(std::string_view line) {
  const CommandLine split = ReadCommandLine(line, Forms);
  Reading read;
  read.frame = ReadFrame(split, false);
  read.restAt = split.restAt;
  if (!split.ours) return read;
  for (const Argument& word : split.arguments) {
    if (!word.text.starts_with('/') && read.volume.written.empty()) {
      read.volume = word;
      if (IsDrive(word.text)) read.state.drive = {static_cast<char>(word.text[0] & ~0x20), ':'};
      else read.volumeKept = true;
      continue;
    }
    if (!word.text.starts_with('/')) {
      read.frame.Keep(word);
      continue;
    }
    ReadSwitchWord(Switches, word, read.state.checked, read.values, read.frame);
  }
  if (read.volumeKept) read.frame.remarks.Keep(read.volume.at, Wording("Datenträger ").Quote(read.volume.text));
  // /l stands alone: the other boxes keep their marks, but the line leaves them out.
  std::string frozen;
  for (std::size_t box = 0; box < LogSize && read.state.checked[LogSize]; ++box)
    if (read.state.checked[box]) frozen.append(frozen.empty() ? "" : " ").append(Switches[box].name);
  if (!frozen.empty())
    read.frame.remarks.Say(read.restAt, Wording(frozen).Words(frozen.find(' ') == std::string::npos ? " entfällt"
                                                                                                      : " entfallen")
                                            .Words(", solange /l gewählt ist"));
  return read;
}

int ShowDrive(Reading& reading, std::string_view listed) {
  std::string& drive = reading.state.drive;
  if (!reading.frame.ours) {
    if (listed.empty()) return -1;
    drive = {listed[0], ':'};
    return 0;
  }
  if (drive.empty()) {
    if (listed.empty() || reading.volumeKept) return -1;
    drive = {listed[0], ':'};
    reading.frame.remarks.Say(reading.restAt, Wording("ohne Laufwerk in der Zeile: ").Words(drive).Words(" gewählt"));
    return 0;
  }
  const std::size_t item = listed.find(drive[0]);
  if (item != std::string_view::npos) return static_cast<int>(item);
  reading.volumeKept = true;
  drive.clear();
  reading.frame.remarks.Keep(reading.volume.at, Wording("Laufwerk ").Quote(reading.volume.text).Words(" (fehlt hier)"));
  return -1;
}

std::string Build(const State& state, const Reading& from) {
  const bool keptVolume = from.volumeKept && state.drive == from.state.drive;
  std::string line = "chkdsk " + (keptVolume ? from.volume.WrittenWhole() : state.drive);
  if (state.checked[LogSize])
    return from.frame.Around(line.append(" ").append(Switches[LogSize].name).append(from.values[LogSize]));
  for (std::size_t box = 0; box < LogSize; ++box)
    if (state.checked[box]) line.append(" ").append(Switches[box].name);
  return from.frame.Around(line);
}

bool AcceptedFileSystem(std::string_view fileSystemName) {
  return fileSystemName == "NTFS" || fileSystemName == "FAT" || fileSystemName == "FAT32";
}

std::string DriveListItem(char letter, std::string_view volumeLabel) {
  std::string item(1, letter);
  item.append(":\\ ").append(volumeLabel);
  return item;
}

}  // namespace lines::chkdsk
