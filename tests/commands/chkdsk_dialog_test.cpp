// The chkdsk dialog on the drives that scripts/test-drives.sh gives the
// test prefix: which drives are listed, and the switches.
#include <gtest/gtest.h>

#include <windows.h>

#include "tests/support/library_host.h"
#include "tests/support/user_input.h"
#include "tests/support/window_search.h"

namespace {

using namespace support;

enum { DriveList = 2, F = 4, V = 5, R = 6, X = 7, I = 8, C = 9, L = 10 };

std::vector<std::string> ListedDrives(HWND dialog) {
  HWND list = GetDlgItem(dialog, DriveList);
  std::vector<std::string> items;
  const int count = static_cast<int>(SendMessageA(list, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char item[300] = {};
    SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
    items.push_back(item);
  }
  return items;
}

// A: never; F: is a CD drive (CDFS); I: has no medium. G: and H: are the FAT
// images, which ListsTheFatVolumes looks for.
TEST(ChkdskDialog, ListsTheDrivesChkdskCanCheckAndSelectsTheFirst) {
  LoadedLibrary library;
  std::vector<std::string> listed;
  const CommandResult result = library.Call(Chkdsk, [&](HWND dialog) {
    listed = ListedDrives(dialog);
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog, DriveList), CB_GETCURSEL, 0, 0), 0);
    // A drive without a medium raised no system error box: the dialog is
    // the process's only visible window.
    EXPECT_EQ(VisibleWindows(), 1);
    ClickGadget(dialog, Chkdsk.add);
  });
  EXPECT_EQ(result.text, "chkdsk C:");
  std::erase_if(listed, [](const std::string& item) { return item[0] == 'G' || item[0] == 'H'; });
  EXPECT_EQ(listed, (std::vector<std::string>{"C:\\ ", "D:\\ System", "E:\\ ", "Z:\\ "}));
}

TEST(ChkdskDialog, ListsTheFatVolumes) {
  if (GetDriveTypeA("G:\\") != DRIVE_FIXED || GetDriveTypeA("H:\\") != DRIVE_FIXED)
    GTEST_SKIP() << "no FAT drives: scripts/test-drives.sh needs root for their loop devices";
  LoadedLibrary library;
  std::vector<std::string> listed;
  library.Call(Chkdsk, [&](HWND dialog) {
    listed = ListedDrives(dialog);
    ClickGadget(dialog, Chkdsk.cancel);
  });
  EXPECT_EQ(listed, (std::vector<std::string>{"C:\\ ", "D:\\ System", "E:\\ ", "G:\\ FATDISK", "H:\\ FAT32DISK",
                                              "Z:\\ "}));
}

// The switches in their table order, whatever order they were checked in;
// /l freezes the other boxes with their marks, and unchecked, the earlier
// marks count again; checked, it stands alone.
TEST(ChkdskDialog, SwitchesInTableOrderAndLogSizeAlone) {
  LoadedLibrary library;
  EXPECT_EQ(library.Call(Chkdsk, [](HWND dialog) {
    SendMessageA(GetDlgItem(dialog, DriveList), CB_SETCURSEL, 1, 0);  // D:\ System
    for (int box : {C, I, X, R, V, F}) Toggle(dialog, box);
    Toggle(dialog, L);
    EXPECT_TRUE(WaitUntil([&] { return !Enabled(dialog, F); }));
    for (int box = F; box < L; ++box) EXPECT_FALSE(Enabled(dialog, box)) << box;
    EXPECT_TRUE(Checked(dialog, F)) << "marks are kept";
    Toggle(dialog, L);
    EXPECT_TRUE(WaitUntil([&] { return Enabled(dialog, F); }));
    for (int box = F; box < L; ++box) EXPECT_TRUE(Enabled(dialog, box)) << box;
    ClickGadget(dialog, Chkdsk.add);
  }).text, "chkdsk D: /f /v /r /x /i /c");

  EXPECT_EQ(library.Call(Chkdsk, [](HWND dialog) {
    Toggle(dialog, F);
    Toggle(dialog, L);
    ClickGadget(dialog, Chkdsk.add);
  }).text, "chkdsk C: /l");
}

}  // namespace
