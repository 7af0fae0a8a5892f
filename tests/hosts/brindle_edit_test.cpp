// BrindleEdit.exe as a user works it: a script opened from the command
// line, command lines inserted with the library's dialogs, undo, save,
// reopen, and a run in the console with its umlauts intact.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <tlhelp32.h>

#include <fstream>
#include <iterator>
#include <string>

#include "tests/support/library_host.h"
#include "tests/support/tree_view.h"
#include "tests/support/user_input.h"

namespace {

constexpr wchar_t Folder[] = L"C:\\BrindleEditTest";
constexpr int EditId = 100, StatusId = 101;

std::string Bytes(const std::wstring& path) {
  std::ifstream file(path.c_str(), std::ios::binary);  // mingw's libstdc++ takes wide names
  return std::string(std::istreambuf_iterator<char>(file), {});
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream(path.c_str(), std::ios::binary) << bytes;
}

// A text of another process's window, read as wide text.
std::wstring WideText(HWND window) {
  const auto length = static_cast<std::size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(length + 1, L'\0');
  text.resize(static_cast<std::size_t>(SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

// Ends every process started by `parent` and by those, by their ids.
void EndDescendants(DWORD parent) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return;
  PROCESSENTRY32W entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    if (entry.th32ParentProcessID != parent || entry.th32ProcessID == parent) continue;
    EndDescendants(entry.th32ProcessID);
    if (HANDLE child = OpenProcess(PROCESS_TERMINATE, FALSE, entry.th32ProcessID)) {
      TerminateProcess(child, 1);
      CloseHandle(child);
    }
  }
  CloseHandle(snapshot);
}

// One run of the editor on a script; ended on every path.
class Editor {
 public:
  explicit Editor(const std::wstring& script) {
    std::wstring commandLine = L"BrindleEdit.exe \"" + script + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_))
      return;
    const std::string title = TitleFor(script);
    window_ = support::WaitForWindow(title.c_str(), support::PatienceMs, process_.dwProcessId);
    if (window_) {
      edit_ = GetDlgItem(window_, EditId);
      status_ = GetDlgItem(window_, StatusId);
      SetForegroundWindow(window_);
      // The tests type at once: a window that never takes the keys is none.
      if (!support::WaitForKeyboardFocus(edit_)) window_ = nullptr;
    }
  }
  ~Editor() {
    if (!process_.hProcess) return;
    EndDescendants(process_.dwProcessId);
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
  }
  Editor(const Editor&) = delete;
  Editor& operator=(const Editor&) = delete;

  HWND Window() const { return window_; }
  std::wstring Text() const { return WideText(edit_); }
  std::wstring Status() const { return WideText(status_); }
  bool WaitForText(const std::wstring& expected) const {
    return support::WaitUntil([&] { return Text() == expected; });
  }
  // Closes the window as the user would and returns the exit code.
  DWORD Close() {
    PostMessageW(window_, WM_CLOSE, 0, 0);
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process_.hProcess, support::PatienceMs) == WAIT_OBJECT_0)
      GetExitCodeProcess(process_.hProcess, &code);
    return code;
  }
  DWORD ProcessId() const { return process_.dwProcessId; }

 private:
  // "name.bat – BrindleEdit" in the code page the test's texts are in.
  static std::string TitleFor(const std::wstring& script) {
    const std::wstring title = script.substr(script.find_last_of(L'\\') + 1) + L" – BrindleEdit";
    char narrow[512] = {};
    WideCharToMultiByte(1252, 0, title.c_str(), -1, narrow, sizeof narrow, nullptr, nullptr);
    return narrow;
  }
  PROCESS_INFORMATION process_ = {};
  HWND window_ = nullptr, edit_ = nullptr, status_ = nullptr;
};

// Runs a command of the editor's menu by its shortcut and works its dialog.
void WorkDialog(const Editor& editor, int key, const char* title, const std::function<void(HWND)>& user) {
  support::PressKey(static_cast<WORD>(key), {VK_CONTROL});
  HWND dialog = support::WaitForDialog(title, support::PatienceMs, editor.ProcessId());
  ASSERT_NE(dialog, nullptr) << title << support::KeyboardState(editor.Window());
  user(dialog);
  ASSERT_TRUE(support::WaitForWindowGone(dialog)) << title;
}

class BrindleEdit : public ::testing::Test {
 protected:
  void SetUp() override {
    support::RemoveTree(Folder);
    CreateDirectoryW(Folder, nullptr);
  }
  void TearDown() override { support::RemoveTree(Folder); }
  std::wstring Path(const wchar_t* name) const { return std::wstring(Folder) + L"\\" + name; }
};

// Scripts are read and written in the console's code page (437 in Wine's
// C locale, 850 on a German Windows: the umlauts have the same bytes).
TEST_F(BrindleEdit, InsertUndoSaveAndReopen) {
  const std::wstring script = Path(L"skript.bat");
  WriteBytes(script, "echo Gr\x81\xE1" "e\r\nrem Ende\r\n");
  {
    Editor editor(script);
    ASSERT_NE(editor.Window(), nullptr);
    EXPECT_EQ(editor.Text(), L"echo Grüße\r\nrem Ende\r\n");

    support::PressKey(VK_HOME, {VK_CONTROL});
    support::PressKey(VK_DOWN);
    WorkDialog(editor, '3', "Echo", [](HWND dialog) {
      support::Click(GetDlgItem(dialog, 2));
      support::TypeText("Wörter & mehr");
      support::ClickGadget(dialog, 3);
    });
    const std::wstring withEcho = L"echo Grüße\r\necho Wörter & mehr\r\nrem Ende\r\n";
    EXPECT_TRUE(editor.WaitForText(withEcho)) << "above the caret's line";
    EXPECT_TRUE(support::WaitUntil([&] { return editor.Status().find(L"Achtung") != std::wstring::npos; }))
        << "the & is pointed out";

    WorkDialog(editor, '2', "Color", [](HWND dialog) { support::ClickGadget(dialog, 10); });  // "Abbrechen"
    EXPECT_EQ(editor.Text(), withEcho) << "a cancelled dialog inserts nothing";

    WorkDialog(editor, '5', "XCOPY", [](HWND dialog) {
      HWND source = GetDlgItem(dialog, 1);
      support::Select(source, support::Next(source, support::Next(source, nullptr, TVGN_ROOT), TVGN_CHILD));
      support::ClickGadget(dialog, 31);
    });
    char firstDrive = 'A';
    while (!(GetLogicalDrives() & (1u << (firstDrive - 'A')))) ++firstDrive;
    const std::wstring xcopy = std::wstring(L"xcopy \"") + static_cast<wchar_t>(firstDrive) + L":\\*.*\" \"\" /D /E /V /Q /H /R /Y";
    EXPECT_TRUE(editor.WaitForText(L"echo Grüße\r\necho Wörter & mehr\r\n" + xcopy + L"\r\nrem Ende\r\n"))
        << "below the line the caret ended on";

    support::PressKey('Z', {VK_CONTROL});
    EXPECT_TRUE(editor.WaitForText(withEcho)) << "undo takes the insertion back";
    support::PressKey('S', {VK_CONTROL});
    EXPECT_TRUE(support::WaitUntil([&] { return Bytes(script) == "echo Gr\x81\xE1" "e\r\necho W\x94rter & mehr\r\nrem Ende\r\n"; }));
    EXPECT_EQ(editor.Close(), 0u);
  }
  Editor reopened(script);
  ASSERT_NE(reopened.Window(), nullptr);
  EXPECT_EQ(reopened.Text(), L"echo Grüße\r\necho Wörter & mehr\r\nrem Ende\r\n");
  EXPECT_EQ(reopened.Close(), 0u);
}

// The editor keeps its own folder as the current directory, so the dialogs'
// "?" finds Hilfe.chm beside it, wherever the script is.
// The recording stand-in for the help viewer beside the programs, where
// CreateProcessA looks first; gone again on every path.
struct StandInViewer {
  std::string folder, viewer, log;
  StandInViewer() {
    char program[MAX_PATH];
    folder.assign(program, GetModuleFileNameA(nullptr, program, MAX_PATH));
    folder.erase(folder.find_last_of('\\') + 1);
    viewer = folder + "hh.exe";
    log = folder + "brindle-edit-hh.log";
    CopyFileA((folder + "hh_stub.exe").c_str(), viewer.c_str(), FALSE);
    DeleteFileA(log.c_str());
    SetEnvironmentVariableA("BRINDLE_HH_LOG", log.c_str());  // the editor inherits it
  }
  ~StandInViewer() {
    SetEnvironmentVariableA("BRINDLE_HH_LOG", nullptr);
    DeleteFileA(log.c_str());
    DeleteFileA(viewer.c_str());
  }
  std::string FirstStart() const {
    std::string started;
    support::WaitUntil([&] {
      std::ifstream file(log);
      return static_cast<bool>(std::getline(file, started));
    });
    return started;
  }
};

// The editor keeps its own folder as the current directory, so the dialogs'
// "?" finds Hilfe.chm beside it, wherever the script is.
TEST_F(BrindleEdit, DialogHelpFindsTheHelpFileBesideTheEditor) {
  const StandInViewer help;
  Editor editor(Path(L"hilfe.bat"));
  ASSERT_NE(editor.Window(), nullptr);
  WorkDialog(editor, '3', "Echo", [](HWND dialog) {
    PostMessageA(dialog, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
    support::ClickGadget(dialog, 4);  // "Abbrechen"
  });
  EXPECT_EQ(help.FirstStart(), "\"hh.exe\" " + help.folder + "Hilfe.chm::/echo.htm");
  EXPECT_EQ(editor.Close(), 0u);
}

TEST_F(BrindleEdit, F5RunsTheScriptWithItsUmlautsInAConsole) {
  const std::wstring script = Path(L"neu.bat");  // not on disk yet: F5 saves it first
  Editor editor(script);
  ASSERT_NE(editor.Window(), nullptr);
  support::TypeText("echo x> Grüße.txt");
  ASSERT_TRUE(editor.WaitForText(L"echo x> Grüße.txt"));
  support::PressKey(VK_F5);
  // cmd.exe reads the script in the console's code page: only a script
  // written in it names the file with its umlauts.
  EXPECT_TRUE(support::WaitUntil([&] { return GetFileAttributesW(Path(L"Grüße.txt").c_str()) != INVALID_FILE_ATTRIBUTES; }, 15000));
  EXPECT_EQ(Bytes(script), "echo x> Gr\x81\xE1" "e.txt");
  EndDescendants(editor.ProcessId());
  EXPECT_EQ(editor.Close(), 0u);
}

}  // namespace
