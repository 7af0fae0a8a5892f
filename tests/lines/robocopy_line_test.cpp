// The robocopy line: the names of its fields read back as given; boxes
// that contain or exclude each other; the lines "Hinzufügen" refuses, and
// what a line deletes.
#include <gtest/gtest.h>

#include "lines/robocopy_line.h"

namespace {

using namespace lines::robocopy;

State Ticked(std::initializer_list<std::size_t> options, std::string source = "C:\\Daten\\",
             std::string target = "D:\\Sicherung\\") {
  State state;
  state.source = std::move(source);
  state.target = std::move(target);
  for (std::size_t option : options) state.checked[option] = true;
  return state;
}

// How Windows splits these lines is the business of robocopy_arguments_test;
// here, the names of the fields read back as they were given.
TEST(RobocopyLine, NamesAndTheLogFileReadBackAsGiven) {
  State names = Ticked({ExcludeFolders, Log}, "C:\\Tom & Jerry\\", "D:\\");
  names.values[ExcludeFolders] = "\"C:\\Tom & Jerry\\Temp\\\\\" Temp";  // a trailing backslash, doubled before the quote
  names.logFile = "\"C:\\Log Dateien\\robo.log\"";
  const std::string line = Build(names);
  EXPECT_EQ(line, "robocopy \"C:\\Tom & Jerry\" D:\\ /XD \"C:\\Tom & Jerry\\Temp\\\\\" Temp /LOG:\"C:\\Log Dateien\\robo.log\"");
  const Reading again = Read(line);
  EXPECT_EQ(again.state.values[ExcludeFolders], names.values[ExcludeFolders]);
  EXPECT_EQ(again.state.logFile, "C:\\Log Dateien\\robo.log");
}

TEST(RobocopyLine, BoxesThatContainOrExcludeEachOther) {
  // A box another contains is ticked by it and not written again.
  const std::pair<State, const char*> rows[] = {
      {Ticked({S, E, Mirror, Purge}), "robocopy C:\\Daten D:\\Sicherung /MIR"},
      {Ticked({S, E}), "robocopy C:\\Daten D:\\Sicherung /E"},
      {Ticked({S, Purge}), "robocopy C:\\Daten D:\\Sicherung /S /PURGE"},
  };
  for (const auto& [state, line] : rows) EXPECT_EQ(Build(state), line);
  const State mirror = Ticked({Mirror});
  for (std::size_t option : {S, E, Purge}) EXPECT_TRUE(Implied(mirror, option)) << option;
  EXPECT_FALSE(Implied(mirror, Mirror));
  EXPECT_TRUE(Implied(Ticked({E}), S));
  EXPECT_FALSE(Implied(Ticked({Purge}), S));
  EXPECT_EQ(ExcludedBy(MoveFiles), (std::vector<std::size_t>{MoveAll}));
  EXPECT_EQ(ExcludedBy(Backup), (std::vector<std::size_t>{Restartable, RestartableBackup}));
  EXPECT_EQ(ExcludedBy(LogAppend), (std::vector<std::size_t>{Log}));
  EXPECT_TRUE(ExcludedBy(Mirror).empty());
  // A line with both of a pair keeps the first in the dialog, the other as it stood.
  EXPECT_EQ(Read("robocopy C:\\a D:\\b /ZB /z /B").frame.remarks.Notice().Text(), "Bleibt: „/z“, „/B“");
}

TEST(RobocopyLine, RefusalsAndWhatTheLineDeletes) {
  State tooFew = Ticked({Log, 32});
  tooFew.values[32] = "3x";
  const std::pair<State, const char*> refused[] = {
      {Ticked({}, "", "D:\\"), "robocopy braucht eine Quelle und ein Ziel."},
      {Ticked({}, "C:\\Daten\\", "c:\\daten\\"), "Quelle und Ziel sind derselbe Ordner."},
      {Ticked({Mirror}, "C:\\Daten\\", "C:\\Daten\\Kopie\\"),
       "Das Ziel liegt in der Quelle: mit /MIR, /PURGE, /MOV oder /MOVE löschte robocopy, was es gerade kopiert."},
      {Ticked({ExcludeFolders}), "Bei /XD fehlen die Namen."},
      {tooFew, "Bei /R: fehlt die Zahl."},
      {Ticked({Log}), "Bei /LOG: fehlt die Protokolldatei."},
  };
  for (const auto& [state, refusal] : refused) EXPECT_EQ(Refusal(state), refusal);
  EXPECT_EQ(Refusal(Ticked({E}, "C:\\Daten\\", "C:\\Daten\\Kopie\\")), "") << "copying into the source deletes nothing";

  const std::pair<State, const char*> deleting[] = {
      {Ticked({E}), ""},
      {Ticked({Mirror}), "/MIR löscht in „D:\\Sicherung“, was es in „C:\\Daten“ nicht gibt"},
      {Ticked({Purge, MoveAll}, "C:\\Daten\\", "D:\\"),
       "/PURGE löscht auf ganz „D:\\“, was es in „C:\\Daten“ nicht gibt; /MOVE löscht die kopierten Dateien und Ordner in "
       "„C:\\Daten“"},
      {Ticked({Mirror, KeepExtras, MoveFiles}, "", ""), "/MOV löscht die kopierten Dateien in der Quelle"},
  };
  for (const auto& [state, deletes] : deleting) EXPECT_EQ(Deletions(state), deletes);
}

}  // namespace
