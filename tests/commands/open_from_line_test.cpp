// Every dialog opened from a line as a host opens it, with "<word>_edit":
// the line as a script has it, changed by the user and added; the changed
// line, added without a change, comes back byte for byte. What a dialog
// cannot show is named above its buttons.
#include <gtest/gtest.h>

#include <windows.h>

#include "tests/support/library_host.h"
#include "tests/support/tree_view.h"
#include "tests/support/user_input.h"

namespace {

constexpr int NoticeGadget = 90;

void Toggle(HWND dialog, int box) {
  const LRESULT before = SendMessageA(GetDlgItem(dialog, box), BM_GETCHECK, 0, 0);
  support::ClickGadget(dialog, box);
  ASSERT_TRUE(support::WaitUntil([&] { return SendMessageA(GetDlgItem(dialog, box), BM_GETCHECK, 0, 0) != before; }));
}

RECT ClientRectOf(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

class OpenFromLine : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(library_.Module(), nullptr);
    TearDown();
    ASSERT_TRUE(CreateDirectoryA("C:\\ZeilenTest", nullptr) && CreateDirectoryA("C:\\ZeilenTest\\Quelle 1", nullptr));
  }
  void TearDown() override { support::RemoveTree(L"\\\\?\\C:\\ZeilenTest"); }

  support::LoadedLibrary library_;
};

TEST_F(OpenFromLine, ChangedAndAddedThenAddedUnchanged) {
  struct Row {
    std::string command;
    const char* title;
    int ordinal, addButton;
    const char* line;  // as a script has it
    std::function<void(HWND)> change;
    const char* changed;
  };
  const Row rows[] = {
      {"echo", "Echo", 8, 3, "ECHO  Grüße & mehr",
       [](HWND dialog) { support::SetControlText(dialog, 2, support::WindowText(GetDlgItem(dialog, 2)) + "!"); },
       "echo  Grüße & mehr!"},
      {"title", "Title", 9, 3, "title   ",
       [](HWND dialog) {
         EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, 3))) << "blanks only: shown, but not added";
         support::SetControlText(dialog, 2, " Nacht ");
       },
       "title  Nacht "},
      {"chkdsk", "Chkdsk", 6, 16, "CHKDSK /R c: /F", [](HWND dialog) { Toggle(dialog, 7); }, "chkdsk C: /f /r /x"},
      {"color", "Color", 7, 9, "color 1f", [](HWND dialog) { support::ClickGadget(dialog, 3); }, "color 1E"},
      {"xcopy", "XCOPY", 10, 31, "xcopy /y \"C:\\ZeilenTest\\Quelle 1\" c:\\zeilentest /e",
       [](HWND dialog) { Toggle(dialog, 16); }, "xcopy \"C:\\ZeilenTest\\Quelle 1\\*.*\" \"C:\\ZeilenTest\\\" /E /Q /Y"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(GetProcAddress(library_.Module(), MAKEINTRESOURCEA(row.ordinal)),
              GetProcAddress(library_.Module(), (row.command + "_edit").c_str()));
    const support::CommandResult changed = support::EditWithUser(library_, row.command, row.line, row.title, [&](HWND dialog) {
      EXPECT_EQ(GetDlgItem(dialog, NoticeGadget), nullptr) << row.line << ": every part shown";
      row.change(dialog);
      support::ClickGadget(dialog, row.addButton);
    });
    EXPECT_EQ(changed.text, row.changed);
    const support::CommandResult again = support::EditWithUser(
        library_, row.command, row.changed, row.title, [&](HWND dialog) { support::ClickGadget(dialog, row.addButton); });
    EXPECT_EQ(again.text, row.changed);
  }
  const support::CommandResult none = support::EditWithUser(library_, "echo", nullptr, "Echo", [](HWND dialog) {
    support::ClickGadget(dialog, 3);
  });
  EXPECT_EQ(none.text, "echo.") << "null is an empty line";
}

// The notice takes the buttons' place and the window grows by its line;
// cancel gives empty text, so the host keeps its line.
TEST_F(OpenFromLine, WhatADialogCannotShowIsNamedAboveItsButtons) {
  struct Row {
    std::string command;
    const char* title;
    int cancelButton, buttonRowTop;
    const char* line;
    const char* notice;
  };
  const Row rows[] = {
      {"xcopy", "XCOPY", 30, 445, "xcopy \"C:\\ZeilenTest\\*.txt\" Q:\\Fehlt /Z:5 >log.txt",
       "Nicht übernommen: Muster „*.txt“, unbekannt „/Z:5“, Ordner fehlt „Q:\\Fehlt\\“, Umleitung „>log.txt“"},
      {"chkdsk", "Chkdsk", 17, 220, "chkdsk q: /L:4096", "Nicht übernommen: unbekannt „/L:4096“, Laufwerk fehlt „Q:“"},
      {"color", "Color", 10, 70, "@color 77", "Nicht übernommen: Zeilenanfang „@“, gleiche Farben „77“"},
      {"title", "Title", 4, 40, "echo x", "Nicht übernommen: anderer Befehl „echo x“"},
  };
  for (const Row& row : rows) {
    const support::CommandResult result = support::EditWithUser(library_, row.command, row.line, row.title, [&](HWND dialog) {
      HWND notice = GetDlgItem(dialog, NoticeGadget), cancel = GetDlgItem(dialog, row.cancelButton);
      ASSERT_NE(notice, nullptr) << row.line;
      EXPECT_EQ(support::WindowText(notice), row.notice);
      EXPECT_EQ(ClientRectOf(notice).top, row.buttonRowTop);
      EXPECT_EQ(ClientRectOf(cancel).top, row.buttonRowTop + 25);
      RECT client;
      GetClientRect(dialog, &client);
      EXPECT_GE(client.bottom, ClientRectOf(cancel).bottom + 10) << "the buttons stay inside";
      support::ClickGadget(dialog, row.cancelButton);
    });
    EXPECT_EQ(result.text, "") << row.line;
  }
}

}  // namespace
