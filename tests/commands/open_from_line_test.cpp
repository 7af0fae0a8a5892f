// Every dialog opened from a line as a host opens it, with "<word>_edit":
// the line as a script has it, changed by the user and added; the changed
// line, added without a change, comes back byte for byte. What a dialog
// cannot show is named above its buttons.
#include <gtest/gtest.h>

#include <windows.h>

#include "tests/support/library_host.h"
#include "tests/support/user_input.h"

namespace {

constexpr int NoticeGadget = 90, TextField = 2;

RECT RectInDialog(HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

class OpenFromLine : public ::testing::Test {
 protected:
  // "<command>_edit" opened from `line`, worked by `user`.
  support::CommandResult Edit(const std::string& command, const char* line, const char* title,
                              const std::function<void(HWND)>& user) {
    auto edit = reinterpret_cast<const char*(WINAPI*)(const char*)>(
        reinterpret_cast<void*>(GetProcAddress(library_.Module(), (command + "_edit").c_str())));
    return support::CallWithUser([&] { return edit(line); }, title, user);
  }
  support::LoadedLibrary library_;
};

TEST_F(OpenFromLine, ChangedAndAddedThenAddedUnchanged) {
  struct Row {
    std::string command;
    const char* title;
    int ordinal, addButton;
    const char* line;  // as a script has it
    int click;         // the change: a gadget clicked, or the field's new text
    const char* typed;
    const char* changed;
  };
  const Row rows[] = {
      {"echo", "Echo", 8, 3, "ECHO  Grüße & mehr", 0, " Grüße & mehr!", "echo  Grüße & mehr!"},
      {"title", "Title", 9, 3, "title   ", 0, " Nacht ", "title  Nacht "},  // blanks only: shown, not added
      {"chkdsk", "Chkdsk", 6, 16, "CHKDSK /R c: /F", 7, nullptr, "chkdsk C: /f /r /x"},
      {"color", "Color", 7, 9, "color 1f", 3, nullptr, "color 1E"},
      {"xcopy", "XCOPY", 10, 31, "xcopy /y \"C:\\Program Files\" c:\\WINDOWS /e", 16, nullptr,  // folders of every prefix
       "xcopy \"C:\\Program Files\\*.*\" \"C:\\windows\\\" /E /Q /Y"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(GetProcAddress(library_.Module(), MAKEINTRESOURCEA(row.ordinal)),
              GetProcAddress(library_.Module(), (row.command + "_edit").c_str()));
    const support::CommandResult changed = Edit(row.command, row.line, row.title, [&](HWND dialog) {
      EXPECT_EQ(GetDlgItem(dialog, NoticeGadget), nullptr) << row.line << ": every part shown";
      EXPECT_EQ(IsWindowEnabled(GetDlgItem(dialog, row.addButton)) != FALSE, row.command != "title") << row.line;
      if (row.typed) support::SetControlText(dialog, TextField, row.typed);
      else support::ClickGadget(dialog, row.click);
      support::ClickGadget(dialog, row.addButton);
    });
    EXPECT_EQ(changed.text, row.changed);
    const auto addAtOnce = [&](HWND dialog) { support::ClickGadget(dialog, row.addButton); };
    EXPECT_EQ(Edit(row.command, row.changed, row.title, addAtOnce).text, row.changed);
  }
  EXPECT_EQ(Edit("echo", nullptr, "Echo", [](HWND dialog) { support::ClickGadget(dialog, 3); }).text, "echo.")
      << "null is an empty line";
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
      {"xcopy", "XCOPY", 30, 445, "xcopy \"C:\\windows\\*.txt\" Q:\\Fehlt /Z:5 >log.txt",
       "Nicht übernommen: Muster „*.txt“, unbekannt „/Z:5“, Ordner fehlt „Q:\\Fehlt\\“, Umleitung „>log.txt“"},
      {"chkdsk", "Chkdsk", 17, 220, "chkdsk q: /L:4096", "Nicht übernommen: unbekannt „/L:4096“, Laufwerk fehlt „Q:“"},
      {"color", "Color", 10, 70, "@color 77", "Nicht übernommen: Zeilenanfang „@“, gleiche Farben „77“"},
      {"title", "Title", 4, 40, "echo x", "Nicht übernommen: anderer Befehl „echo x“"},
  };
  for (const Row& row : rows) {
    const support::CommandResult result = Edit(row.command, row.line, row.title, [&](HWND dialog) {
      HWND notice = GetDlgItem(dialog, NoticeGadget), cancel = GetDlgItem(dialog, row.cancelButton);
      ASSERT_NE(notice, nullptr) << row.line;
      EXPECT_EQ(support::WindowText(notice), row.notice);
      EXPECT_EQ(RectInDialog(notice).top, row.buttonRowTop);
      EXPECT_EQ(RectInDialog(cancel).top, row.buttonRowTop + 25);
      RECT client;
      GetClientRect(dialog, &client);
      EXPECT_GE(client.bottom, RectInDialog(cancel).bottom + 10) << "the buttons stay inside";
      support::ClickGadget(dialog, row.cancelButton);
    });
    EXPECT_EQ(result.text, "") << row.line;
  }
}

}  // namespace
