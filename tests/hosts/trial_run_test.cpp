// BrindleEdit's trial run (F6) on real folders: an xcopy line lists the
// files that the same line then copies and changes nothing meanwhile; a
// robocopy line, run by a stand-in (Wine 8's robocopy.exe is a stub), shows
// what /MIR would delete; a long listing is cancelled at once with its whole
// process tree; a line that must not run starts nothing. And the editor's
// replace, go to line and recent files, as a user works them.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/editor_process.h"
#include "tests/support/tree_view.h"
#include "tests/support/user_input.h"

namespace {

using support::Editor;
using support::WideText;
const std::wstring Folder = std::wstring(support::EditorFolder) + L"\\";

// The trial window's parts, by their ids.
struct TrialWindow {
  HWND window = nullptr, header = nullptr, listing = nullptr, status = nullptr, copy = nullptr, stop = nullptr;
  std::wstring Status() const { return WideText(status); }
  bool WaitForStatus(const std::wstring& start, DWORD timeoutMs = support::PatienceMs) const {
    return support::WaitUntil([&] { return Status().starts_with(start); }, timeoutMs);
  }
};

// Puts the caret on line `number` (from 0) and presses F6.
TrialWindow TrialOfLine(const Editor& editor, int number) {
  SetForegroundWindow(editor.window);
  if (!support::WaitForKeyboardFocus(editor.edit)) return {};
  const auto start = SendMessageW(editor.edit, EM_LINEINDEX, number, 0);
  SendMessageW(editor.edit, EM_SETSEL, start, start);
  support::PressKey(VK_F6);
  TrialWindow trial;
  trial.window = support::WaitForWindow("Probelauf", support::PatienceMs, editor.process.dwProcessId);
  for (auto [part, id] : {std::pair{&trial.header, 101}, {&trial.listing, 102}, {&trial.status, 103}, {&trial.copy, 104},
                          {&trial.stop, 106}})
    *part = GetDlgItem(trial.window, id);
  // Shown for this line, not still for the one before.
  const std::wstring shown = L"\r\nZeile " + std::to_wstring(number + 1) + L": ";
  if (!support::WaitUntil([&] { return WideText(trial.header).find(shown) != std::wstring::npos; })) return {};
  return trial;
}

void Put(const std::wstring& path, const std::string& bytes, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  SetFileAttributesW(path.c_str(), attributes);
}

void Dated(const std::wstring& path, WORD year) {
  const SYSTEMTIME when = {year, 6, 0, 15, 12, 0, 0, 0};
  FILETIME time;
  SystemTimeToFileTime(&when, &time);
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  SetFileTime(file, nullptr, nullptr, &time);
  CloseHandle(file);
}

// Every file and folder under `folder` by its path from there, with its
// attributes, size, time and bytes: equal snapshots, nothing changed.
std::map<std::wstring, std::string> Snapshot(const std::wstring& folder, const std::wstring& under = L"") {
  std::map<std::wstring, std::string> found;
  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileW((folder + under + L"*").c_str(), &entry);
  for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &entry)) {
    const std::wstring name = entry.cFileName, path = under + name;
    if (name == L"." || name == L"..") continue;
    std::ostringstream state;
    state << entry.dwFileAttributes << ' ' << entry.nFileSizeLow << ' ' << entry.ftLastWriteTime.dwLowDateTime << ' '
          << entry.ftLastWriteTime.dwHighDateTime << ' ';
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      found.merge(Snapshot(folder, path + L"\\"));
    } else {
      HANDLE file = CreateFileW((folder + path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
      std::string bytes(entry.nFileSizeLow, '\0');
      DWORD read = 0;
      ReadFile(file, bytes.data(), entry.nFileSizeLow, &read, nullptr);
      CloseHandle(file);
      state << bytes;
    }
    found[path] = state.str();
  }
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
  return found;
}

// Runs `line` as cmd.exe runs it in the tests' folder, reading from nothing.
void RunInConsole(const std::wstring& line) {
  std::wstring command = L"cmd.exe /c " + line;
  SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
  HANDLE nothing = CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, 0, &inherited, OPEN_EXISTING, 0, nullptr);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = startup.hStdOutput = startup.hStdError = nothing;
  PROCESS_INFORMATION started = {};
  if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, Folder.c_str(), &startup,
                     &started)) {
    EXPECT_EQ(WaitForSingleObject(started.hProcess, support::PatienceMs), WAIT_OBJECT_0) << "still copying";
    TerminateProcess(started.hProcess, 1);
    CloseHandle(started.hProcess);
    CloseHandle(started.hThread);
  }
  CloseHandle(nothing);
}

// The targets of the listing's copy lines ("size  [ERSETZT ]source  →  target"),
// each with whether it is marked as replacing a file the target has.
std::map<std::wstring, bool> ListedTargets(const std::wstring& listing) {
  std::map<std::wstring, bool> targets;
  std::wistringstream lines(listing);
  for (std::wstring line; std::getline(lines, line);) {
    if (line.ends_with(L'\r')) line.pop_back();
    const std::size_t arrow = line.find(L"  →  ");
    if (arrow != std::wstring::npos) targets[line.substr(arrow + 5)] = line.find(L" B  ERSETZT ") != std::wstring::npos;
  }
  return targets;
}

// The processes the stand-in logged, by their ids ("aufrufe.txt": "id command line").
std::vector<DWORD> LoggedProcesses() {
  std::vector<DWORD> ids;
  std::ifstream calls(std::wstring(Folder + L"aufrufe.txt").c_str());
  for (std::string line; std::getline(calls, line);) ids.push_back(std::stoul(line));
  return ids;
}

bool Ended(DWORD id) {
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, id);
  if (!process) return true;
  const bool ended = WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
  CloseHandle(process);
  return ended;
}

std::string CommandLines() {
  std::ifstream calls(std::wstring(Folder + L"aufrufe.txt").c_str());
  std::string lines;
  for (std::string line; std::getline(calls, line);) lines += line.substr(line.find(' ') + 1) + "\n";
  return lines;
}

class TrialRun : public ::testing::Test {
 protected:
  void SetUp() override {
    support::RemoveTree(support::EditorFolder);
    support::RemoveTree(support::RecoveryFolder());
    CreateDirectoryW(support::EditorFolder, nullptr);
  }
  void TearDown() override {
    for (DWORD id : LoggedProcesses())  // a stand-in left behind, on a failing path
      if (HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, id)) {
        TerminateProcess(process, 1);
        CloseHandle(process);
      }
    support::RemoveTree(support::EditorFolder);
    support::RemoveTree(support::RecoveryFolder());
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Brindlework\\BrindleEdit", L"Zuletzt");
  }
  // The stand-in as `name` in the tests' folder, and what it says and answers.
  static void StandIn(const wchar_t* name, const std::string& output = "") {
    wchar_t here[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, here, MAX_PATH);
    std::wstring built = here;
    built = built.substr(0, built.find_last_of(L'\\') + 1) + L"robocopy_stand_in.exe";
    ASSERT_TRUE(CopyFileW(built.c_str(), (Folder + name).c_str(), FALSE));
    if (!output.empty()) Put(Folder + L"ausgabe.txt", output);
  }
};

// Folders with files, subfolders, a hidden and a read-only file, names
// with blanks and umlauts: each xcopy line's trial run lists exactly what
// the same line, run afterwards, copies, marks the files it copies over
// ones the target has, and the listing's own count is the
// sum (Wine 8's xcopy /L says "0 file(s)"). Nothing on disk changes.
TEST_F(TrialRun, XcopyListsWhatTheLineThenCopies) {
  const std::wstring source = Folder + L"Quelle mit Blank\\";
  CreateDirectoryW(source.c_str(), nullptr);
  CreateDirectoryW((source + L"Unter Ordner").c_str(), nullptr);
  CreateDirectoryW((source + L"Unter Ordner\\tief").c_str(), nullptr);
  CreateDirectoryW((source + L"leer").c_str(), nullptr);
  Put(source + L"a.txt", "a");
  Put(source + L"b c.txt", "bc");
  Put(source + L"Grüße.txt", "gruss");
  Put(source + L"versteckt.txt", "h", FILE_ATTRIBUTE_HIDDEN);
  Put(source + L"schreibgeschützt.txt", "r", FILE_ATTRIBUTE_READONLY);
  Put(source + L"notiz.log", "log");
  Put(source + L"Unter Ordner\\d.txt", "d");
  Put(source + L"Unter Ordner\\tief\\e.txt", "e");
  Put(Folder + L"ausnahmen.txt", ".log\r\n\\tief\\\r\n");
  CreateDirectoryW((Folder + L"Ziel D").c_str(), nullptr);
  Put(Folder + L"Ziel D\\a.txt", "neuer");  // newer than the source: /D leaves it
  Dated(Folder + L"Ziel D\\a.txt", 2035);
  Put(Folder + L"Ziel D\\b c.txt", "alt");  // older: /D copies it
  Dated(Folder + L"Ziel D\\b c.txt", 2001);
  const std::vector<std::pair<std::wstring, const wchar_t*>> lines = {
      {L"xcopy \"Quelle mit Blank\" \"Ziel S\\\" /S", L"Ziel S\\"},
      {L"xcopy \"Quelle mit Blank\\*.*\" \"Ziel E H\\\" /E /H", L"Ziel E H\\"},
      {L"XCOPY \"Quelle mit Blank\" \"Ziel D\\\" /D /S /Y", L"Ziel D\\"},
      {L"xcopy \"%~dp0Quelle mit Blank\" \"Ziel X\\\" /S /EXCLUDE:ausnahmen.txt", L"Ziel X\\"}};
  std::string script;
  for (const auto& [line, target] : lines) script += std::string(line.begin(), line.end()) + "\r\n";
  Editor editor("kopie.bat", script.c_str());
  ASSERT_NE(editor.window, nullptr);

  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::wstring& line = lines[i].first;
    const std::wstring target = Folder + lines[i].second;
    const auto before = Snapshot(Folder);
    const TrialWindow trial = TrialOfLine(editor, static_cast<int>(i));
    ASSERT_NE(trial.window, nullptr) << i;
    ASSERT_TRUE(trial.WaitForStatus(L"Fertig: ")) << trial.Status();
    EXPECT_TRUE(WideText(trial.header).starts_with(L"Probelauf: nichts auf dem Datenträger wird geändert.\r\n"));
    const std::map<std::wstring, bool> listed = ListedTargets(WideText(trial.listing));
    const std::wstring status = trial.Status();
    ASSERT_EQ(Snapshot(Folder), before) << "changed by the trial run of " << i;

    // The line as it stands, in a console: the files it then copies.
    std::wstring real = line;
    if (const std::size_t at = real.find(L"%~dp0"); at != std::wstring::npos) real.replace(at, 5, Folder);
    const auto targetBefore = Snapshot(target);
    RunInConsole(real);
    std::map<std::wstring, bool> copied;  // and whether it replaced a file
    for (const auto& [path, state] : Snapshot(target))
      if (!(GetFileAttributesW((target + path).c_str()) & FILE_ATTRIBUTE_DIRECTORY) &&
          (!targetBefore.contains(path) || targetBefore.at(path) != state))
        copied[target + path] = targetBefore.contains(path);
    EXPECT_FALSE(copied.empty()) << i;
    EXPECT_EQ(listed, copied) << "line " << i + 1;
    const std::size_t count = copied.size();
    EXPECT_TRUE(status.starts_with(L"Fertig: " + std::to_wstring(count) + (count == 1 ? L" Datei würde" : L" Dateien würden") +
                                   L" kopiert"))
        << status;
    EXPECT_TRUE(status.ends_with(L"xcopy endete mit 0: ohne Fehler.")) << status;
  }
  // Closed with Escape; the editor has its keys back.
  SetForegroundWindow(support::WaitForWindow("Probelauf", 1000, editor.process.dwProcessId));
  support::PressKey(VK_ESCAPE);
  EXPECT_TRUE(support::WaitUntil([&] { return !support::WaitForWindow("Probelauf", 0, editor.process.dwProcessId); }));
}

// robocopy through the stand-in, found in the line's folder as cmd.exe
// finds programs: started with /L and /BYTES and without its log; its
// files mapped to the target, what /MIR deletes marked, the exit code's
// meaning said; the window's text copied whole. A rejected line shows
// robocopy's message and its code's meaning.
TEST_F(TrialRun, RobocopyThroughAStandIn) {
  StandIn(L"robocopy.exe",
          "3\r\n"
          "-------------------------------------------------------------------------------\r\n"
          "   ROBOCOPY     ::     Robust File Copy for Windows\r\n"
          "-------------------------------------------------------------------------------\r\n"
          "   Source : C:\\BrindleEditTest\\Quelle\\\r\n"
          "     Dest : C:\\BrindleEditTest\\Ziel\\\r\n"
          "-------------------------------------------------------------------------------\r\n"
          "\t                   1\tC:\\BrindleEditTest\\Quelle\\\r\n"
          "\t    New File  \t\t     100\ta.txt\r\n"
          "\t  *EXTRA File \t\t      42\talt.txt\r\n"
          "\t*EXTRA Dir        -1\tC:\\BrindleEditTest\\Ziel\\Alt\\\r\n"
          "\t  New Dir          1\tC:\\BrindleEditTest\\Quelle\\Neu Ordner\\\r\n"
          "\t    New File  \t\t    2000\tGr\x81\xE1" "e.txt\r\n"
          "-------------------------------------------------------------------------------\r\n"
          "               Total    Copied   Skipped  Mismatch    FAILED    Extras\r\n"
          "   Files :         7         7         0         0         0         1\r\n");
  Editor editor("spiegel.bat", "robocopy Quelle Ziel /MIR /LOG:protokoll.txt\r\nrobocopy Quelle Ziel /FALSCH\r\n");
  ASSERT_NE(editor.window, nullptr);
  TrialWindow trial = TrialOfLine(editor, 0);
  ASSERT_NE(trial.window, nullptr);
  ASSERT_TRUE(trial.WaitForStatus(L"Fertig: ")) << trial.Status();
  EXPECT_EQ(trial.Status(), L"Fertig: 2 Dateien würden kopiert (2.100 Bytes); 1 Datei und 1 Ordner mit allem darin "
                            L"würden gelöscht (42 Bytes). robocopy endete mit 3: Dateien würden kopiert; zusätzliche "
                            L"Dateien oder Ordner im Ziel.");
  EXPECT_EQ(CommandLines(), "robocopy Quelle Ziel /MIR /L /BYTES\n");
  const std::wstring listing = WideText(trial.listing);
  for (const wchar_t* shown :
       {L"100 B  C:\\BrindleEditTest\\Quelle\\a.txt  →  C:\\BrindleEditTest\\Ziel\\a.txt\r\n",
        L"42 B  WIRD GELÖSCHT: C:\\BrindleEditTest\\Ziel\\alt.txt\r\n",
        L"Ordner  WIRD GELÖSCHT, mit allem darin: C:\\BrindleEditTest\\Ziel\\Alt\\\r\n",
        L"Ordner  neu: C:\\BrindleEditTest\\Ziel\\Neu Ordner\\\r\n",
        L"2.000 B  C:\\BrindleEditTest\\Quelle\\Neu Ordner\\Grüße.txt  →  C:\\BrindleEditTest\\Ziel\\Neu Ordner\\Grüße.txt\r\n"})
    EXPECT_NE(listing.find(shown), std::wstring::npos) << shown << "\nin\n" << listing;
  EXPECT_EQ(listing.find(L"Total"), std::wstring::npos) << "robocopy's summary is no entry";

  ASSERT_TRUE(support::WaitForKeyboardFocus(trial.listing));
  support::Click(trial.copy);
  std::wstring copied;
  EXPECT_TRUE(support::WaitUntil([&] {
    if (!OpenClipboard(nullptr)) return false;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
      copied = static_cast<const wchar_t*>(GlobalLock(data));
      GlobalUnlock(data);
    }
    CloseClipboard();
    return copied.find(L"WIRD GELÖSCHT: C:\\BrindleEditTest\\Ziel\\alt.txt") != std::wstring::npos;
  })) << copied;
  EXPECT_TRUE(copied.starts_with(L"Probelauf: nichts auf dem Datenträger wird geändert.")) << copied;
  EXPECT_TRUE(copied.ends_with(L"Dateien oder Ordner im Ziel.\r\n")) << copied;

  Put(Folder + L"ausgabe.txt", "16\r\n\r\nERROR : Invalid Parameter #3 : \"/FALSCH\"\r\n");
  trial = TrialOfLine(editor, 1);
  ASSERT_TRUE(trial.WaitForStatus(L"Fertig: ")) << trial.Status();
  EXPECT_EQ(WideText(trial.listing), L"robocopy: ERROR : Invalid Parameter #3 : \"/FALSCH\"\r\n");
  EXPECT_TRUE(trial.Status().ends_with(L"robocopy endete mit 16: schwerer Fehler: robocopy tat nichts (Angaben der "
                                       L"Zeile, Quelle oder Ziel nicht erreichbar).")) << trial.Status();
}

// A listing of 100,000 files, its program stopping halfway with a child of
// its own: "Abbrechen" while the listing is unfinished answers within a
// second, and every process of the run has ended.
TEST_F(TrialRun, CancelEndsTheWholeRunAtOnce) {
  StandIn(L"robocopy.exe", "0 100000 1\r\n\t              100000\tC:\\BrindleEditTest\\Quelle\\\r\n");
  Editor editor("viele.bat", "robocopy Quelle Ziel /E\r\n");
  ASSERT_NE(editor.window, nullptr);
  const TrialWindow trial = TrialOfLine(editor, 0);
  ASSERT_NE(trial.window, nullptr);
  ASSERT_TRUE(trial.WaitForStatus(L"Läuft … bisher ")) << trial.Status();
  ASSERT_TRUE(support::WaitUntil([] { return LoggedProcesses().size() == 2; })) << "the stand-in and its child";
  EXPECT_EQ(support::WindowText(trial.stop), "&Abbrechen");

  const ULONGLONG clicked = GetTickCount64();
  support::Click(trial.stop);
  EXPECT_TRUE(trial.WaitForStatus(L"Abgebrochen, die Liste ist unvollständig: bis dahin ", 1000)) << trial.Status();
  EXPECT_TRUE(support::WaitUntil(
      [] {
        const std::vector<DWORD> ids = LoggedProcesses();
        return !ids.empty() && std::all_of(ids.begin(), ids.end(), Ended);
      },
      1000));
  EXPECT_LE(GetTickCount64() - clicked, 1000u);
  EXPECT_EQ(support::Descendants(editor.process.dwProcessId), 0);
  EXPECT_EQ(support::WindowText(trial.stop), "&Schließen");
}

// A line with a variable that is not set, a redirection, a chain or a job
// file starts nothing: the stand-ins in the line's folder log no call and
// no process of the editor's is left; the window says why. The same
// stand-in does log a line that may run.
TEST_F(TrialRun, LinesThatMustNotRunStartNothing) {
  StandIn(L"xcopy.exe");
  StandIn(L"robocopy.exe");
  struct Case {
    const char* line;
    const wchar_t* why;
  };
  const Case cases[] = {
      {"xcopy %NICHT_GESETZT%\\*.txt Ziel\\", L"Kein Probelauf: %NICHT_GESETZT% ist nicht gesetzt."},
      {"xcopy Quelle Ziel\\ > protokoll.txt", L"Die Zeile leitet mit „> protokoll.txt“ um"},
      {"xcopy Quelle Ziel\\ & del Quelle\\a.txt", L"Die Zeile hängt mit „& del Quelle\\a.txt“ einen weiteren Befehl an"},
      {"xcopy Quelle Ziel\\ | more", L"Die Zeile hängt mit „| more“ einen weiteren Befehl an"},
      {"robocopy Quelle Ziel /JOB:auftrag", L"„/JOB:auftrag“ liest Optionen aus einer Jobdatei"},
  };
  std::string script;
  for (const Case& c : cases) script += std::string(c.line) + "\r\n";
  Editor editor("gesperrt.bat", (script + "xcopy Quelle Ziel\\\r\n").c_str());
  ASSERT_NE(editor.window, nullptr);
  int number = 0;
  for (const Case& c : cases) {
    const TrialWindow trial = TrialOfLine(editor, number++);
    ASSERT_NE(trial.window, nullptr) << c.line;
    EXPECT_TRUE(support::WaitUntil([&] { return WideText(trial.header).find(c.why) != std::wstring::npos; }))
        << c.line << "\n" << WideText(trial.header);
    EXPECT_EQ(trial.Status(), L"Nichts wurde gestartet.");
    EXPECT_EQ(support::Descendants(editor.process.dwProcessId), 0) << c.line;
  }
  EXPECT_EQ(CommandLines(), "") << "started";
  const TrialWindow trial = TrialOfLine(editor, number);
  ASSERT_TRUE(trial.WaitForStatus(L"Fertig: ")) << trial.Status();
  EXPECT_EQ(CommandLines(), "xcopy Quelle Ziel\\ /L /F /Y /I\n");
}

// chkdsk, color and echo lines start nothing: the system drive, which
// chkdsk can only check at the next start; a preview in the line's
// colours; echo's text with the set variables filled in, the rest marked.
TEST_F(TrialRun, OtherLinesShowWithoutRunning) {
  wchar_t user[256] = {};
  GetEnvironmentVariableW(L"USERNAME", user, 256);
  wchar_t windows[MAX_PATH] = {};
  GetSystemWindowsDirectoryW(windows, MAX_PATH);
  const std::string drive(1, static_cast<char>(windows[0]));
  Editor editor("andere.bat", ("chkdsk " + drive + ": /f\r\ncolor 1E\r\necho Hallo %USERNAME% ^& %FEHLT%\r\n").c_str());
  ASSERT_NE(editor.window, nullptr);
  const std::pair<int, std::wstring> shown[] = {
      {0, L"/f braucht das Laufwerk für sich allein. Solange Windows von ihm läuft, geht das nicht: chkdsk fragt, "
          L"ob es beim nächsten Start prüfen soll; mit „J“ wird es beim nächsten Neustart ausgeführt."},
      {1, L"So sieht die Konsole in diesen Farben aus:"},
      {2, L"cmd gibt aus:\r\nHallo " + std::wstring(user) + L" & ‹%FEHLT%›\r\n%FEHLT% ist nicht gesetzt"},
  };
  for (const auto& [line, text] : shown) {
    const TrialWindow trial = TrialOfLine(editor, line);
    ASSERT_NE(trial.window, nullptr) << line;
    EXPECT_NE(WideText(trial.header).find(text), std::wstring::npos) << WideText(trial.header);
    EXPECT_EQ(trial.Status(), L"Nichts wurde gestartet.");
    EXPECT_EQ(IsWindowVisible(GetDlgItem(trial.window, 105)), line == 1) << "the colours' preview";
    EXPECT_EQ(support::Descendants(editor.process.dwProcessId), 0) << line;
  }
}

// Ctrl+H: "Ersetzen" replaces the found text and finds the next, each an
// undo step; "Alle ersetzen" is one step in all. Ctrl+G goes to a line.
// The "Datei" menu lists the scripts opened last, and opens them.
TEST_F(TrialRun, ReplaceGoToLineAndRecentFiles) {
  RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Brindlework\\BrindleEdit", L"Zuletzt");
  const std::wstring original = L"echo alt\r\necho alt\r\necho alt\r\n";
  { Editor first("erstes.bat", "rem eins\r\n"); }
  Editor editor("ersetzen.bat", "echo alt\r\necho alt\r\necho alt\r\n");
  ASSERT_NE(editor.window, nullptr);

  const auto replaceDialog = [&] {
    support::PressKey('H', {VK_CONTROL});
    HWND dialog = support::WaitForDialog(nullptr, support::PatienceMs, editor.process.dwProcessId, "#32770");
    if (dialog) {
      SendMessageW(GetDlgItem(dialog, 0x480), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"alt"));
      SendMessageW(GetDlgItem(dialog, 0x481), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"neu"));
    }
    return dialog;
  };
  HWND dialog = replaceDialog();
  ASSERT_NE(dialog, nullptr);
  for (const wchar_t* expected : {original.c_str(), L"echo neu\r\necho alt\r\necho alt\r\n",
                                  L"echo neu\r\necho neu\r\necho alt\r\n"}) {
    support::Click(GetDlgItem(dialog, 0x400));  // "Ersetzen"
    EXPECT_TRUE(editor.WaitForText(expected));
  }
  support::Click(GetDlgItem(dialog, 0x401));  // "Alle ersetzen"
  EXPECT_TRUE(editor.WaitForText(L"echo neu\r\necho neu\r\necho neu\r\n"));
  support::Click(GetDlgItem(dialog, IDCANCEL));
  ASSERT_TRUE(support::WaitForWindowGone(dialog));
  ASSERT_TRUE(support::WaitForKeyboardFocus(editor.edit));
  for (const wchar_t* expected : {L"echo neu\r\necho neu\r\necho alt\r\n", L"echo neu\r\necho alt\r\necho alt\r\n",
                                  original.c_str()}) {
    support::PressKey('Z', {VK_CONTROL});
    EXPECT_TRUE(editor.WaitForText(expected));
  }
  dialog = replaceDialog();
  ASSERT_NE(dialog, nullptr);
  support::Click(GetDlgItem(dialog, 0x401));
  EXPECT_TRUE(editor.WaitForText(L"echo neu\r\necho neu\r\necho neu\r\n"));
  support::Click(GetDlgItem(dialog, IDCANCEL));
  ASSERT_TRUE(support::WaitForWindowGone(dialog));
  ASSERT_TRUE(support::WaitForKeyboardFocus(editor.edit));
  support::PressKey('Z', {VK_CONTROL});
  EXPECT_TRUE(editor.WaitForText(original)) << "\"Alle ersetzen\" is one undo step";

  support::PressKey('G', {VK_CONTROL});
  HWND goTo = support::WaitForDialog("Gehe zu Zeile", support::PatienceMs, editor.process.dwProcessId);
  ASSERT_NE(goTo, nullptr);
  ASSERT_TRUE(support::WaitUntil([&] { return GetParent(support::FocusIn(goTo)) == goTo; }));
  support::TypeText("3");
  support::PressKey(VK_RETURN);
  ASSERT_TRUE(support::WaitForWindowGone(goTo));
  const auto third = static_cast<LONG>(SendMessageW(editor.edit, EM_LINEINDEX, 2, 0));
  EXPECT_TRUE(support::WaitUntil([&] { return SendMessageW(editor.edit, EM_GETSEL, 0, 0) == MAKELONG(third, third); }));

  ASSERT_TRUE(support::WaitForKeyboardFocus(editor.edit));
  support::PressKey('D', {VK_MENU});
  ASSERT_NE(support::WaitForWindow(nullptr, support::PatienceMs, editor.process.dwProcessId, "#32768"), nullptr);
  support::PressKey('2');  // the script opened before this one
  HWND question = support::WaitForDialog("BrindleEdit", support::PatienceMs, editor.process.dwProcessId, "#32770");
  ASSERT_NE(question, nullptr) << "the changes undone are changes still";
  support::Click(GetDlgItem(question, IDNO));
  EXPECT_NE(support::WaitForWindow("erstes.bat – BrindleEdit", support::PatienceMs, editor.process.dwProcessId), nullptr);
  EXPECT_TRUE(editor.WaitForText(L"rem eins\r\n"));
}

}  // namespace
