// Every dialog opened from a line as a host opens it, with "<word>_edit":
// the line as a script has it, changed by the user and added; the changed
// line, added without a change, comes back byte for byte. What a dialog
// cannot show is named above its buttons.
#include <gtest/gtest.h>

#include <windows.h>

#include "tests/support/library_host.h"
#include "tests/support/user_input.h"
#include "tests/support/window_search.h"

namespace {

using namespace support;

constexpr int NoticeGadget = 90;

class OpenFromLine : public ::testing::Test {
 protected:
  // The dialog's "<procedure>_edit".
  FARPROC EditProcedure(const CommandDialog& dialog) const {
    return GetProcAddress(library_.Module(), (std::string(dialog.procedure) + "_edit").c_str());
  }
  // The dialog opened from `line`, worked by `user`.
  CommandResult Edit(const CommandDialog& dialog, const char* line, const std::function<void(HWND)>& user) const {
    auto edit = reinterpret_cast<const char*(WINAPI*)(const char*)>(reinterpret_cast<void*>(EditProcedure(dialog)));
    return CallWithUser([&] { return edit(line); }, dialog.title, user);
  }
  LoadedLibrary library_;
};

TEST_F(OpenFromLine, ChangedAndAddedThenAddedUnchanged) {
  struct Row {
    CommandDialog dialog;
    int ordinal;
    const char* line;  // as a script has it
    int click;         // the change: a gadget clicked, or the field's new text
    const char *typed, *changed;
  };
  const Row rows[] = {
      {Echo, 8, "ECHO  Grüße & mehr", 0, " Grüße & mehr!", "echo  Grüße & mehr!"},
      {Title, 9, "title   ", 0, " Nacht ", "title  Nacht "},  // blanks only: shown, not added
      {Chkdsk, 6, "CHKDSK /R c: /F", 7, nullptr, "chkdsk C: /f /r /x"},
      {Color, 7, "color 1f", 3, nullptr, "color 1E"},
      {Xcopy, 10, "xcopy /y \"C:\\Program Files\" c:\\WINDOWS /e", 16, nullptr,  // folders of every prefix
       "xcopy \"C:\\Program Files\\*.*\" \"C:\\windows\\\" /E /Q /Y"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(GetProcAddress(library_.Module(), MAKEINTRESOURCEA(row.ordinal)), EditProcedure(row.dialog));
    const CommandResult changed = Edit(row.dialog, row.line, [&](HWND dialog) {
      EXPECT_EQ(GetDlgItem(dialog, NoticeGadget), nullptr) << row.line << ": every part shown";
      EXPECT_EQ(Enabled(dialog, row.dialog.add), std::string_view(row.dialog.procedure) != "title") << row.line;
      if (row.typed) SetControlText(dialog, TextField, row.typed);
      else ClickGadget(dialog, row.click);
      ClickGadget(dialog, row.dialog.add);
    });
    EXPECT_EQ(changed.text, row.changed);
    const auto addAtOnce = [&](HWND dialog) { ClickGadget(dialog, row.dialog.add); };
    EXPECT_EQ(Edit(row.dialog, row.changed, addAtOnce).text, row.changed);
  }
  EXPECT_EQ(Edit(Echo, nullptr, [](HWND dialog) { ClickGadget(dialog, Echo.add); }).text, "echo.")
      << "null is an empty line";
}

// The notice names what the dialog keeps without showing it and what
// "Hinzufügen" changes; it takes the buttons' place and the window grows by
// its line. Added at once, the kept parts come back as they stood.
TEST_F(OpenFromLine, WhatADialogCannotShowIsNamedAboveItsButtons) {
  struct Row {
    CommandDialog dialog;
    int buttonRowTop;
    const char *line, *notice, *added;  // added: empty where "Hinzufügen" makes nothing
  };
  const Row rows[] = {
      {Xcopy, 445, "xcopy \"C:\\windows\\*.txt\" Q:\\Fehlt /Z:5 >log.txt",
       "Bleibt: Muster „*.txt“, Ziel „Q:\\Fehlt“ (fehlt hier), „/Z:5“, Umleitung „>log.txt“",
       "xcopy \"C:\\windows\\*.txt\" Q:\\Fehlt /Z:5 >log.txt"},
      {Chkdsk, 220, "chkdsk/f q: /L:4096",
       "/f entfällt, solange /l gewählt ist; bleibt: Laufwerk „q:“ (fehlt hier), „/L:4096“", "chkdsk q: /l:4096"},
      {Color, 70, "@color 77", "Gleiche Farben „77“: 9F gewählt; bleibt: „@“", "@color 9F"},
      {Echo, 40, "echo", "Wird zu „echo.“: leere Zeile statt Echo-Status", "echo."},
      {Title, 40, "echo x", "Anderer Befehl „echo x“: nichts übernommen", ""},
  };
  for (const Row& row : rows) {
    const CommandResult result = Edit(row.dialog, row.line, [&](HWND dialog) {
      HWND notice = GetDlgItem(dialog, NoticeGadget), cancel = GetDlgItem(dialog, row.dialog.cancel);
      ASSERT_NE(notice, nullptr) << row.line;
      EXPECT_EQ(WindowText(notice), row.notice);
      EXPECT_EQ(RectInParent(notice).top, row.buttonRowTop);
      EXPECT_EQ(RectInParent(cancel).top, row.buttonRowTop + 25);
      RECT client;
      GetClientRect(dialog, &client);
      EXPECT_GE(client.bottom, RectInParent(cancel).bottom + 10) << "the buttons stay inside";
      ClickGadget(dialog, *row.added ? row.dialog.add : row.dialog.cancel);
    });
    EXPECT_EQ(result.text, row.added) << row.line;
  }
}

// Two folders whose names differ only in case (E:\Fall holds Daten and
// daten on a Unix folder): the tree shows the one the line names.
TEST_F(OpenFromLine, AFolderIsToldApartFromOneThatDiffersOnlyInCase) {
  for (const char* folder : {"Daten", "daten"}) {
    const std::string line = std::string("xcopy E:\\Fall\\") + folder + " E:\\ /e";
    const auto addAtOnce = [](HWND dialog) { ClickGadget(dialog, Xcopy.add); };
    EXPECT_EQ(Edit(Xcopy, line.c_str(), addAtOnce).text,
              std::string("xcopy \"E:\\Fall\\") + folder + "\\*.*\" \"E:\\\" /E");
  }
}

}  // namespace
