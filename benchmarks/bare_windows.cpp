#include "benchmarks/bare_windows.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <string>

namespace bench {

namespace {

constexpr char ClassName[] = "BareBenchWindow";
constexpr DWORD Caption = WS_CAPTION | WS_SYSMENU;
constexpr DWORD Child = WS_CHILD | WS_VISIBLE | WS_GROUP;
constexpr DWORD Box = Child | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD PushButton = Child | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD Frame = Child | BS_GROUPBOX;
constexpr DWORD Label = Child | SS_LEFT;

bool closed = false;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    closed = true;
    DestroyWindow(window);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterOnce() {
  static const bool registered = [] {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = ClassName;
    return RegisterClassExA(&windowClass) != 0;
  }();
  (void)registered;
}

// A top-level window of that inner size, centred unless a place is given.
HWND OpenBare(const char* title, int innerWidth, int innerHeight, int x = -1, int y = -1) {
  RegisterOnce();
  RECT outer = {0, 0, innerWidth, innerHeight};
  AdjustWindowRect(&outer, Caption, FALSE);
  const int width = outer.right - outer.left, height = outer.bottom - outer.top;
  if (x < 0) {
    x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  }
  return CreateWindowExA(0, ClassName, title, Caption, x, y, width, height, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

HWND Control(HWND parent, const char* className, const char* text, DWORD style, DWORD extendedStyle, int x, int y,
             int width, int height, int identifier) {
  HWND control = CreateWindowExA(extendedStyle, className, text, style, x, y, width, height, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(identifier)),
                                 GetModuleHandleA(nullptr), nullptr);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
  return control;
}

// Shows the filled window and runs until it is closed.
void ShowAndRun(HWND window) {
  closed = false;
  ShowWindow(window, SW_SHOWNORMAL);
  MSG message;
  while (!closed && GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

HTREEITEM Insert(HWND tree, HTREEITEM parent, const char* label, int icon) {
  TVINSERTSTRUCTA insert = {};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN;
  insert.item.pszText = const_cast<char*>(label);
  insert.item.iImage = insert.item.iSelectedImage = icon;
  insert.item.cChildren = 1;
  return TreeView_InsertItem(tree, &insert);
}

// A tree as a folder tree starts: the computer entry, opened, with the
// drives and the documents folder under it (plain labels, the shell's icon list).
void BareTree(HWND parent, int x, int y, int width, int height, int identifier) {
  HWND tree = Control(parent, WC_TREEVIEWA, "",
                      Child | WS_TABSTOP | TVS_HASLINES | TVS_LINESATROOT | TVS_HASBUTTONS | TVS_SHOWSELALWAYS,
                      WS_EX_CLIENTEDGE, x, y, width, height, identifier);
  SHFILEINFOA info = {};
  auto icons = reinterpret_cast<HIMAGELIST>(
      SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
  TreeView_SetImageList(tree, icons, TVSIL_NORMAL);
  HTREEITEM computer = Insert(tree, TVI_ROOT, "Computer", 0);
  const DWORD drives = GetLogicalDrives();
  for (int drive = 0; drive < 26; ++drive) {
    if (!(drives & (1u << drive))) continue;
    const char root[] = {static_cast<char>('A' + drive), ':', '\\', '\0'};
    Insert(tree, computer, root, 0);
  }
  Insert(tree, computer, "Documents", 0);
  TreeView_Expand(tree, computer, TVE_EXPAND);
}

// A balloon tooltip window of its own for `control`, titled "Info".
void BareTip(HWND window, HWND control, const char* text) {
  HWND tooltip = CreateWindowExA(0, TOOLTIPS_CLASSA, "", WS_POPUP | TTS_BALLOON | TTS_NOPREFIX, 0, 0, 0, 0, window,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(tooltip, TTM_SETTIPTEXTCOLOR, GetSysColor(COLOR_INFOTEXT), 0);
  SendMessageA(tooltip, TTM_SETTIPBKCOLOR, GetSysColor(COLOR_INFOBK), 0);
  SendMessageA(tooltip, TTM_SETMAXTIPWIDTH, 0, 180);
  SendMessageA(tooltip, TTM_SETDELAYTIME, TTDT_AUTOPOP, 32767);
  TTTOOLINFOA tool = {};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = control;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<char*>(text);
  SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageA(tooltip, TTM_SETTITLEA, 0, reinterpret_cast<LPARAM>("Info"));
}

}  // namespace

void RunBareTextFieldWindow() {
  HWND window = OpenBare("Bare", 260, 70);
  Control(window, "Static", "Text:", Label, 0, 10, 10, 100, 20, 1);
  Control(window, "Edit", "", Child | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 50, 10, 200, 20, 2);
  Control(window, "Button", "Hinzufügen", PushButton, 0, 40, 40, 100, 20, 3);
  Control(window, "Button", "Abbrechen", PushButton, 0, 150, 40, 100, 20, 4);
  ShowAndRun(window);
}

void RunBareChkdskWindow(int driveLines) {
  HWND window = OpenBare("Bare", 390, 250);
  Control(window, "Static", "Datenträger:", Label, 0, 10, 10, 100, 20, 1);
  HWND list = Control(window, "ComboBox", "",
                      Child | WS_BORDER | WS_VSCROLL | WS_TABSTOP | CBS_HASSTRINGS | CBS_DROPDOWNLIST,
                      WS_EX_CLIENTEDGE, 280, 10, 100, 350, 2);
  for (int line = 0; line < driveLines; ++line) {
    const char item[] = {static_cast<char>('C' + line), ':', '\\', ' ', '\0'};
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  }
  SendMessageA(list, CB_SETCURSEL, 0, 0);
  Control(window, "Button", "Parameter", Frame, 0, 10, 40, 370, 170, 3);
  for (int i = 0; i < 7; ++i)
    Control(window, "Button", "/x Schalter", Box, 0, 20, 60 + 20 * i, i == 6 ? 300 : 350, 20, 4 + i);
  Control(window, "Button", "Hinzufügen", PushButton, 0, 170, 220, 100, 20, 16);
  Control(window, "Button", "Abbrechen", PushButton, 0, 280, 220, 100, 20, 17);
  ShowAndRun(window);
}

void RunBareColorWindow() {
  // The two swatches the window shows.
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = info.bmiHeader.biHeight = 20;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP swatches[2] = {CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0),
                         CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0)};
  HWND window = OpenBare("Bare", 230, 100);
  Control(window, "Static", "Textfarbe:", Label, 0, 10, 10, 100, 20, 1);
  Control(window, "Static", "Hintergrundfarbe:", Label, 0, 10, 40, 100, 20, 2);
  for (int row = 0; row < 2; ++row) {
    const int y = 10 + 30 * row;
    Control(window, "Button", "<<", PushButton, 0, 160, y, 20, 20, 3 + 3 * row);
    HWND swatch = Control(window, "Static", "", WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_BITMAP, 0, 180, y, 20, 20,
                          4 + 3 * row);
    SendMessageA(swatch, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(swatches[row]));
    Control(window, "Button", ">>", PushButton, 0, 200, y, 20, 20, 5 + 3 * row);
  }
  Control(window, "Button", "Hinzufügen", PushButton, 0, 10, 70, 100, 20, 9);
  Control(window, "Button", "Abbrechen", PushButton, 0, 120, 70, 100, 20, 10);
  ShowAndRun(window);
  for (HBITMAP swatch : swatches) DeleteObject(swatch);
}

void RunBareXcopyWindow() {
  HWND window = OpenBare("Bare", 434, 490, 100, 100);
  Control(window, "Button", "Quelle", Frame, 0, 14, 15, 197, 215, 100);
  BareTree(window, 20, 35, 184, 186, 1);
  Control(window, "Button", "Ziel", Frame, 0, 223, 15, 197, 215, 2);
  BareTree(window, 230, 35, 184, 186, 3);
  Control(window, "Button", "XCOPY - Parameter", Frame, 0, 14, 250, 406, 184, 4);
  constexpr int ColumnOffsets[] = {0, 90, 150, 210, 270, 330};
  for (int i = 0; i < 25; ++i) {
    const int column = i / 4 < 6 ? i / 4 : 5;
    Control(window, "Button", "/X", Box | BS_CENTER, 0, 40 + ColumnOffsets[column], 280 + 30 * (i - 4 * column),
            i == 3 ? 80 : 35, 14, 5 + i);
  }
  Control(window, "Button", "Abbrechen", PushButton, 0, 335, 445, 84, 27, 30);
  Control(window, "Button", "Hinzufügen", PushButton, 0, 240, 445, 84, 27, 31);
  ShowAndRun(window);
}

void RunBareRobocopyWindow() {
  constexpr char Tip[] = "/X erklärt in einem oder zwei Sätzen, was der Schalter tut, wie die Tipps des Dialogs.";
  constexpr DWORD Field = Child | WS_TABSTOP | ES_AUTOHSCROLL;
  HWND window = OpenBare("Bare", 630, 510);
  for (int side = 0; side < 2; ++side) {
    Control(window, "Button", side ? "Ziel" : "Quelle", Frame, 0, 8 + 309 * side, 6, 305, 140, 1 + 2 * side);
    BareTree(window, 14 + 309 * side, 24, 293, 116, 2 + 2 * side);
    BareTip(window, GetDlgItem(window, 2 + 2 * side), Tip);
  }
  Control(window, "Static", "Dateien:", Label, 0, 10, 154, 52, 18, 5);
  BareTip(window, Control(window, "Edit", "", Field, WS_EX_CLIENTEDGE, 64, 152, 250, 18, 6), Tip);
  constexpr int Frames[][4] = {{8, 178, 160, 150}, {172, 178, 148, 166}, {324, 178, 298, 166}, {8, 330, 160, 70},
                               {172, 346, 450, 102}};
  for (int i = 0; i < 5; ++i) Control(window, "Button", "Rahmen", Frame, 0, Frames[i][0], Frames[i][1], Frames[i][2], Frames[i][3], 7 + i);
  // The boxes, ten of them with a field beside them and eight with a unit after it.
  for (int i = 0; i < 47; ++i) {
    const int x = 14 + (i % 4) * 150, y = 194 + (i / 4) * 16;
    const bool field = i < 10;
    BareTip(window, Control(window, "Button", "/X Schalter", Box, 0, x, y, field ? 60 : 136, 15, 20 + i), Tip);
    if (!field) continue;
    BareTip(window, Control(window, "Edit", "", Field, WS_EX_CLIENTEDGE, x + 60, y - 1, 44, 18, 120 + i), Tip);
    if (i < 8) Control(window, "Static", "Tage", Label, 0, x + 108, y + 1, 30, 15, 220 + i);
  }
  Control(window, "Static", "Protokolldatei:", Label, 0, 178, 428, 84, 15, 12);
  BareTip(window, Control(window, "Edit", "", Field, WS_EX_CLIENTEDGE, 264, 426, 350, 18, 13), Tip);
  Control(window, "Static", "", Label | SS_NOPREFIX | SS_ENDELLIPSIS, 0, 10, 450, 610, 18, 14);
  Control(window, "Button", "Hinzufügen", PushButton, 0, 443, 472, 84, 27, 15);
  Control(window, "Button", "Abbrechen", PushButton, 0, 538, 472, 84, 27, 16);
  ShowAndRun(window);
}

}  // namespace bench
