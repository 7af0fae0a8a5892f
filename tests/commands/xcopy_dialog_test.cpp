// The xcopy dialog: its window and option grid, the 27 balloon tooltips read
// back from their windows, the command text from folders the test makes in
// the prefix, and the folder chooser of the target tree.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <thread>

#include "tests/support/leak_counts.h"
#include "tests/support/library_host.h"
#include "tests/support/tree_view.h"
#include "tests/support/user_input.h"

namespace {

using support::DriveEntry;
using support::EntryPoint;
using support::Selected;
using support::SelectPath;

enum { SourceTree = 1, TargetTree = 3, FirstBox = 5, ExcludeBox = 8, LastBox = 29, CancelButton = 30, AddButton = 31 };
constexpr char ChooserTitle[] = "Sie können nun einen neuen Ordern erstellen";
constexpr char StartCommand[] = "xcopy \"C:\\Daten\\*.*\" \"D:\\Sicherung\\\" /D /E /V /Q /H /R /Y";

const std::map<int, std::string> Tips = {
    {SourceTree, "Quelle: Die zu kopierenden Dateien. Wählen sie hier bitte nur den Quell-Ordner aus."},
    {TargetTree, "Ziel: Position und/oder Name der neuen Dateien. Wählen sie hier bitte nur den Ziel-Ordner aus"},
    {5, "/A Kopiert nur Dateien mit gesetztem Archivattribut, aendert das Attribut nicht."},
    {6, "/M Kopiert nur Dateien mit gesetztem Archivattribut, setzt das Attribut nach dem Kopieren zurueck."},
    {7, "/D:M-T-J Kopiert nur die an oder nach dem Datum geaenderten Dateien. Ist kein Datum angegeben, werden nur Dateien kopiert, die neuer als die bestehenden Zieldateien sind"},
    {8, "/EXCLUDE:Datei1[+Datei2][+Datei3]... Gibt eine Liste von Zeichenfolgen an. Wenn eine der Zeichenfolgen Teil des absoluten Verzeichnispfads der zu kopierenden Datei ist, wird diese Datei vom Kopiervorgang ausgeschlossen. Beispiel: Bei der Zeichenfolge \\obj\\ oder .obj werden alle Dateien unterhalb des Verzeichnisses OBJ bzw. alle Dateien mit der Erweiterung .obj vom Kopiervorgang ausgeschlossen."},
    {9, "/P Fordert vor dem Erstellen jeder Zieldatei eine Bestaetigung."},
    {10, "/S Kopiert Verzeichnisse und Unterverzeichnisse, die nicht leer sind."},
    {11, "/E Kopiert alle Unterverzeichnisse (leer oder nicht leer). Wie /S /E. Mit dieser Option kann die Option /T modifiziert werden."},
    {12, "/V Ueberprueft jede neue Datei auf Korrektheit."},
    {13, "/W Fordert vor dem Beginn des Kopierens zu einem Tastendruck auf."},
    {14, "/C  Setzt das Kopieren fort, auch wenn Fehler auftreten."},
    {15, "/I  Falls Ziel nicht vorhanden ist und mehrere Dateien kopiert werden, nimmt XCOPY an, dass das Ziel ein Verzeichnis ist."},
    {16, "/Q Zeigt beim Kopieren keine Dateinamen an."},
    {17, "/F  Zeigt die Namen der Quell- und Zieldateien beim Kopieren an."},
    {18, "/L Listet die Dateien auf, die ggf. kopiert werden."},
    {19, "/H Kopiert auch Dateien mit den Attributen 'Versteckt' und 'System'."},
    {20, "/R ueberschreibt schreibgeschuetzte Dateien."},
    {21, "/T  Erstellt die Verzeichnisstruktur, kopiert aber keine Dateien. Leere oder Unterverzeichnisse werden nicht kopiert. Um auch diese zu kopieren, muessen Sie die Optionen /T /E angeben."},
    {22, "/U Kopiert nur Dateien, die bereits im Zielverzeichnis vorhanden sind."},
    {23, "/K Kopiert Attribute. Standardmaessig wird 'Schreibgeschuetzt' geloescht."},
    {24, "/N Beim Kopieren werden die erzeugten Kurznamen verwendet."},
    {25, "/O Kopiert Informationen über den Besitzer und ACL."},
    {26, "/X Kopiert Dateiueberwachungseinstellungen (bedingt /O)."},
    {27, "/Y Unterdrückt die Aufforderung zur Bestaetigung, dass eine  vorhandene Zieldatei ueberschrieben werden soll."},
    {28, "/Z Kopiert Dateien in einem Modus, der einen Neustart ermoeglicht."},
    {29, "/-Y Fordert zur Bestaetigung auf, dass eine bestehende Zieldatei ueberschrieben werden soll."},
};

bool Checked(HWND dialog, int box) { return SendMessageA(GetDlgItem(dialog, box), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void Toggle(HWND dialog, int box) {
  const bool before = Checked(dialog, box);
  support::ClickGadget(dialog, box);
  ASSERT_TRUE(support::WaitUntil([&] { return Checked(dialog, box) != before; })) << "box " << box;
}

// --- the tooltip windows of a dialog -------------------------------------------

struct Tip {
  HWND window;
  TTTOOLINFOA tool;
  std::string text;
  int gadget;  // of the tool's window
};

bool IsTooltip(HWND window) {
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  return lstrcmpiA(className, TOOLTIPS_CLASSA) == 0;
}

BOOL CALLBACK CollectTip(HWND window, LPARAM found) {
  if (IsTooltip(window)) reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  return TRUE;
}

// The tooltip windows of the dialog's thread, without the ones the two tree
// controls make for their own entries.
std::vector<HWND> TooltipWindows(HWND dialog) {
  std::vector<HWND> found;
  EnumThreadWindows(GetWindowThreadProcessId(dialog, nullptr), CollectTip, reinterpret_cast<LPARAM>(&found));
  for (int tree : {SourceTree, TargetTree}) {
    HWND own = reinterpret_cast<HWND>(SendMessageA(GetDlgItem(dialog, tree), TVM_GETTOOLTIPS, 0, 0));
    found.erase(std::remove(found.begin(), found.end(), own), found.end());
  }
  return found;
}

Tip ReadTip(HWND window) {
  Tip tip = {window, {}, {}, 0};
  tip.tool.cbSize = sizeof tip.tool;
  SendMessageA(window, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&tip.tool));
  // The ANSI message reads 80 bytes at most; the wide one takes a length.
  wchar_t wide[1024] = {};
  TTTOOLINFOW query = {};
  query.cbSize = sizeof query;
  query.hwnd = tip.tool.hwnd;
  query.uId = tip.tool.uId;
  query.lpszText = wide;
  SendMessageW(window, TTM_GETTEXTW, 1024, reinterpret_cast<LPARAM>(&query));
  char text[2048] = {};
  WideCharToMultiByte(1252, 0, wide, -1, text, sizeof text, nullptr, nullptr);
  tip.text = text;
  tip.gadget = GetDlgCtrlID(tip.tool.hwnd);
  return tip;
}

// Wine 8 cannot read a tooltip's title back: the dialog's thread records
// what it sends.
struct TitleSent {
  HWND tooltip;
  WPARAM icon;
  std::string title;
};
std::vector<TitleSent>* titlesSent = nullptr;

LRESULT CALLBACK RecordTitles(int code, WPARAM wParam, LPARAM lParam) {
  const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && sent->message == TTM_SETTITLEA && titlesSent)
    titlesSent->push_back({sent->hwnd, sent->wParam, reinterpret_cast<const char*>(sent->lParam)});
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// --- the folder chooser -----------------------------------------------------

BOOL CALLBACK FindChooser(HWND window, LPARAM found) {
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId() && IsWindowVisible(window) && std::strcmp(className, "#32770") == 0) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

HWND WaitForChooser(DWORD timeoutMs) {
  HWND chooser = nullptr;
  support::WaitUntil([&] {
    EnumWindows(FindChooser, reinterpret_cast<LPARAM>(&chooser));
    return chooser != nullptr;
  }, timeoutMs);
  return chooser;
}

BOOL CALLBACK MatchText(HWND child, LPARAM wanted) {
  auto* search = reinterpret_cast<std::pair<const char*, bool>*>(wanted);
  if (support::WindowText(child) == search->first) search->second = true;
  return !search->second;
}

bool ShowsText(HWND window, const char* text) {
  std::pair<const char*, bool> search{text, false};
  EnumChildWindows(window, MatchText, reinterpret_cast<LPARAM>(&search));
  return search.second;
}

// Right-clicks a target tree entry and answers the chooser: OK on `folder`,
// or cancel when it is null; `beforeAnswer` runs while the chooser shows it.
void ChooseInTarget(HWND dialog, HTREEITEM entry, const wchar_t* folder,
                    const std::function<void()>& beforeAnswer = {}) {
  HWND target = GetDlgItem(dialog, TargetTree);
  support::ClickAt(EntryPoint(target, entry), true);
  HWND chooser = WaitForChooser(support::PatienceMs);
  ASSERT_NE(chooser, nullptr) << "no folder chooser";
  EXPECT_TRUE(ShowsText(chooser, ChooserTitle));
  EXPECT_FALSE(IsWindowEnabled(dialog)) << "the dialog waits for the chooser";
  if (folder) {
    // Chosen as a user would, until the chooser's own tree shows the folder
    // selected: Wine 8's chooser may still put its initial folder over a
    // selection made at once.
    const std::wstring leaf = std::wstring(folder).substr(std::wstring(folder).rfind(L'\\') + 1);
    HWND folders = GetDlgItem(chooser, 14145);
    ASSERT_TRUE(support::WaitUntil([&] {
      SendMessageW(chooser, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(folder));
      wchar_t label[MAX_PATH] = {};
      TVITEMW item = {};
      item.mask = TVIF_TEXT | TVIF_HANDLE;
      item.hItem = reinterpret_cast<HTREEITEM>(SendMessageW(folders, TVM_GETNEXTITEM, TVGN_CARET, 0));
      item.pszText = label;
      item.cchTextMax = MAX_PATH;
      return item.hItem && SendMessageW(folders, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)) &&
             std::wstring(label).find(leaf) != std::wstring::npos;
    })) << "the chooser did not select the folder";
  }
  if (beforeAnswer) beforeAnswer();
  PostMessageA(GetDlgItem(chooser, folder ? IDOK : IDCANCEL), BM_CLICK, 0, 0);
  ASSERT_TRUE(support::WaitForWindowGone(chooser));
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
    support::RemoveTree(L"\\\\?\\C:\\Daten");
    support::RemoveTree(L"\\\\?\\D:\\Sicherung");
    for (const char* made : {"D:\\Neu", "D:\\Weg"}) RemoveDirectoryA(made);
  }
  std::string Xcopy(const std::function<void(HWND)>& user) {
    return support::CallWithUser(library_.Procedure("xcopy"), "XCOPY", user).text;
  }
  support::LoadedLibrary library_;
};

TEST_F(XcopyDialog, WindowOptionGridAndFonts) {
  const std::string text = Xcopy([](HWND dialog) {
    RECT frame, client;
    GetWindowRect(dialog, &frame);
    GetClientRect(dialog, &client);
    EXPECT_EQ(frame.left, 100);
    EXPECT_EQ(frame.top, 100);
    EXPECT_EQ(client.right, 434);
    EXPECT_EQ(client.bottom, 490);
    const LONG style = GetWindowLongA(dialog, GWL_STYLE);
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
    EXPECT_TRUE(GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_CONTEXTHELP) << "the question-mark button";

    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    auto fontOf = [](HWND control) {
      LOGFONTA font = {};
      GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof font, &font);
      return font;
    };
    for (int frameGadget : {0, 2, 4}) {
      const LOGFONTA font = fontOf(GetDlgItem(dialog, frameGadget));
      EXPECT_STREQ(font.lfFaceName, "Arial");
      EXPECT_EQ(font.lfHeight, -MulDiv(10, dpi, 72)) << "frame " << frameGadget;
    }
    for (int tree : {SourceTree, TargetTree})
      EXPECT_TRUE(GetWindowLongA(GetDlgItem(dialog, tree), GWL_STYLE) & TVS_SHOWSELALWAYS);

    // Four boxes a column, the last column five; the first column is wider.
    const int columns[] = {40, 130, 190, 250, 310, 370};
    const std::set<int> checkedAtStart = {7, 11, 12, 16, 19, 20, 27};
    for (int box = FirstBox; box <= LastBox; ++box) {
      HWND control = GetDlgItem(dialog, box);
      RECT r;
      GetWindowRect(control, &r);
      MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
      const int index = box - FirstBox, column = std::min(index / 4, 5);
      EXPECT_EQ(r.left, columns[column]) << "box " << box;
      EXPECT_EQ(r.top, 280 + 30 * (index - 4 * column)) << "box " << box;
      EXPECT_EQ(r.right - r.left, box == ExcludeBox ? 80 : 35) << "box " << box;
      EXPECT_EQ(GetWindowLongA(control, GWL_STYLE) & BS_CENTER, BS_CENTER) << "box " << box;
      EXPECT_EQ(fontOf(control).lfHeight, -MulDiv(9, dpi, 72)) << "box " << box;
      EXPECT_EQ(Checked(dialog, box), checkedAtStart.count(box) == 1) << "box " << box;
    }
    support::ClickGadget(dialog, CancelButton);
  });
  EXPECT_EQ(text, "");
}

TEST_F(XcopyDialog, TwentySevenBalloonTooltipsEachServingItsGadget) {
  std::vector<TitleSent> titles;
  titlesSent = &titles;
  HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, RecordTitles, nullptr, GetCurrentThreadId());
  std::vector<Tip> tips;
  Xcopy([&](HWND dialog) {
    for (HWND window : TooltipWindows(dialog)) tips.push_back(ReadTip(window));
    support::ClickGadget(dialog, CancelButton);
  });
  UnhookWindowsHookEx(hook);
  titlesSent = nullptr;

  ASSERT_EQ(tips.size(), 27u);
  std::set<int> served;
  for (const Tip& tip : tips) {
    const int gadget = tip.gadget;
    EXPECT_TRUE(served.insert(gadget).second) << "gadget " << gadget << " has two tips";
    EXPECT_EQ(tip.tool.uFlags & (TTF_IDISHWND | TTF_SUBCLASS), static_cast<UINT>(TTF_IDISHWND | TTF_SUBCLASS));
    EXPECT_EQ(tip.tool.uId, reinterpret_cast<UINT_PTR>(tip.tool.hwnd));
    ASSERT_EQ(Tips.count(gadget), 1u) << "a tip for gadget " << gadget;
    EXPECT_EQ(tip.text, Tips.at(gadget)) << "gadget " << gadget;
  }
  EXPECT_EQ(Tips.at(ExcludeBox).size(), 396u);
  ASSERT_EQ(titles.size(), 27u);
  for (const TitleSent& sent : titles) {
    EXPECT_EQ(sent.title, "Info");
    EXPECT_EQ(sent.icon, 0u) << "no icon";
  }
}

// What the tooltip windows were made with, read while the dialog is open:
// their windows go with it.
TEST_F(XcopyDialog, TooltipWindowsAreBalloonsThatShowTheirOwnTextWhole) {
  Xcopy([](HWND dialog) {
    for (HWND tip : TooltipWindows(dialog)) {
      const DWORD style = static_cast<DWORD>(GetWindowLongA(tip, GWL_STYLE));
      EXPECT_EQ(style & (WS_POPUP | TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP),
                static_cast<DWORD>(WS_POPUP | TTS_BALLOON | TTS_NOPREFIX)) << "an ampersand shows as itself";
      EXPECT_EQ(GetWindow(tip, GW_OWNER), dialog);
      EXPECT_EQ(reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(tip, GWLP_HINSTANCE)), GetModuleHandleA(nullptr));
      EXPECT_EQ(SendMessageA(tip, TTM_GETMAXTIPWIDTH, 0, 0), 180);
      EXPECT_EQ(SendMessageA(tip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 32767);
      EXPECT_EQ(static_cast<COLORREF>(SendMessageA(tip, TTM_GETTIPBKCOLOR, 0, 0)), GetSysColor(COLOR_INFOBK));
      EXPECT_EQ(static_cast<COLORREF>(SendMessageA(tip, TTM_GETTIPTEXTCOLOR, 0, 0)), GetSysColor(COLOR_INFOTEXT));
    }
    // Resting on a gadget shows its own tip only, the long one whole.
    auto shownTips = [&] {
      std::vector<Tip> shown;
      for (HWND tip : TooltipWindows(dialog))
        if (IsWindowVisible(tip)) shown.push_back(ReadTip(tip));
      return shown;
    };
    for (int gadget : {ExcludeBox, SourceTree}) {
      RECT r;
      GetWindowRect(GetDlgItem(dialog, gadget), &r);
      support::MoveTo({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
      std::vector<Tip> shown;
      EXPECT_TRUE(support::WaitUntil([&] {
        shown = shownTips();
        return shown.size() == 1 && shown[0].tool.hwnd == GetDlgItem(dialog, gadget);
      })) << "gadget " << gadget << ": " << shown.size() << " tips shown";
      if (gadget == ExcludeBox && shown.size() == 1) {
        GetWindowRect(shown[0].window, &r);
        EXPECT_LE(r.right - r.left, 240) << "lines of at most 180 pixels";
        EXPECT_GE(r.bottom - r.top, 150) << "the 396 characters in many lines";
      }
    }
    support::ClickGadget(dialog, CancelButton);
  });
}

TEST_F(XcopyDialog, CommandTextFromTheChosenFolders) {
  auto bothFolders = [](HWND dialog) {
    ASSERT_NE(SelectPath(GetDlgItem(dialog, SourceTree), 'C', {"Daten"}), nullptr);
    ASSERT_NE(SelectPath(GetDlgItem(dialog, TargetTree), 'D', {"Sicherung"}), nullptr);
  };
  const std::vector<int> startBoxes = {7, 11, 12, 16, 19, 20, 27};
  EXPECT_EQ(Xcopy([&](HWND dialog) {
    bothFolders(dialog);
    support::ClickGadget(dialog, AddButton);
  }), StartCommand);

  // The switches follow the boxes' order, whatever order they were checked in.
  EXPECT_EQ(Xcopy([&](HWND dialog) {
    bothFolders(dialog);
    for (int box : startBoxes) Toggle(dialog, box);
    for (int box : {29, 27, 8, 6, 5}) Toggle(dialog, box);
    support::ClickGadget(dialog, AddButton);
  }), "xcopy \"C:\\Daten\\*.*\" \"D:\\Sicherung\\\" /A /M /EXCLUDE: /Y /-Y");

  EXPECT_EQ(Xcopy([&](HWND dialog) {
    bothFolders(dialog);
    for (int box : startBoxes) Toggle(dialog, box);
    support::ClickGadget(dialog, AddButton);
  }), "xcopy \"C:\\Daten\\*.*\" \"D:\\Sicherung\\\"") << "no box: the closing quote ends it";

  EXPECT_EQ(Xcopy([](HWND dialog) {
    SelectPath(GetDlgItem(dialog, SourceTree), 'C', {});
    support::ClickGadget(dialog, AddButton);
  }), "xcopy \"C:\\*.*\" \"\" /D /E /V /Q /H /R /Y") << "a drive as the only folder";

  EXPECT_EQ(Xcopy([](HWND dialog) {
    SelectPath(GetDlgItem(dialog, TargetTree), 'D', {"Sicherung"});
    support::ClickGadget(dialog, AddButton);
  }), "xcopy \"*.*\" \"D:\\Sicherung\\\" /D /E /V /Q /H /R /Y") << "only a target";

  // Without a folder or drive in either tree "Hinzufügen" does nothing.
  EXPECT_EQ(Xcopy([](HWND dialog) {
    support::ClickGadget(dialog, AddButton);
    EXPECT_FALSE(support::WaitForWindowGone(dialog, 300)) << "nothing selected";
    for (int tree : {SourceTree, TargetTree})
      support::Select(GetDlgItem(dialog, tree), support::Next(GetDlgItem(dialog, tree), nullptr, TVGN_ROOT));
    support::ClickGadget(dialog, AddButton);
    EXPECT_FALSE(support::WaitForWindowGone(dialog, 300)) << "only the computer entry";
    support::ClickGadget(dialog, CancelButton);
  }), "");
}

bool TargetIs(HWND dialog, const char* label) {
  HWND target = GetDlgItem(dialog, TargetTree);
  return support::WaitUntil([&] { return label ? support::Label(target, Selected(target)) == label : !Selected(target); });
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
    support::ClickGadget(dialog, AddButton);
  }), "xcopy \"*.*\" \"D:\\Neu\\\" /D /E /V /Q /H /R /Y");

  // Cancelled, or a chosen folder the tree cannot show (gone meanwhile):
  // nothing selected, rather than the earlier folder as if it was chosen.
  EXPECT_EQ(Xcopy([](HWND dialog) {
    HWND source = GetDlgItem(dialog, SourceTree), target = GetDlgItem(dialog, TargetTree);
    support::ClickAt(EntryPoint(source, DriveEntry(source, 'C')), true);
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
    support::ClickGadget(dialog, AddButton);
  }), StartCommand);
}

// COM is per thread: a host may call from any thread, and finds the
// thread's COM as it was afterwards.
TEST_F(XcopyDialog, ACallFromAnotherThreadLeavesItsComAsItWas) {
  EXPECT_EQ(Xcopy([](HWND dialog) { support::ClickGadget(dialog, CancelButton); }), "");
  std::string text;
  HRESULT afterwards = E_FAIL;
  std::thread host([&] {
    text = Xcopy([](HWND dialog) {
      ChooseInTarget(dialog, DriveEntry(GetDlgItem(dialog, TargetTree), 'D'), L"D:\\Sicherung");
      EXPECT_TRUE(TargetIs(dialog, "Sicherung"));
      SelectPath(GetDlgItem(dialog, SourceTree), 'C', {"Daten"});
      support::ClickGadget(dialog, AddButton);
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
TEST_F(XcopyDialog, FoldersNamedOutsideTheCodePageGoByTheirShortNames) {
  const std::wstring source = L"C:\\Daten\\\u65E5\u672C", target = L"D:\\Sicherung\\\u03A9mega";
  ASSERT_TRUE(CreateDirectoryW(source.c_str(), nullptr) && CreateDirectoryW(target.c_str(), nullptr));
  // The folder's own short name, under its parent's usual name.
  auto shortName = [](const std::wstring& path, const char* parent) {
    WIN32_FIND_DATAW found = {};
    FindClose(FindFirstFileW(path.c_str(), &found));
    char narrow[16] = {};
    WideCharToMultiByte(CP_ACP, 0, found.cAlternateFileName, -1, narrow, sizeof narrow, nullptr, nullptr);
    return parent + std::string(narrow);
  };
  const std::string shortSource = shortName(source, "C:\\Daten\\"), shortTarget = shortName(target, "D:\\Sicherung\\");
  ASSERT_EQ(shortSource.find('?'), std::string::npos) << shortSource;
  std::vector<std::string> labels;
  const std::string text = Xcopy([&](HWND dialog) {
    HWND sourceTree = GetDlgItem(dialog, SourceTree);
    HTREEITEM daten = SelectPath(sourceTree, 'C', {"Daten"});
    support::Expand(sourceTree, daten);
    labels = support::Labels(sourceTree, daten);
    SelectPath(sourceTree, 'C', {"Daten", shortSource.substr(shortSource.rfind('\\') + 1)});
    ChooseInTarget(dialog, DriveEntry(GetDlgItem(dialog, TargetTree), 'D'), target.c_str());
    support::ClickGadget(dialog, AddButton);
  });
  EXPECT_EQ(labels, std::vector<std::string>{shortSource.substr(shortSource.rfind('\\') + 1)});
  EXPECT_EQ(text, "xcopy \"" + shortSource + "\\*.*\" \"" + shortTarget + "\\\" /D /E /V /Q /H /R /Y");
}

TEST_F(XcopyDialog, CancelAndCloseBoxGiveEmptyTextAfterChanges) {
  for (bool closeBox : {false, true}) {
    EXPECT_EQ(Xcopy([&](HWND dialog) {
      SelectPath(GetDlgItem(dialog, SourceTree), 'C', {"Daten"});
      SelectPath(GetDlgItem(dialog, TargetTree), 'D', {"Sicherung"});
      Toggle(dialog, 5);
      Toggle(dialog, 27);
      if (closeBox)
        support::ClickAt(support::CloseBoxPoint(dialog));
      else
        support::ClickGadget(dialog, CancelButton);
    }), "") << (closeBox ? "close box" : "Abbrechen");
  }
}

// Xcopy calls ended by "Abbrechen", the close box and "Hinzufügen" in turn.
void CallXcopy(support::CommandProcedure xcopy, int calls) {
  std::thread user([calls] {
    for (int i = 0; i < calls; ++i) {
      HWND dialog = support::WaitForDialog("XCOPY");
      if (!dialog) return;
      if (i % 3 == 0) PostMessageA(GetDlgItem(dialog, CancelButton), BM_CLICK, 0, 0);
      if (i % 3 == 1) PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
      if (i % 3 == 2) {
        SelectPath(GetDlgItem(dialog, SourceTree), 'C', {"Daten"});
        PostMessageA(GetDlgItem(dialog, AddButton), BM_CLICK, 0, 0);
      }
      support::WaitForWindowGone(dialog);
    }
  });
  for (int i = 0; i < calls; ++i) {
    const std::string text = xcopy();
    const std::string expected = i % 3 == 2 ? "xcopy \"C:\\Daten\\*.*\" \"\" /D /E /V /Q /H /R /Y" : "";
    if (text != expected) ADD_FAILURE() << "call " << i << " gave '" << text << "'";
  }
  user.join();
}

BOOL CALLBACK CountTooltip(HWND window, LPARAM counted) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId() && IsTooltip(window)) ++*reinterpret_cast<int*>(counted);
  return TRUE;
}

TEST_F(XcopyDialog, FiftyCallsLeaveNoWindowsTooltipsOrGdiObjects) {
  auto xcopy = library_.Procedure("xcopy");
  CallXcopy(xcopy, 3);  // first-use caches of Wine, the shell and the runtime
  const support::ResourceCounts start = support::CountResources();
  CallXcopy(xcopy, 25);
  const support::ResourceCounts middle = support::CountResources();
  CallXcopy(xcopy, 25);
  const support::ResourceCounts end = support::CountResources();
  std::printf("xcopy calls: at the start  %s\n             after 25   %s\n             after 50   %s\n",
              support::Describe(start).c_str(), support::Describe(middle).c_str(), support::Describe(end).c_str());
  EXPECT_EQ(middle.windows, start.windows);
  EXPECT_EQ(end.windows, start.windows);
  int tooltips = 0;
  EnumWindows(CountTooltip, reinterpret_cast<LPARAM>(&tooltips));
  EXPECT_EQ(tooltips, 0);
  support::ExpectNoGdiGrowth(start, middle, end);
}

}  // namespace
