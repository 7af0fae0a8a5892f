// The xcopy dialog: its fonts and option grid, the 27 balloon tooltips read
// back from their windows, the command text from folders the test makes in
// the prefix, and the folder chooser of the target tree.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <algorithm>
#include <set>
#include <thread>

#include "tests/support/library_host.h"
#include "tests/support/tree_view.h"
#include "tests/support/user_input.h"
#include "tests/support/window_search.h"

namespace {

using namespace support;

constexpr int SourceTree = 1, TargetTree = 3, ParameterFrame = 4, FirstBox = 5, ExcludeBox = 8, LastBox = 29;
constexpr char ChooserTitle[] = "Sie können nun einen neuen Ordern erstellen";
constexpr char StartCommand[] = "xcopy \"C:\\Daten\\*.*\" \"D:\\Sicherung\\\" /D /E /V /Q /H /R /Y";

// The dialog's own tooltip windows, without the ones its trees make for their entries.
std::vector<HWND> DialogTooltips(HWND dialog) {
  std::vector<HWND> tips = Tooltips(dialog);
  for (int tree : {SourceTree, TargetTree}) {
    HWND own = reinterpret_cast<HWND>(SendMessageA(GetDlgItem(dialog, tree), TVM_GETTOOLTIPS, 0, 0));
    tips.erase(std::remove(tips.begin(), tips.end(), own), tips.end());
  }
  return tips;
}

// Wine 8 cannot read a tooltip's title back: the dialog's thread records
// what it sends.
std::vector<std::pair<WPARAM, std::string>> titlesSent;
LRESULT CALLBACK RecordTitles(int code, WPARAM wParam, LPARAM lParam) {
  const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && sent->message == TTM_SETTITLEA)
    titlesSent.emplace_back(sent->wParam, reinterpret_cast<const char*>(sent->lParam));
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Right-clicks a target tree entry and answers the chooser, which opens on
// the target's folder: OK on `folder`, or cancel when it is null.
void ChooseInTarget(HWND dialog, HTREEITEM entry, const wchar_t* folder) {
  HWND target = GetDlgItem(dialog, TargetTree);
  ClickAt(EntryPoint(target, entry), true);
  HWND chooser = WaitForChooser();
  ASSERT_NE(chooser, nullptr) << "no folder chooser";
  EXPECT_NE(ChildWithText(chooser, ChooserTitle), nullptr);
  EXPECT_TRUE(WaitUntil([&] { return ChooserSelection(chooser) == Label(target, entry); }))
      << "opened on the target's folder";
  EXPECT_FALSE(IsWindowEnabled(dialog)) << "the dialog waits for the chooser";
  AnswerChooser(chooser, folder ? IDOK : IDCANCEL, folder);
}

bool TargetIs(HWND dialog, const char* label) {
  HWND target = GetDlgItem(dialog, TargetTree);
  return WaitUntil([&] { return label ? Label(target, Selected(target)) == label : !Selected(target); });
}

class XcopyDialog : public ::testing::Test {
 protected:
  // The folders are the test's own, made afresh and gone afterwards.
  void SetUp() override {
    if (GetDriveTypeA("D:\\") != DRIVE_FIXED) GTEST_SKIP() << "needs the test drives (scripts/test-drives.sh)";
    TearDown();
    ASSERT_TRUE(CreateDirectoryA("C:\\Daten", nullptr));
    ASSERT_TRUE(CreateDirectoryA("D:\\Sicherung", nullptr));
  }
  void TearDown() override {
    RemoveTree(L"\\\\?\\C:\\Daten");
    RemoveTree(L"\\\\?\\D:\\Sicherung");
    RemoveTree(L"\\\\?\\D:\\Neu");
  }
  std::string Xcopy(const std::function<void(HWND)>& user) { return library_.Call(support::Xcopy, user).text; }
  LoadedLibrary library_;
};

// The boxes follow one another in reading order (down a column, then the
// next column), the order of their switches, inside the parameter frame.
TEST_F(XcopyDialog, FontsAndTheOptionGrid) {
  Xcopy([](HWND dialog) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    auto fontOf = [&](int gadget) {
      LOGFONTA font = {};
      GetObjectA(reinterpret_cast<HFONT>(SendMessageA(GetDlgItem(dialog, gadget), WM_GETFONT, 0, 0)), sizeof font, &font);
      return font;
    };
    for (int frame : {0, 2, ParameterFrame}) {
      EXPECT_STREQ(fontOf(frame).lfFaceName, "Arial");
      EXPECT_EQ(fontOf(frame).lfHeight, -MulDiv(10, dpi, 72)) << "frame " << frame;
    }
    const RECT frame = RectInParent(GetDlgItem(dialog, ParameterFrame));
    RECT previous = {};
    for (int box = FirstBox; box <= LastBox; ++box) {
      const RECT r = RectInParent(GetDlgItem(dialog, box));
      EXPECT_TRUE(r.left > frame.left && r.right < frame.right && r.top > frame.top && r.bottom < frame.bottom) << box;
      EXPECT_TRUE(box == FirstBox || (r.left == previous.left ? r.top >= previous.bottom
                                                               : r.left >= previous.right && r.top < previous.top))
          << "box " << box << " after box " << box - 1;
      previous = r;
      EXPECT_EQ(r.right - r.left, box == ExcludeBox ? 80 : 35) << "box " << box;
      EXPECT_EQ(fontOf(box).lfHeight, -MulDiv(9, dpi, 72)) << "box " << box;
    }
    ClickGadget(dialog, support::Xcopy.cancel);
  });
}

// Each tree and box has a balloon of its own, titled "Info" without an
// icon, whose text starts with the box's switch (a tree's: its frame's
// caption). Resting on a gadget shows its own tip only, the long one whole.
TEST_F(XcopyDialog, TwentySevenBalloonTooltipsEachServingItsGadget) {
  titlesSent.clear();
  HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, RecordTitles, nullptr, GetCurrentThreadId());
  Xcopy([](HWND dialog) {
    const std::vector<HWND> tips = DialogTooltips(dialog);
    ASSERT_EQ(tips.size(), 27u);
    std::set<int> served;
    for (HWND window : tips) {
      const Tool tip = ReadTool(window);
      const int gadget = GetDlgCtrlID(tip.info.hwnd);
      EXPECT_TRUE(served.insert(gadget).second) << "gadget " << gadget << " has two tips";
      EXPECT_EQ(tip.info.uFlags & (TTF_IDISHWND | TTF_SUBCLASS), static_cast<UINT>(TTF_IDISHWND | TTF_SUBCLASS));
      EXPECT_EQ(tip.info.uId, reinterpret_cast<UINT_PTR>(tip.info.hwnd));
      const std::string caption = WindowText(GetDlgItem(dialog, gadget <= TargetTree ? gadget - 1 : gadget));
      const char next = tip.text.size() > caption.size() ? tip.text[caption.size()] : '\0';
      EXPECT_TRUE(tip.text.starts_with(caption) && (caption.ends_with(':') || next == ' ' || next == ':'))
          << "gadget " << gadget << ": " << tip.text;
      EXPECT_TRUE(gadget != ExcludeBox || tip.text.size() == 396) << tip.text.size();
      const DWORD style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
      EXPECT_EQ(style & (WS_POPUP | TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP),
                static_cast<DWORD>(WS_POPUP | TTS_BALLOON | TTS_NOPREFIX)) << "an ampersand shows as itself";
      EXPECT_EQ(SendMessageA(window, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 32767);
    }
    for (int gadget : {ExcludeBox, SourceTree}) {
      RECT r;
      GetWindowRect(GetDlgItem(dialog, gadget), &r);
      MoveTo({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
      std::vector<HWND> shown;
      EXPECT_TRUE(WaitUntil([&] {
        shown.clear();
        for (HWND tip : DialogTooltips(dialog))
          if (IsWindowVisible(tip)) shown.push_back(tip);
        return shown.size() == 1 && ReadTool(shown[0]).info.hwnd == GetDlgItem(dialog, gadget);
      })) << "gadget " << gadget << ": " << shown.size() << " tips shown";
      if (gadget == ExcludeBox && shown.size() == 1) {
        GetWindowRect(shown[0], &r);
        EXPECT_LE(r.right - r.left, 240) << "lines of at most 180 pixels";
        EXPECT_GE(r.bottom - r.top, 150) << "the 396 characters in many lines";
      }
    }
    ClickGadget(dialog, support::Xcopy.cancel);
  });
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(titlesSent, (std::vector<std::pair<WPARAM, std::string>>(27, {0, "Info"})));
}

// Every box toggled from the last to the first: the switches of those off
// at the start, in the boxes' order, each as its box is captioned (those on
// at the start give the dialog's first line, StartCommand, and are gone).
TEST_F(XcopyDialog, CommandTextFromTheChosenFoldersAndBoxes) {
  EXPECT_EQ(Xcopy([](HWND dialog) {
    ASSERT_NE(SelectPath(GetDlgItem(dialog, SourceTree), 'C', {"Daten"}), nullptr);
    ASSERT_NE(SelectPath(GetDlgItem(dialog, TargetTree), 'D', {"Sicherung"}), nullptr);
    for (int box = LastBox; box >= FirstBox; --box) Toggle(dialog, box);
    ClickGadget(dialog, support::Xcopy.add);
  }), "xcopy \"C:\\Daten\\*.*\" \"D:\\Sicherung\\\" /A /M /EXCLUDE: /P /S /W /C /I /F /L /T /U /K /N /O /X /Z /-Y");
  EXPECT_EQ(Xcopy([](HWND dialog) {
    ClickGadget(dialog, support::Xcopy.add);
    EXPECT_FALSE(WaitForWindowGone(dialog, 300)) << "without a folder or drive in either tree it does nothing";
    ClickGadget(dialog, support::Xcopy.cancel);
  }), "");
}

TEST_F(XcopyDialog, RightClickInTheTargetTreeOpensTheChooser) {
  // A folder made after the drive was read, here or in the chooser, is the
  // target the user chose.
  EXPECT_EQ(Xcopy([](HWND dialog) {
    HWND target = GetDlgItem(dialog, TargetTree);
    HTREEITEM sicherung = SelectPath(target, 'D', {"Sicherung"});
    ASSERT_TRUE(CreateDirectoryA("D:\\Neu", nullptr));
    ChooseInTarget(dialog, sicherung, L"D:\\Neu");
    EXPECT_TRUE(TargetIs(dialog, "Neu")) << "the chosen folder is the target";
    ClickGadget(dialog, support::Xcopy.add);
  }), "xcopy \"*.*\" \"D:\\Neu\\\" /D /E /V /Q /H /R /Y");

  // Cancelled, or a chosen folder the tree cannot show (gone meanwhile):
  // nothing selected, rather than the earlier folder as if it was chosen.
  EXPECT_EQ(Xcopy([](HWND dialog) {
    HWND source = GetDlgItem(dialog, SourceTree), target = GetDlgItem(dialog, TargetTree);
    ClickAt(EntryPoint(source, DriveEntry(source, 'C')), true);
    EXPECT_EQ(WaitForChooser(500), nullptr) << "the source tree opens no chooser";
    ChooseInTarget(dialog, DriveEntry(target, 'D'), L"D:\\Sicherung");
    EXPECT_TRUE(TargetIs(dialog, "Sicherung"));
    ChooseInTarget(dialog, Selected(target), nullptr);
    EXPECT_TRUE(TargetIs(dialog, nullptr)) << "cancelled: the starting view with nothing selected";
    ChooseInTarget(dialog, DriveEntry(target, 'D'), L"D:\\Sicherung");
    // A folder whose parent's name is so long that the tree cannot list the
    // parent: its listing would pass the path limit.
    const std::wstring parent = L"D:\\" + std::wstring(254, L'x'), deep = parent + L"\\y";
    ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + parent).c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + deep).c_str(), nullptr));
    ChooseInTarget(dialog, Selected(target), deep.c_str());
    EXPECT_TRUE(TargetIs(dialog, nullptr)) << "a folder the tree cannot list: nothing selected";
    support::RemoveTree(L"\\\\?\\" + parent);

    ChooseInTarget(dialog, DriveEntry(target, 'D'), L"D:\\Sicherung");
    SelectPath(source, 'C', {"Daten"});
    ClickGadget(dialog, support::Xcopy.add);
  }), StartCommand);
}

// COM is per thread: a host may call from any thread, and finds the
// thread's COM as it was afterwards.
TEST_F(XcopyDialog, ACallFromAnotherThreadLeavesItsComAsItWas) {
  EXPECT_EQ(Xcopy([](HWND dialog) { ClickGadget(dialog, support::Xcopy.cancel); }), "");
  std::string text;
  HRESULT afterwards = E_FAIL;
  std::thread host([&] {
    text = Xcopy([](HWND dialog) {
      ChooseInTarget(dialog, DriveEntry(GetDlgItem(dialog, TargetTree), 'D'), L"D:\\Sicherung");
      EXPECT_TRUE(TargetIs(dialog, "Sicherung"));
      SelectPath(GetDlgItem(dialog, SourceTree), 'C', {"Daten"});
      ClickGadget(dialog, support::Xcopy.add);
    });
    afterwards = CoInitializeEx(nullptr, COINIT_MULTITHREADED);  // S_OK: no COM was left behind
    if (SUCCEEDED(afterwards)) CoUninitialize();
  });
  host.join();
  EXPECT_EQ(text, StartCommand);
  EXPECT_EQ(afterwards, S_OK);
}

// Names the 8-bit interface cannot carry come back as "?": the tree and the
// chooser hand on the short name instead, which reaches the same folder.
// Both trees list folders only.
TEST_F(XcopyDialog, FoldersNamedOutsideTheCodePageGoByTheirShortNames) {
  const std::wstring source = L"C:\\Daten\\\u65E5\u672C", target = L"D:\\Sicherung\\\u03A9mega";
  ASSERT_TRUE(CreateDirectoryW(source.c_str(), nullptr) && CreateDirectoryW(target.c_str(), nullptr));
  for (const char* file : {"C:\\Daten\\datei.txt", "D:\\Sicherung\\datei.txt"})
    CloseHandle(CreateFileA(file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  // The folder's own short name.
  auto shortName = [](const std::wstring& path) {
    WIN32_FIND_DATAW found = {};
    FindClose(FindFirstFileW(path.c_str(), &found));
    char narrow[16] = {};
    WideCharToMultiByte(CP_ACP, 0, found.cAlternateFileName, -1, narrow, sizeof narrow, nullptr, nullptr);
    return std::string(narrow);
  };
  const std::string shortSource = shortName(source), shortTarget = shortName(target);
  ASSERT_EQ(shortSource.find('?'), std::string::npos) << shortSource;
  std::vector<std::string> sourceLabels, targetLabels;
  const std::string text = Xcopy([&](HWND dialog) {
    auto listed = [&](int tree, char drive, const char* folder) {
      HTREEITEM item = SelectPath(GetDlgItem(dialog, tree), drive, {folder});
      Expand(GetDlgItem(dialog, tree), item);
      return Labels(GetDlgItem(dialog, tree), item);
    };
    targetLabels = listed(TargetTree, 'D', "Sicherung");
    sourceLabels = listed(SourceTree, 'C', "Daten");
    SelectPath(GetDlgItem(dialog, SourceTree), 'C', {"Daten", shortSource});
    ChooseInTarget(dialog, DriveEntry(GetDlgItem(dialog, TargetTree), 'D'), target.c_str());
    ClickGadget(dialog, support::Xcopy.add);
  });
  EXPECT_EQ(sourceLabels, std::vector<std::string>{shortSource});
  EXPECT_EQ(targetLabels, std::vector<std::string>{shortTarget});
  EXPECT_EQ(text, "xcopy \"C:\\Daten\\" + shortSource + "\\*.*\" \"D:\\Sicherung\\" + shortTarget + "\\\" /D /E /V /Q /H /R /Y");
}

}  // namespace
