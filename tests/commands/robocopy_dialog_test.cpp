// The robocopy dialog: every box and field reaching the line, boxes that
// contain or exclude each other, the refusals and what a line deletes, the
// tooltips and the folder chooser; on folders the test makes in the prefix.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <map>

#include "tests/support/library_host.h"
#include "tests/support/tree_view.h"
#include "tests/support/user_input.h"
#include "tests/support/window_search.h"

namespace {

using namespace support;

constexpr int SourceTree = 2, TargetTree = 4, FilesField = 6, LogFile = 13, Says = 14, FirstBox = 20, FirstField = 120;
enum Option { S, E, Lev, Mir, Purge, Mov, Move, Z = 8, ZB = 10, J, FftLast = 46, Xf = 30, Xd, R, W, Mt, L, Log, LogPlus };

class RobocopyDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    if (GetDriveTypeA("D:\\") != DRIVE_FIXED) GTEST_SKIP() << "needs the test drives (scripts/test-drives.sh)";
    TearDown();
    ASSERT_TRUE(CreateDirectoryA("C:\\Daten", nullptr));
    ASSERT_TRUE(CreateDirectoryA("C:\\Daten\\Kopie", nullptr));
    ASSERT_TRUE(CreateDirectoryA("D:\\Sicherung", nullptr));
  }
  void TearDown() override {
    RemoveTree(L"\\\\?\\C:\\Daten");
    RemoveTree(L"\\\\?\\D:\\Sicherung");
  }
  std::string Robocopy(const std::function<void(HWND)>& user) { return library_.Call(support::Robocopy, user).text; }
  LoadedLibrary library_;
};

void Folders(HWND dialog, std::vector<std::string> target, char targetDrive = 'D') {
  ASSERT_NE(SelectPath(GetDlgItem(dialog, SourceTree), 'C', {"Daten"}), nullptr);
  ASSERT_NE(SelectPath(GetDlgItem(dialog, TargetTree), targetDrive, target), nullptr);
}

bool Shows(HWND dialog, int option, bool ticked, bool enabled) {
  return WaitUntil([&] { return Checked(dialog, FirstBox + option) == ticked && Enabled(dialog, FirstBox + option) == enabled; });
}

TEST_F(RobocopyDialog, EveryBoxAndFieldReachesTheLine) {
  EXPECT_EQ(Robocopy([](HWND dialog) {
    Folders(dialog, {"Sicherung"});
    SetControlText(dialog, FilesField, "*.docx \"mein bericht.doc\"");
    // /E holds /S, /MIR holds /E and /PURGE: ticked and greyed, written once.
    Toggle(dialog, FirstBox + S);
    Toggle(dialog, FirstBox + E);
    EXPECT_TRUE(Shows(dialog, S, true, false));
    Toggle(dialog, FirstBox + Mir);
    for (int held : {S, E, Purge}) EXPECT_TRUE(Shows(dialog, held, true, false)) << held;
    EXPECT_TRUE(WaitUntil([&] {
      return WindowText(GetDlgItem(dialog, Says)) == "/MIR löscht in „D:\\Sicherung“, was es in „C:\\Daten“ nicht gibt";
    }));
    // One of /MOV and /MOVE, of /Z, /B and /ZB, of /LOG: and /LOG+:.
    for (int option : {Mov, Move, Z, ZB}) Toggle(dialog, FirstBox + option);
    EXPECT_TRUE(Shows(dialog, Mov, false, true) && Shows(dialog, Z, false, true));
    // A number or names typed tick their box.
    const std::pair<int, const char*> typed[] = {{Lev, "2"},  {26, "1000"}, {27, "10"}, {28, "30"}, {29, "1"},
                                                 {Xf, "*.tmp \"alte datei.bak\""}, {Xd, "Temp"}, {R, "3"}, {W, "5"}, {Mt, "8"}};
    for (const auto& [option, text] : typed) {
      SetControlText(dialog, FirstField + option, text);
      EXPECT_TRUE(Shows(dialog, option, true, true)) << option;
    }
    for (int option = J; option < 26; ++option) Toggle(dialog, FirstBox + option);
    SetControlText(dialog, LogFile, "C:\\Log Dateien\\robo.log");
    EXPECT_TRUE(Shows(dialog, Log, true, true));
    for (int option = L; option <= FftLast; ++option)
      if (option != Log) Toggle(dialog, FirstBox + option);
    EXPECT_TRUE(Shows(dialog, Log, false, true));
    ClickGadget(dialog, support::Robocopy.add);
  }), "robocopy C:\\Daten D:\\Sicherung *.docx \"mein bericht.doc\" /LEV:2 /MIR /MOVE /ZB /J /COPYALL /SEC /DCOPY:T "
      "/SL /XJ /A /M /XO /XN /XC /XX /XL /IS /IT /MAX:1000 /MIN:10 /MAXAGE:30 /MINAGE:1 /XF *.tmp \"alte datei.bak\" "
      "/XD Temp /R:3 /W:5 /MT:8 /L /LOG+:\"C:\\Log Dateien\\robo.log\" /TEE /NP /NFL /NDL /NJH /NJS /V /ETA /FFT");
}

// "Hinzufügen" refuses a line that copies a folder onto itself, or into
// itself while it deletes, and says why in the line above the buttons.
TEST_F(RobocopyDialog, RefusesWhatCannotWorkAndSaysWhy) {
  EXPECT_EQ(Robocopy([](HWND dialog) {
    const auto refused = [&](const char* why) {
      ClickGadget(dialog, support::Robocopy.add);
      return WaitUntil([&] { return WindowText(GetDlgItem(dialog, Says)) == why; }) && IsWindowVisible(dialog);
    };
    EXPECT_TRUE(refused("robocopy braucht eine Quelle und ein Ziel."));
    Folders(dialog, {"Daten"}, 'C');
    EXPECT_TRUE(refused("Quelle und Ziel sind derselbe Ordner."));
    Folders(dialog, {"Daten", "Kopie"}, 'C');
    Toggle(dialog, FirstBox + Mov);
    EXPECT_TRUE(refused("Das Ziel liegt in der Quelle: mit /MIR, /PURGE, /MOV oder /MOVE löschte robocopy, was es "
                        "gerade kopiert."));
    Toggle(dialog, FirstBox + Mov);
    Toggle(dialog, FirstBox + R);
    EXPECT_TRUE(refused("Bei /R: fehlt die Zahl."));
    Toggle(dialog, FirstBox + R);
    ClickGadget(dialog, support::Robocopy.add);
  }), "robocopy C:\\Daten C:\\Daten\\Kopie");
}

// Every box and field explains itself in a balloon tooltip of its own,
// titled "Info", that begins with its switch; a right click in the target
// tree opens the folder chooser.
TEST_F(RobocopyDialog, TooltipsAndTheFolderChooser) {
  EXPECT_EQ(Robocopy([](HWND dialog) {
    int boxes = 0, fields = 0;
    std::map<int, std::string> tips;
    for (HWND window : Tooltips(dialog)) {
      const Tool tip = ReadTool(window);
      const int gadget = GetDlgCtrlID(tip.info.hwnd);
      tips[gadget] = tip.text;
      if (gadget < FirstBox) continue;  // the trees' and the fields' of files and log
      const std::string caption = WindowText(GetDlgItem(dialog, gadget >= FirstField ? gadget - 100 : gadget));
      const std::string name = caption.substr(0, caption.find(' '));
      EXPECT_TRUE(tip.text.starts_with(name.ends_with(':') ? name.substr(0, name.size() - 1) : name))
          << caption << ": " << tip.text;
      ++(gadget >= FirstField ? fields : boxes);
    }
    EXPECT_EQ(boxes, 47);
    EXPECT_EQ(fields, 10);
    EXPECT_EQ(tips[FirstBox + Mir], "/MIR macht das Ziel zum Spiegel der Quelle: wie /E, und im Ziel wird gelöscht, was "
                                    "es in der Quelle nicht gibt.");
    EXPECT_EQ(tips[FilesField], "Dateien: welche Dateien der Ordner kopiert werden, als Namen oder Muster durch "
                                "Leerzeichen getrennt, etwa *.docx *.xlsx. Leer oder *.* heißt: alle.");
    Folders(dialog, {"Sicherung"});
    HWND target = GetDlgItem(dialog, TargetTree);
    ClickAt(EntryPoint(target, Selected(target)), true);
    HWND chooser = WaitForChooser();
    ASSERT_NE(chooser, nullptr);
    EXPECT_NE(ChildWithText(chooser, "Sie können nun einen neuen Ordner erstellen"), nullptr);
    AnswerChooser(chooser, IDOK, L"D:\\");
    EXPECT_TRUE(WaitUntil([&] { return Label(target, Selected(target)).find("(D:)") != std::string::npos; }));
    ClickGadget(dialog, support::Robocopy.add);
  }), "robocopy C:\\Daten D:\\");
}

}  // namespace
