// The xcopy or robocopy line a trial run starts: /L added, and whatever
// would ask, wait, write or hide the files left out; the lines it must not
// start; what exit codes mean; chkdsk's switches that lock the drive.
#include <gtest/gtest.h>

#include "hosts/script_lines.h"
#include "lines/trial_run.h"

namespace {

using lines::trial::ListOnlyLine;

TEST(TrialRunLine, ListOnlyAddedAndWhatWouldAskWaitOrWriteLeftOut) {
  struct Row {
    const char *line, *arguments;
    bool deletesExtras;
  };
  const Row rows[] = {
      {"xcopy C:\\Daten D:\\Ziel\\ /S", "C:\\Daten D:\\Ziel\\ /S /L /F /Y /I", false},
      // Glued switches split; /Q, /P, /W, /-Y and /R go; what the run adds is not doubled.
      {"XCOPY \"C:\\Eigene Dateien\" D:\\ /s/q/p /W /-Y /R /l /f /i", "\"C:\\Eigene Dateien\" D:\\ /s /l /f /i /Y", false},
      {"xcopy.exe a b /EXCLUDE:ohne.txt /D:12-31-2025", "a b /EXCLUDE:ohne.txt /D:12-31-2025 /L /F /Y /I", false},
      {"robocopy C:\\Daten D:\\Ziel /MIR /LOG:x.txt /NFL /ndl /V /MON:3", "C:\\Daten D:\\Ziel /MIR /L /BYTES", true},
      {"robocopy C:\\Daten D:\\Ziel /purge /UNILOG+:\"a b.log\" /L", "C:\\Daten D:\\Ziel /purge /L /BYTES", true},
      {"robocopy C:\\Daten D:\\Ziel /MIR /XX", "C:\\Daten D:\\Ziel /MIR /XX /L /BYTES", false},
      {"robocopy C:\\Daten D:\\Ziel *.txt /E", "C:\\Daten D:\\Ziel *.txt /E /L /BYTES", false},
  };
  for (const Row& row : rows) {
    const lines::trial::ListOnly run = ListOnlyLine(row.line);
    ASSERT_NE(run.model, nullptr) << row.line;
    EXPECT_TRUE(run.refusal.Empty()) << row.line;
    EXPECT_EQ(run.arguments, row.arguments) << row.line;
    EXPECT_EQ(run.deletesExtras, row.deletesExtras) << row.line;
  }
  const lines::trial::ListOnly run = ListOnlyLine("xcopy a b /Q");
  ASSERT_EQ(run.changes.size(), 5u);
  EXPECT_EQ(hosts::Rendered(run.changes[0]), L"/Q entfällt: xcopy verschwiege die Dateinamen");
  EXPECT_EQ(hosts::Rendered(run.changes[1]), L"/L ergänzt: nur auflisten");
  EXPECT_EQ(ListOnlyLine("echo xcopy a b").model, nullptr);
}

TEST(TrialRunLine, LinesThatMustNotStart) {
  const std::pair<const char*, const wchar_t*> rows[] = {
      {"xcopy a b > liste.txt", L"Die Zeile leitet mit „> liste.txt“ um"},
      {"xcopy a b 2>nul", L"Die Zeile leitet mit „2>nul“ um"},
      {"xcopy a b <nul", L"Die Zeile leitet mit „<nul“ um"},
      {"xcopy a b && del a", L"Die Zeile hängt mit „&& del a“ einen weiteren Befehl an"},
      {"robocopy a b | find \"x\"", L"Die Zeile hängt mit „| find \"x\"“ einen weiteren Befehl an"},
      {"xcopy a b ^", L"Die Zeile endet mit ^"},
      {"robocopy a b /job:nacht", L"„/job:nacht“ liest Optionen aus einer Jobdatei"},
  };
  for (const auto& [line, why] : rows)
    EXPECT_TRUE(hosts::Rendered(ListOnlyLine(line).refusal).starts_with(why)) << line;
  // Quoted or escaped, the characters are the line's own text.
  for (const char* line : {"xcopy \"a>b\" c", "xcopy a^&b c", "robocopy \"a|b\" c"})
    EXPECT_TRUE(ListOnlyLine(line).refusal.Empty()) << line;
}

TEST(TrialRunLine, ExitCodesAndLockingSwitches) {
  const lines::Model& xcopy = *ListOnlyLine("xcopy a b").model;
  const lines::Model& robocopy = *ListOnlyLine("robocopy a b").model;
  const std::tuple<const lines::Model*, unsigned long, const wchar_t*> rows[] = {
      {&xcopy, 0, L"ohne Fehler"},
      {&xcopy, 1, L"keine Dateien zum Kopieren gefunden"},
      {&xcopy, 4, L"Fehler vor dem Kopieren: Angaben der Zeile, Quelle, Laufwerk oder Speicher"},
      {&xcopy, 5, L"Schreibfehler auf dem Datenträger"},
      {&robocopy, 0, L"nichts zu tun: das Ziel stimmt mit der Quelle überein"},
      {&robocopy, 1, L"Dateien würden kopiert"},
      {&robocopy, 3, L"Dateien würden kopiert; zusätzliche Dateien oder Ordner im Ziel"},
      {&robocopy, 12, L"abweichende Dateien oder Ordner; einiges ließe sich nicht kopieren"},
      {&robocopy, 16, L"schwerer Fehler: robocopy tat nichts (Angaben der Zeile, Quelle oder Ziel nicht erreichbar)"},
  };
  for (const auto& [model, code, meaning] : rows)
    EXPECT_EQ(hosts::Rendered(lines::trial::ExitMeaning(*model, code)), meaning) << code;
  EXPECT_EQ(lines::trial::LockingSwitches("chkdsk C: /F /i /r"), (std::vector<std::string>{"/F", "/r"}));
  EXPECT_EQ(lines::trial::LockingSwitches("chkdsk/x"), std::vector<std::string>{"/x"});
  EXPECT_TRUE(lines::trial::LockingSwitches("chkdsk D: /i /c").empty());
}

}  // namespace
