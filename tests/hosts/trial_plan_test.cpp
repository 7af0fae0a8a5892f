// The editor's trial run before any window: a line's % references filled in
// as cmd.exe fills them in a script, what is started or why not; where the
// program is looked for; and the reader of the listing, which counts from
// the entries, never from the command's own summary.
#include <gtest/gtest.h>

#include <map>

#include "hosts/brindle_edit/listing_reader.h"
#include "hosts/brindle_edit/trial_plan.h"

namespace {

using brindle_edit::ListedEntry;
using brindle_edit::ListingReader;
using brindle_edit::PlanTrial;
using brindle_edit::TrialContext;
using Kind = brindle_edit::TrialPlan::Kind;

TrialContext Context(std::wstring script = L"C:\\Skripte\\sicherung.bat") {
  static const std::map<std::wstring, std::wstring, std::less<>> set = {
      {L"QUELLE", L"C:\\Eigene Dateien"}, {L"DATUM", L"24.12.2026"}, {L"PFAD", L"C:\\Alt\\Daten"}};
  const std::wstring folder = script.empty() ? L"D:\\Start\\" : script.substr(0, script.find_last_of(L'\\') + 1);
  return {script, folder, [](std::wstring_view name) -> std::optional<std::wstring> {
            const auto found = set.find(name);
            return found == set.end() ? std::nullopt : std::optional(found->second);
          }};
}

TEST(TrialPlan, PercentReferencesFilledInAsCmdFillsThem) {
  const std::pair<const wchar_t*, const wchar_t*> listed[] = {
      {L"xcopy \"%QUELLE%\" D:\\%DATUM:~6,4%\\", L"\"C:\\Eigene Dateien\" D:\\2026\\ /L /F /Y /I"},
      {L"xcopy %PFAD:alt=Neu% %PFAD:*\\Daten=X% %DATUM:~-4%", L"C:\\Neu\\Daten X 2026 /L /F /Y /I"},
      {L"xcopy \"%~dp0Daten\" \"%~d0\\100%%\\\"", L"\"C:\\Skripte\\Daten\" \"C:\\100%\\\" /L /F /Y /I"},
  };
  for (const auto& [line, arguments] : listed) {
    const brindle_edit::TrialPlan plan = PlanTrial(line, Context());
    EXPECT_EQ(plan.kind, Kind::Listing) << line << "\n" << plan.refusal;
    EXPECT_EQ(plan.arguments, arguments) << line;
  }
  const std::tuple<const wchar_t*, std::wstring, const wchar_t*> refused[] = {
      {L"xcopy %NICHTDA% D:\\", L"C:\\s.bat", L"Kein Probelauf: %NICHTDA% ist nicht gesetzt. "},
      {L"robocopy %1 D:\\", L"C:\\s.bat", L"Kein Probelauf: %1 bringt erst der Aufruf des Skripts. "},
      {L"xcopy %~dp0 D:\\", L"", L"Kein Probelauf: %~dp0 gehört zum Pfad des Skripts, das noch nicht gespeichert ist. "},
      {L"xcopy 100% D:\\", L"C:\\s.bat", L"Kein Probelauf: ein einzelnes % (für ein Prozentzeichen schreiben Sie %%). "},
  };
  for (const auto& [line, script, why] : refused) {
    const brindle_edit::TrialPlan plan = PlanTrial(line, Context(script));
    EXPECT_EQ(plan.kind, Kind::Refused) << line;
    EXPECT_TRUE(plan.refusal.starts_with(why)) << plan.refusal;
  }
  // echo shows what it can, the rest marked; a redirection said.
  const brindle_edit::TrialPlan echo = PlanTrial(L"@echo %QUELLE% ^& %FEHLT% > log.txt", Context());
  EXPECT_EQ(echo.kind, Kind::Text);
  EXPECT_TRUE(echo.shown.starts_with(L"C:\\Eigene Dateien & ‹%FEHLT%›")) << echo.shown;
  EXPECT_EQ(echo.notes, (std::vector<std::wstring>{L"%FEHLT% ist nicht gesetzt: cmd setzt hier nichts ein",
                                                   L"„> log.txt“ leitet um: der Text erscheint nicht im Fenster"}));
  const brindle_edit::TrialPlan chkdsk = PlanTrial(L"chkdsk /f /I", Context(L""));
  EXPECT_EQ(chkdsk.drive, L"D:") << "the drive the line runs on";
  EXPECT_EQ(chkdsk.locking, std::vector<std::wstring>{L"/f"});
  EXPECT_EQ(PlanTrial(L"rem xcopy a b", Context()).kind, Kind::None);
}

TEST(TrialPlan, ProgramLookedForWhereCmdLooks) {
  EXPECT_EQ(brindle_edit::ProgramCandidates(L"xcopy", L"C:\\Skripte\\", L"C:\\W;\"C:\\P x\";", L".COM;.EXE"),
            (std::vector<std::wstring>{L"C:\\Skripte\\xcopy.COM", L"C:\\Skripte\\xcopy.EXE", L"C:\\W\\xcopy.COM",
                                       L"C:\\W\\xcopy.EXE", L"C:\\P x\\xcopy.COM", L"C:\\P x\\xcopy.EXE"}));
  EXPECT_EQ(brindle_edit::ProgramCandidates(L"ROBOCOPY.exe", L"C:\\S\\", L"C:\\W", L".COM;.EXE"),
            (std::vector<std::wstring>{L"C:\\S\\ROBOCOPY.exe", L"C:\\W\\ROBOCOPY.exe"}));
  EXPECT_EQ(brindle_edit::ProgramCandidates(L"D:\\Werkzeug\\xcopy", L"C:\\S\\", L"C:\\W", L".EXE"),
            std::vector<std::wstring>{L"D:\\Werkzeug\\xcopy.EXE"});
  EXPECT_TRUE(brindle_edit::IsProgramFile(L"C:\\S\\xcopy.EXE"));
  EXPECT_FALSE(brindle_edit::IsProgramFile(L"C:\\S\\xcopy.bat"));
}

TEST(ListingReader, XcopyCountedFromItsEntries) {
  ListingReader reader(false, L"", false);
  brindle_edit::ListingTotals totals;
  for (const wchar_t* line : {L"C:\\Q\\a b.txt -> D:\\Z\\a b.txt\r", L"C:\\Q\\Grüße.txt -> D:\\Z\\Grüße.txt",
                              L"", L"0 File(s) would be copied"})
    if (const std::optional<ListedEntry> entry = reader.Take(line)) totals.Add(*entry);
  EXPECT_EQ(totals.copies, 2u) << "the entries, not the summary's 0";
  const std::optional<ListedEntry> entry = reader.Take(L"C:\\Q\\x.txt -> D:\\Z\\x.txt");
  ASSERT_TRUE(entry && entry->kind == ListedEntry::Kind::Copy);
  EXPECT_EQ(entry->source, L"C:\\Q\\x.txt");
  EXPECT_EQ(entry->target, L"D:\\Z\\x.txt");
  // A message once; a question asked again and again is named.
  const std::wstring question = L"Overwrite D:\\Z\\a.txt (Yes/No/All)?";
  EXPECT_EQ(reader.Take(question)->kind, ListedEntry::Kind::Message);
  EXPECT_FALSE(reader.Take(question));
  EXPECT_EQ(reader.Asking(), L"");
  reader.Take(question);
  EXPECT_EQ(reader.Asking(), question);
}

TEST(ListingReader, RobocopyFilesFoldersAndWhatMirrorDeletes) {
  for (const bool mirror : {true, false}) {
    ListingReader reader(true, L"D:\\Ziel\\", mirror);
    brindle_edit::ListingTotals totals;
    std::vector<std::wstring> shown;
    for (const wchar_t* line : {L"-------------------------------------------------------------------------------",
                                L"   ROBOCOPY     ::     Robust File Copy for Windows",
                                L"   Source : C:\\Daten\\",
                                L"\t                   3\tC:\\Daten\\",
                                L"\t    New File  \t\t    1.5 m\ta.txt",
                                L"\t  *EXTRA File \t\t      42\talt.txt",
                                L"\t*EXTRA Dir        -1\tD:\\Ziel\\Alt\\",
                                L"\t  New Dir          1\tC:\\Daten\\Neu\\",
                                L"\t    Newer     \t\t    2000\tb.txt",
                                L"ERROR 5 (0x00000005) Accessing Source Directory C:\\Daten\\Gesperrt\\",
                                L"-------------------------------------------------------------------------------",
                                L"   Files :         9         9         0         0         0         0"})
      if (const std::optional<ListedEntry> entry = reader.Take(line)) {
        totals.Add(*entry);
        shown.push_back(brindle_edit::ListingLine(*entry, L"robocopy"));
      }
    const wchar_t* deleted = mirror ? L"             42 B  WIRD GELÖSCHT: D:\\Ziel\\alt.txt"
                                    : L"             42 B  nur im Ziel, bleibt: D:\\Ziel\\alt.txt";
    const wchar_t* folder = mirror ? L"           Ordner  WIRD GELÖSCHT, mit allem darin: D:\\Ziel\\Alt\\"
                                   : L"           Ordner  nur im Ziel, bleibt: D:\\Ziel\\Alt\\";
    const std::vector<std::wstring> expected = {
                         L"      1.572.864 B  C:\\Daten\\a.txt  →  D:\\Ziel\\a.txt", deleted, folder,
                         L"           Ordner  neu: D:\\Ziel\\Neu\\",
                         L"          2.000 B  ERSETZT C:\\Daten\\Neu\\b.txt  →  D:\\Ziel\\Neu\\b.txt",
                         L"robocopy: ERROR 5 (0x00000005) Accessing Source Directory C:\\Daten\\Gesperrt\\"};
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(totals.Text(), mirror ? L"2 Dateien würden kopiert (1.574.864 Bytes (1,5 MB)), 1 davon über eine vorhandene; 1 "
                                      L"Datei und 1 Ordner mit allem darin würden gelöscht (42 Bytes)"
                                    : L"2 Dateien würden kopiert (1.574.864 Bytes (1,5 MB)), 1 davon über eine vorhandene");
  }
}

}  // namespace
