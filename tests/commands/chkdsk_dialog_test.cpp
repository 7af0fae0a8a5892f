// The chkdsk dialog on the drives that scripts/test-drives.sh gives the
// test prefix: which drives are listed, and the switches.
#include <gtest/gtest.h>

#include <windows.h>

#include "tests/support/library_host.h"
#include "tests/support/user_input.h"

namespace {

enum { DriveList = 2, F = 4, V = 5, R = 6, X = 7, I = 8, C = 9, L = 10, AddButton = 16, CancelButton = 17 };

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

BOOL CALLBACK CountOtherVisible(HWND window, LPARAM data) {
  auto* counted = reinterpret_cast<std::pair<HWND, int>*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId() && window != counted->first && IsWindowVisible(window))
    ++counted->second;
  return TRUE;
}

int OtherVisibleWindows(HWND dialog) {
  std::pair<HWND, int> counted{dialog, 0};
  EnumWindows(CountOtherVisible, reinterpret_cast<LPARAM>(&counted));
  return counted.second;
}

bool Enabled(HWND dialog, int box) { return IsWindowEnabled(GetDlgItem(dialog, box)); }
bool Checked(HWND dialog, int box) {
  return SendMessageA(GetDlgItem(dialog, box), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Clicks a box and waits until it shows the click.
void Toggle(HWND dialog, int box) {
  const bool before = Checked(dialog, box);
  support::ClickGadget(dialog, box);
  ASSERT_TRUE(support::WaitUntil([&] { return Checked(dialog, box) != before; })) << "box " << box;
}

class ChkdskDialog : public ::testing::Test {
 protected:
  support::CommandResult Chkdsk(const std::function<void(HWND)>& user) {
    return support::CallWithUser(library_.Procedure("chkdsk"), "Chkdsk", user);
  }
  support::LoadedLibrary library_;
};

TEST_F(ChkdskDialog, ListsTheDrivesChkdskCanCheckAndSelectsTheFirst) {
  std::vector<std::string> listed;
  const support::CommandResult result = Chkdsk([&](HWND dialog) {
    listed = ListedDrives(dialog);
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog, DriveList), CB_GETCURSEL, 0, 0), 0);
    // A drive without a medium raised no system error box: the dialog is
    // the process's only visible window.
    EXPECT_EQ(OtherVisibleWindows(dialog), 0);
    support::ClickGadget(dialog, AddButton);
  });
  EXPECT_EQ(result.text, "chkdsk C:");
  // A: never; F: is a CD drive (CDFS); I: has no medium. G: and H: are the
  // FAT images, which need root for their loop devices.
  std::vector<std::string> expected = {"C:\\ ", "D:\\ System", "E:\\ "};
  if (GetDriveTypeA("G:\\") == DRIVE_FIXED) expected.push_back("G:\\ FATDISK");
  if (GetDriveTypeA("H:\\") == DRIVE_FIXED) expected.push_back("H:\\ FAT32DISK");
  expected.push_back("Z:\\ ");
  EXPECT_EQ(listed, expected);
  if (expected.size() < 6) GTEST_SKIP() << "no FAT drives: scripts/test-drives.sh needs root";
}

TEST_F(ChkdskDialog, SwitchesFollowTheTableOrder) {
  struct Case {
    std::vector<int> clicked;
    const char* expected;
  };
  const Case cases[] = {
      {{F, R}, "chkdsk D: /f /r"},
      {{R, F}, "chkdsk D: /f /r"},
      {{C, I, X, R, V, F}, "chkdsk D: /f /v /r /x /i /c"},
  };
  for (const Case& c : cases) {
    const support::CommandResult result = Chkdsk([&](HWND dialog) {
      SendMessageA(GetDlgItem(dialog, DriveList), CB_SETCURSEL, 1, 0);  // D:\ System
      for (int box : c.clicked) Toggle(dialog, box);
      support::ClickGadget(dialog, AddButton);
    });
    EXPECT_EQ(result.text, c.expected);
  }
}

TEST_F(ChkdskDialog, LogSizeFreezesTheOtherBoxesAndWins) {
  const support::CommandResult withL = Chkdsk([](HWND dialog) {
    Toggle(dialog, F);
    Toggle(dialog, C);
    Toggle(dialog, L);
    EXPECT_TRUE(support::WaitUntil([&] { return !Enabled(dialog, F); }));
    for (int box = F; box < L; ++box) EXPECT_FALSE(Enabled(dialog, box)) << box;
    EXPECT_TRUE(Checked(dialog, F)) << "marks are kept";
    support::ClickGadget(dialog, AddButton);
  });
  EXPECT_EQ(withL.text, "chkdsk C: /l");

  const support::CommandResult withoutL = Chkdsk([](HWND dialog) {
    Toggle(dialog, F);
    Toggle(dialog, L);
    Toggle(dialog, L);
    EXPECT_TRUE(support::WaitUntil([&] { return Enabled(dialog, F); }));
    for (int box = F; box < L; ++box) EXPECT_TRUE(Enabled(dialog, box)) << box;
    Toggle(dialog, R);
    support::ClickGadget(dialog, AddButton);
  });
  EXPECT_EQ(withoutL.text, "chkdsk C: /f /r") << "the earlier marks count again";
}

TEST_F(ChkdskDialog, NoSelectedDriveGivesNoDrivePart) {
  const support::CommandResult result = Chkdsk([](HWND dialog) {
    SendMessageA(GetDlgItem(dialog, DriveList), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    Toggle(dialog, F);
    support::ClickGadget(dialog, AddButton);
  });
  EXPECT_EQ(result.text, "chkdsk  /f");
}

TEST_F(ChkdskDialog, CancelAndCloseBoxGiveEmptyText) {
  for (bool closeBox : {false, true}) {
    const support::CommandResult result = Chkdsk([&](HWND dialog) {
      Toggle(dialog, F);
      if (closeBox)
        support::ClickAt(support::CloseBoxPoint(dialog));
      else
        support::ClickGadget(dialog, CancelButton);
    });
    EXPECT_EQ(result.text, "");
  }
}

}  // namespace
