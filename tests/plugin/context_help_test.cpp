// The question-mark button: the viewer "hh.exe" started on the dialog's page
// of Hilfe.chm in the current directory, by either route.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>

#include "tests/support/library_host.h"
#include "tests/support/user_input.h"

namespace {

using namespace support;

void PressHelp(HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CONTEXTHELP, 0); }

class ContextHelp : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(library_.Module(), nullptr);
    GetCurrentDirectoryA(MAX_PATH, savedDirectory_);
  }
  void TearDown() override {
    SetCurrentDirectoryA(savedDirectory_);
    RemoveDirectoryA("C:\\Eigene Dateien");
  }
  // Presses the "?" of a dialog twice in the current directory and closes it.
  void HelpOf(const CommandDialog& dialog) {
    const std::size_t before = viewer_.Starts(0).size();
    library_.Call(dialog, [&](HWND window) {
      PressHelp(window);
      PressHelp(window);
      viewer_.Starts(before + 2);
      PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
  }

  LoadedLibrary library_;
  StandInViewer viewer_;
  char savedDirectory_[MAX_PATH] = {};
};

TEST_F(ContextHelp, EachPressStartsTheViewerOnTheDialogsPageWithTheDirectoryUnquoted) {
  CreateDirectoryA("C:\\Eigene Dateien", nullptr);
  ASSERT_TRUE(SetCurrentDirectoryA("C:\\Eigene Dateien"));
  std::vector<std::string> expected;
  for (const CommandDialog& dialog : Dialogs) {
    HelpOf(dialog);
    const std::string start = "\"hh.exe\" C:\\Eigene Dateien\\Hilfe.chm::/" + std::string(dialog.procedure) + ".htm";
    expected.insert(expected.end(), 2, start);
  }
  EXPECT_EQ(viewer_.Starts(10), expected);
}

// After the help the dialog goes on: moved, it starts no viewer, and it
// gives its line.
TEST_F(ContextHelp, AfterTheHelpTheDialogMovesWithoutAViewerAndGivesItsLine) {
  const CommandResult result = library_.Call(Title, [&](HWND dialog) {
    PressHelp(dialog);
    ASSERT_EQ(viewer_.Starts(1).size(), 1u);
    // Dragging the caption moves the window through WM_SYSCOMMAND as well.
    EXPECT_TRUE(DragCaption(dialog, 60, 30));
    SetControlText(dialog, TextField, "Hilfe gesehen");
    ClickGadget(dialog, Title.add);
  });
  EXPECT_EQ(result.text, "title Hilfe gesehen");
  EXPECT_EQ(viewer_.Starts(1).size(), 1u) << "moving started no viewer";
}

// A broken hh.exe beside the host makes CreateProcessA fail (Wine 8: error
// 193); the shell, which looks in the system folders, must then start the
// viewer there, which this test replaces by the recording stand-in.
TEST_F(ContextHelp, TheShellStartsTheViewerWhenCreateProcessFails) {
  { std::ofstream(viewer_.viewer, std::ios::binary) << "kein Programm"; }
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, MAX_PATH);
  const std::string systemViewer = std::string(windows) + "\\hh.exe";
  const std::string saved = systemViewer + ".brindle-saved";
  ASSERT_TRUE(MoveFileExA(systemViewer.c_str(), saved.c_str(), MOVEFILE_REPLACE_EXISTING));
  const bool copied = CopyFileA((viewer_.folder + "hh_stub.exe").c_str(), systemViewer.c_str(), FALSE);
  ASSERT_TRUE(SetCurrentDirectoryA("C:\\"));
  if (copied) HelpOf(Echo);
  MoveFileExA(saved.c_str(), systemViewer.c_str(), MOVEFILE_REPLACE_EXISTING);
  ASSERT_TRUE(copied);
  const std::vector<std::string> starts = viewer_.Starts(2);
  ASSERT_EQ(starts.size(), 2u);
  EXPECT_NE(starts[0].find("hh.exe"), std::string::npos) << starts[0];
  EXPECT_TRUE(starts[0].ends_with(" C:\\Hilfe.chm::/echo.htm")) << starts[0];
}

}  // namespace
