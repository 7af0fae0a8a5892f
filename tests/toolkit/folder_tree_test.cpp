// The folder tree on folders the test makes in the prefix's C: drive and on
// the drives of scripts/test-drives.sh; and the folder chooser.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <dbt.h>
#include <shlobj.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <thread>

#include "tests/support/toolkit_fixture.h"
#include "tests/support/tree_view.h"
#include "tests/support/user_input.h"
#include "tests/support/window_search.h"
#include "toolkit/folder_chooser.h"
#include "toolkit/folder_tree.h"

namespace {

using namespace support;
constexpr int Tree = 1;

bool HasButton(HWND tree, HTREEITEM item) {
  TVITEMA data = {};
  data.mask = TVIF_CHILDREN | TVIF_HANDLE;
  data.hItem = item;
  SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
  return data.cChildren != 0;
}

class FolderTrees : public support::ToolkitTest {
 protected:
  // The folders are the test's own: made afresh, and gone afterwards.
  void TearDown() override {
    support::ToolkitTest::TearDown();
    RemoveTree(L"\\\\?\\C:\\Daten");
    RemoveTree(L"\\\\?\\C:\\Tief");
  }
  void SetUp() override {
    RemoveTree(L"\\\\?\\C:\\Daten");
    support::ToolkitTest::SetUp();
    for (const char* folder : {"C:\\Daten", "C:\\Daten\\Projekte", "C:\\Daten\\Projekte\\Alt", "C:\\Daten\\leer",
                               "C:\\Daten\\Versteckt", "C:\\Daten\\System"})
      CreateDirectoryA(folder, nullptr);
    SetFileAttributesA("C:\\Daten\\Versteckt", FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesA("C:\\Daten\\System", FILE_ATTRIBUTE_SYSTEM);
    for (const char* file : {"C:\\Daten\\b.txt", "C:\\Daten\\A.TXT", "C:\\Daten\\c.bat"})
      CloseHandle(CreateFileA(file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  }
  HWND MakeTree(std::uint32_t flags, const char* text = "") {
    EXPECT_EQ(toolkit::CreateFolderTree(Tree, 5, 5, 290, 190, text, flags), 1);
    PumpEvents();
    return toolkit::GadgetHandle(Tree);
  }
};

TEST_F(FolderTrees, StartingViewAndPathsOfEveryKindOfEntry) {
  HWND tree = MakeTree(0);
  HTREEITEM computer = Next(tree, nullptr, TVGN_ROOT);
  const std::vector<std::string> children = Labels(tree, computer);
  EXPECT_EQ(children.size(), static_cast<std::size_t>(std::popcount(static_cast<unsigned>(GetLogicalDrives())) + 1));
  EXPECT_EQ(toolkit::GetGadgetText(Tree), "") << "nothing selected";
  Select(tree, computer);
  EXPECT_EQ(toolkit::GetGadgetText(Tree), "");
  Select(tree, DriveEntry(tree, 'C'));
  EXPECT_EQ(toolkit::GetGadgetText(Tree), "C:\\");
  char documents[MAX_PATH];
  SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, 0, documents);
  Select(tree, Child(tree, computer, children.back()));
  EXPECT_EQ(toolkit::GetGadgetText(Tree), std::string(documents) + "\\") << "the documents entry is last";
}

// Hidden and system folders are listed too, files not; only a folder with
// subfolders gets an expand button. A folder made after its parent was read
// (in the chooser, say) is found by reading the parent again; what was open
// stays open, what is gone goes.
TEST_F(FolderTrees, LeadingReadsAnEntryAgainForAFolderMadeSince) {
  HWND tree = MakeTree(toolkit::tree_flag::FoldersOnly, "C:\\Daten\\Projekte\\Alt\\");
  RemoveDirectoryA("C:\\Daten\\leer");
  CreateDirectoryA("C:\\Daten\\Neu", nullptr);
  toolkit::SetGadgetText(Tree, "C:\\Daten\\Neu\\");
  EXPECT_EQ(toolkit::GetGadgetText(Tree), "C:\\Daten\\Neu\\");
  HTREEITEM daten = Next(tree, Selected(tree), TVGN_PARENT);
  std::vector<std::string> labels = Labels(tree, daten);
  std::sort(labels.begin(), labels.end());
  EXPECT_EQ(labels, (std::vector<std::string>{"Neu", "Projekte", "System", "Versteckt"}));
  HTREEITEM projekte = Child(tree, daten, "Projekte");
  EXPECT_TRUE(SendMessageA(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(projekte), TVIS_EXPANDED) & TVIS_EXPANDED)
      << "the open entry stays open";
  EXPECT_EQ(Labels(tree, projekte), std::vector<std::string>{"Alt"});
  EXPECT_TRUE(HasButton(tree, projekte));
  EXPECT_FALSE(HasButton(tree, Child(tree, daten, "Versteckt")));
}

// Setting the text leads the tree to a folder, whose name is matched as the
// file system matches names: ordinal, ignoring case only (a linguistic
// comparison counts "ß" as "ss" and passes over a soft hyphen, and would
// lead to the sibling listed first). A path that cannot be followed to its
// end (a folder missing, no drive letter, past the 259 characters that the
// system's file functions reach) leaves the selection where it was; an
// empty text rebuilds the tree with nothing selected.
TEST_F(FolderTrees, SettingTheTextLeadsToTheFolderOrLeavesTheSelection) {
  for (const char* name : {"Strasse", "Straße", "Pro\xADjekte"}) CreateDirectoryA((std::string("C:\\Daten\\") + name).c_str(), nullptr);
  std::wstring deep = L"\\\\?\\C:\\Tief";
  std::string tooDeep = "C:\\Tief\\";
  for (CreateDirectoryW(deep.c_str(), nullptr); tooDeep.size() < 330; CreateDirectoryW(deep.c_str(), nullptr)) {
    deep += L"\\" + std::wstring(40, L'x');
    tooDeep += std::string(40, 'x') + "\\";
  }
  const std::string reachable = tooDeep.substr(0, tooDeep.rfind('\\', 200) + 1);
  MakeTree(toolkit::tree_flag::FoldersOnly, reachable.c_str());
  EXPECT_EQ(toolkit::GetGadgetText(Tree), reachable);
  auto led = [](const std::string& text) {
    toolkit::SetGadgetText(Tree, text.c_str());
    return toolkit::GetGadgetText(Tree);
  };
  EXPECT_EQ(led(tooDeep), reachable);
  EXPECT_EQ(led("c:\\daten\\"), "C:\\Daten\\");
  const std::string names[] = {"Strasse", "Straße", "Projekte", "Pro\xADjekte"};
  for (const std::string& name : names) EXPECT_EQ(led("C:\\DATEN\\" + name + "\\"), "C:\\Daten\\" + name + "\\");
  for (const char* missing : {"Q:\\Daten\\", "C:\\Daten\\Fehlt\\", "\\\\server\\share\\"})
    EXPECT_EQ(led(missing), "C:\\Daten\\Pro\xADjekte\\") << missing;
  for (const char* empty : {"", "\\"}) EXPECT_EQ(led(empty), "");
}

// A drive without a medium at its first reading is read once it has one,
// also when the tree is led there rather than opened by a click.
TEST_F(FolderTrees, ADriveReadInVainIsReadAgainWhenLedTo) {
  char drives[MAX_PATH] = {};
  if (!GetEnvironmentVariableA("BRINDLE_TEST_DRIVES", drives, MAX_PATH)) GTEST_SKIP() << "needs the test drives";
  // I: is a hard disk whose folder is missing; Z: is the whole Linux tree.
  std::string medium = std::string("Z:") + drives + "/missing";
  std::replace(medium.begin(), medium.end(), '/', '\\');
  MakeTree(toolkit::tree_flag::FoldersOnly);  // the notice shows, and goes with the next text
  toolkit::SetGadgetText(Tree, "I:\\Ordner\\");
  EXPECT_EQ(toolkit::GetGadgetText(Tree), "");
  ASSERT_TRUE(CreateDirectoryA(medium.c_str(), nullptr) && CreateDirectoryA((medium + "\\Ordner").c_str(), nullptr));
  toolkit::SetGadgetText(Tree, "I:\\Ordner\\");
  EXPECT_EQ(toolkit::GetGadgetText(Tree), "I:\\Ordner\\");
  RemoveTree(std::wstring(medium.begin(), medium.end()));
}

// A Windows without a C: drive exists: the tree then still has the
// system's icons and lists the drives there are. The folder of the prefix's
// C: is moved away for the moment of the tree's creation, and back on every
// path (wine-session.sh puts it back should this process die meanwhile).
TEST_F(FolderTrees, ATreeNeedsNoDriveC) {
  char prefix[MAX_PATH] = {};
  if (!GetEnvironmentVariableA("WINEPREFIX", prefix, MAX_PATH)) GTEST_SKIP() << "needs Wine's prefix";
  std::string driveC = std::string("Z:") + prefix + "/drive_c";
  std::replace(driveC.begin(), driveC.end(), '/', '\\');
  const std::string away = driveC + "-away";
  struct PutBack {
    const std::string &from, &to;
    ~PutBack() { MoveFileA(from.c_str(), to.c_str()); }
  };
  int created = 0;
  std::size_t drives = 0;
  {
    ASSERT_TRUE(MoveFileA(driveC.c_str(), away.c_str()));
    PutBack putBack{away, driveC};
    ASSERT_EQ(GetFileAttributesA("C:\\"), INVALID_FILE_ATTRIBUTES);
    drives = static_cast<std::size_t>(std::popcount(static_cast<unsigned>(GetLogicalDrives())));
    created = toolkit::CreateFolderTree(Tree, 5, 5, 290, 190, "", toolkit::tree_flag::FoldersOnly);
  }
  ASSERT_NE(GetFileAttributesA("C:\\"), INVALID_FILE_ATTRIBUTES) << "C: is back";
  ASSERT_EQ(created, 1);
  HWND tree = toolkit::GadgetHandle(Tree);
  EXPECT_NE(SendMessageA(tree, TVM_GETIMAGELIST, TVSIL_NORMAL, 0), 0);
  EXPECT_GE(Labels(tree, Next(tree, nullptr, TVGN_ROOT)).size(), drives);
}

TEST_F(FolderTrees, DriveWithoutAMediumShowsTheNotice) {
  if (GetDriveTypeA("J:\\") != DRIVE_CDROM) GTEST_SKIP() << "needs the test drives (scripts/test-drives.sh)";
  HWND tree = MakeTree(0);
  Expand(tree, DriveEntry(tree, 'J'));
  EXPECT_EQ(Labels(tree, DriveEntry(tree, 'J')).size(), 0u);
  HWND notice = WaitForWindow("Laufwerk nicht bereit", 1000);
  ASSERT_NE(notice, nullptr);
  EXPECT_FALSE(IsWindowEnabled(tree)) << "the tree waits for the notice";
  SendMessageA(notice, WM_COMMAND, 2, 0);  // "Abbrechen"
  EXPECT_FALSE(IsWindow(notice));
  EXPECT_TRUE(IsWindowEnabled(tree));
}

void SendVolumeChange(HWND window, WPARAM event, char letter) {
  DEV_BROADCAST_VOLUME volume = {};
  volume.dbcv_size = sizeof volume;
  volume.dbcv_devicetype = DBT_DEVTYP_VOLUME;
  volume.dbcv_unitmask = 1u << (letter - 'A');
  SendMessageA(window, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(&volume));
}

TEST_F(FolderTrees, MediaChangesAddCollapseAndRemoveDrives) {
  HWND tree = MakeTree(toolkit::tree_flag::FoldersOnly);
  HTREEITEM computer = Next(tree, nullptr, TVGN_ROOT);
  const std::size_t drives = Labels(tree, computer).size();
  ASSERT_TRUE(DefineDosDeviceA(0, "K:", "C:\\Daten"));
  SendVolumeChange(handle_, DBT_DEVICEARRIVAL, 'K');
  EXPECT_EQ(Labels(tree, computer).size(), drives + 1);
  EXPECT_NE(Label(tree, Next(tree, Next(tree, computer, TVGN_CHILD), TVGN_LASTVISIBLE)).find("K:"), std::string::npos);
  DefineDosDeviceA(DDD_REMOVE_DEFINITION, "K:", nullptr);
  SendVolumeChange(handle_, DBT_DEVICEREMOVECOMPLETE, 'K');
  EXPECT_EQ(Labels(tree, computer).size(), drives) << "a drive that is gone is removed";

  HTREEITEM c = DriveEntry(tree, 'C');
  Expand(tree, c);
  ASSERT_FALSE(Labels(tree, c).empty());
  SendVolumeChange(handle_, DBT_DEVICEREMOVECOMPLETE, 'C');
  EXPECT_TRUE(Labels(tree, c).empty()) << "what was read of a drive that stays is dropped";
  EXPECT_TRUE(HasButton(tree, c));
  Expand(tree, c);
  EXPECT_FALSE(Labels(tree, c).empty()) << "and read again";
}

// The chooser runs its own loop on this thread: a second thread answers it.
std::string ChooseAndAnswer(const char* initial, int button) {
  std::thread answer([&] {
    if (HWND chooser = WaitForChooser()) AnswerChooser(chooser, button);
  });
  const std::string chosen = toolkit::ChooseFolder("Sie können nun einen neuen Ordern erstellen", initial);
  answer.join();
  return chosen;
}

// While it is open the chooser disables the thread's other windows (the
// xcopy dialog waits for it), and afterwards enables only those again.
TEST_F(FolderTrees, ChooserReturnsThePathWithOneBackslash) {
  const int alreadyDisabled = toolkit::OpenWindow(toolkit::AnyNumber, 0, 0, 100, 50, "off", 0xC80001);
  EnableWindow(toolkit::WindowHandle(alreadyDisabled), FALSE);
  SetForegroundWindow(handle_);
  EXPECT_EQ(ChooseAndAnswer("D:\\", IDOK), "D:\\");
  EXPECT_TRUE(IsWindowEnabled(handle_));
  EXPECT_FALSE(IsWindowEnabled(toolkit::WindowHandle(alreadyDisabled)));
  toolkit::CloseWindow(alreadyDisabled);
}

}  // namespace
