// The question-mark button: the viewer "hh.exe" started on the dialog's page
// of Hilfe.chm in the current directory, by either route.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>

#include "tests/support/library_host.h"
#include "tests/support/user_input.h"

namespace {

std::string TestProgramFolder() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  return folder.erase(folder.find_last_of('\\') + 1);
}

void PressHelp(HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CONTEXTHELP, 0); }

class ContextHelp : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(library_.Module(), nullptr);
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    log_ = std::string(temp) + "brindle-hh-" + std::to_string(GetCurrentProcessId()) + ".log";
    DeleteFileA(log_.c_str());
    SetEnvironmentVariableA("BRINDLE_HH_LOG", log_.c_str());
    // Beside the host program, where CreateProcessA looks first.
    viewer_ = TestProgramFolder() + "hh.exe";
    ASSERT_TRUE(CopyFileA((TestProgramFolder() + "hh_stub.exe").c_str(), viewer_.c_str(), FALSE));
    GetCurrentDirectoryA(MAX_PATH, savedDirectory_);
  }

  void TearDown() override {
    SetCurrentDirectoryA(savedDirectory_);
    DeleteFileA(viewer_.c_str());
    DeleteFileA(log_.c_str());
    // The folders the tests made, deepest first.
    for (auto folder = madeFolders_.rbegin(); folder != madeFolders_.rend(); ++folder)
      RemoveDirectoryA(folder->c_str());
  }

  void MakeFolder(const std::string& folder) {
    if (CreateDirectoryA(folder.c_str(), nullptr)) madeFolders_.push_back(folder);
  }

  // The command lines the viewer was started with, once `count` have come.
  std::vector<std::string> Starts(std::size_t count) {
    std::vector<std::string> lines;
    support::WaitUntil([&] {
      lines.clear();
      std::ifstream file(log_);
      for (std::string line; std::getline(file, line);) lines.push_back(line);
      return lines.size() >= count;
    });
    return lines;
  }

  support::CommandResult Call(const char* procedure, const char* title,
                              const std::function<void(HWND)>& user) {
    return support::CallWithUser(library_.Procedure(procedure), title, user);
  }

  support::LoadedLibrary library_;
  std::string log_, viewer_;
  std::vector<std::string> madeFolders_;
  char savedDirectory_[MAX_PATH] = {};
};

void Cancel(HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }

TEST_F(ContextHelp, EveryDialogStartsTheViewerOnItsPageWithTheDirectoryUnquoted) {
  MakeFolder("C:\\Eigene Dateien");
  ASSERT_TRUE(SetCurrentDirectoryA("C:\\Eigene Dateien"));
  const std::pair<const char*, const char*> dialogs[] = {
      {"echo", "Echo"}, {"title", "Title"}, {"chkdsk", "Chkdsk"}};
  for (const auto& [procedure, title] : dialogs) {
    Call(procedure, title, [&](HWND dialog) {
      EXPECT_EQ(GetWindowLongA(dialog, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, WS_EX_CONTEXTHELP) << title;
      PressHelp(dialog);
      Starts(1);
      Cancel(dialog);
    });
  }
  EXPECT_EQ(Starts(3), (std::vector<std::string>{
                           "\"hh.exe\" C:\\Eigene Dateien\\Hilfe.chm::/echo.htm",
                           "\"hh.exe\" C:\\Eigene Dateien\\Hilfe.chm::/title.htm",
                           "\"hh.exe\" C:\\Eigene Dateien\\Hilfe.chm::/chkdsk.htm"}));
}

TEST_F(ContextHelp, DriveRootAndTheLongestDirectory) {
  // The system keeps a current directory to 258 characters; with its
  // backslash it just fills the 260 bytes of the classic buffer.
  std::string longest = "C:\\";
  while (longest.size() < 258) {
    longest += std::string(std::min<std::size_t>(100, 258 - longest.size() - 1), 'v') + "\\";
    MakeFolder(longest);
  }
  longest.pop_back();
  for (const std::string& directory : {std::string("C:\\"), longest}) {
    ASSERT_TRUE(SetCurrentDirectoryA(directory.c_str())) << directory.size();
    Call("echo", "Echo", [&](HWND dialog) {
      PressHelp(dialog);
      Starts(1);
      Cancel(dialog);
    });
  }
  EXPECT_EQ(Starts(2), (std::vector<std::string>{"\"hh.exe\" C:\\Hilfe.chm::/echo.htm",
                                                 "\"hh.exe\" " + longest + "\\Hilfe.chm::/echo.htm"}));
}

TEST_F(ContextHelp, TwoPressesStartTwoViewersAndTheResultStands) {
  const support::CommandResult result = Call("title", "Title", [&](HWND dialog) {
    PressHelp(dialog);
    PressHelp(dialog);
    Starts(2);
    support::SetControlText(dialog, 2, "Hilfe gesehen");
    support::ClickGadget(dialog, 3);
  });
  EXPECT_EQ(result.text, "title Hilfe gesehen");
  EXPECT_EQ(Starts(2).size(), 2u);
}

TEST_F(ContextHelp, MovingAndClosingStartNoViewer) {
  const support::CommandResult result = Call("echo", "Echo", [&](HWND dialog) {
    RECT before;
    GetWindowRect(dialog, &before);
    // Dragging the caption moves the window through WM_SYSCOMMAND as well.
    const POINT caption = {before.left + 40, before.top + 8};
    support::Drag(caption, {caption.x + 60, caption.y + 30});
    EXPECT_TRUE(support::WaitUntil([&] {
      RECT now;
      GetWindowRect(dialog, &now);
      return now.left != before.left;
    })) << "the window did not move";
    Cancel(dialog);
  });
  EXPECT_EQ(result.text, "");
  EXPECT_TRUE(Starts(0).empty());
}

// A broken hh.exe beside the host makes CreateProcessA fail (Wine 8: error
// 193); the shell, which looks in the system folders, must then start the
// viewer there, which this test replaces by the recording stand-in.
TEST_F(ContextHelp, TheShellStartsTheViewerWhenCreateProcessFails) {
  { std::ofstream(viewer_, std::ios::binary) << "kein Programm"; }
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, MAX_PATH);
  const std::string systemViewer = std::string(windows) + "\\hh.exe";
  const std::string saved = systemViewer + ".brindle-saved";
  ASSERT_TRUE(MoveFileExA(systemViewer.c_str(), saved.c_str(), MOVEFILE_REPLACE_EXISTING));
  const bool copied = CopyFileA((TestProgramFolder() + "hh_stub.exe").c_str(), systemViewer.c_str(), FALSE);
  ASSERT_TRUE(SetCurrentDirectoryA("C:\\"));
  if (copied)
    Call("echo", "Echo", [&](HWND dialog) {
      PressHelp(dialog);
      Starts(1);
      Cancel(dialog);
    });
  MoveFileExA(saved.c_str(), systemViewer.c_str(), MOVEFILE_REPLACE_EXISTING);
  ASSERT_TRUE(copied);
  const std::vector<std::string> starts = Starts(1);
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_NE(starts[0].find("hh.exe"), std::string::npos) << starts[0];
  EXPECT_EQ(starts[0].substr(starts[0].size() - 24), " C:\\Hilfe.chm::/echo.htm") << starts[0];
}

}  // namespace
