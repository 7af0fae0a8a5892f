#include "tests/support/window_search.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include "tests/support/tree_view.h"

namespace support {

namespace {

BOOL CALLBACK CollectOfThisProcess(HWND window, LPARAM found) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId()) reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  return TRUE;
}

BOOL CALLBACK Count(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

// The top-level windows of this process.
std::vector<HWND> TopLevelWindows() {
  std::vector<HWND> found;
  EnumWindows(CollectOfThisProcess, reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace

std::vector<HWND> Tooltips(HWND owner) {
  std::vector<HWND> found;
  for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, TOOLTIPS_CLASSA, nullptr));)
    if (GetWindow(window, GW_OWNER) == owner) found.push_back(window);
  return found;
}

Tool ReadTool(HWND tooltip) {
  Tool tool;
  tool.info.cbSize = sizeof tool.info;
  SendMessageA(tooltip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&tool.info));
  // The ANSI message reads 80 bytes at most; the wide one takes a length.
  wchar_t wide[1024] = {};
  TTTOOLINFOW query = {};
  query.cbSize = sizeof query;
  query.hwnd = tool.info.hwnd;
  query.uId = tool.info.uId;
  query.lpszText = wide;
  SendMessageW(tooltip, TTM_GETTEXTW, 1024, reinterpret_cast<LPARAM>(&query));
  char text[2048] = {};
  WideCharToMultiByte(1252, 0, wide, -1, text, sizeof text, nullptr, nullptr);
  tool.text = text;
  return tool;
}

HWND WaitForChooser(DWORD timeoutMs) { return WaitForDialog(nullptr, timeoutMs, 0, "#32770"); }

std::string ChooserSelection(HWND chooser) {
  HWND tree = GetDlgItem(chooser, 14145);  // the shell's folder tree in the chooser
  return Label(tree, Selected(tree));
}

namespace {

// The item under `from` (searched through what is already listed) whose label
// is `label`, or holds it in parentheses for a drive: "Daten (D:)".
HTREEITEM Listed(HWND tree, HTREEITEM from, const std::string& label) {
  for (HTREEITEM item = Next(tree, from, TVGN_CHILD); item; item = Next(tree, item, TVGN_NEXT)) {
    const std::string text = Label(tree, item);
    if (text == label || text.find("(" + label + ")") != std::string::npos) return item;
    if (HTREEITEM found = Listed(tree, item, label)) return found;
  }
  return nullptr;
}

// The folder clicked in the chooser's tree, as a user does.
void ClickListed(HWND tree, const std::string& path) {
  const size_t cut = path.rfind('\\');
  const std::string parent = path.substr(0, cut);
  if (HTREEITEM parentItem = Listed(tree, nullptr, parent.substr(parent.rfind('\\') + 1))) {
    Expand(tree, parentItem);
    if (HTREEITEM item = Child(tree, parentItem, path.substr(cut + 1))) Select(tree, item);
  }
}

}  // namespace

void AnswerChooser(HWND chooser, int button, const wchar_t* folder) {
  if (folder) {
    // Chosen as a user would, until the chooser's own tree shows the folder
    // selected: Wine 8's chooser may still put its initial folder over a
    // selection made at once, and now and then does not find a folder made
    // just before it opened, which its tree lists all the same.
    const std::wstring path = folder, leaf = path.substr(path.rfind(L'\\') + 1);
    HWND tree = GetDlgItem(chooser, 14145);
    const auto selected = [&] {
      wchar_t label[MAX_PATH] = {};
      TVITEMW item = {};
      item.mask = TVIF_TEXT | TVIF_HANDLE;
      item.hItem = Selected(tree);
      item.pszText = label;
      item.cchTextMax = MAX_PATH;
      return item.hItem && SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)) &&
             std::wstring(label).find(leaf) != std::wstring::npos;
    };
    // Each selection reads the folders on its way: given time to show before
    // the next, so that a busy machine is not flooded with them.
    char narrowPath[MAX_PATH * 2] = {};
    WideCharToMultiByte(CP_ACP, 0, folder, -1, narrowPath, sizeof narrowPath, nullptr, nullptr);
    const bool chosen = WaitUntil([&] {
      SendMessageW(chooser, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(folder));
      if (WaitUntil(selected, 1000)) return true;
      ClickListed(tree, narrowPath);
      return WaitUntil(selected, 1000);
    });
    if (!chosen) {
      ADD_FAILURE() << "the chooser did not select the folder; it shows " << Label(tree, Selected(tree));
      button = IDCANCEL;  // closed all the same, so that the dialog can end
    }
  }
  PostMessageA(GetDlgItem(chooser, button), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitForWindowGone(chooser)) << "the chooser stays open";
}

RECT RectInParent(HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

HWND ChildWithText(HWND parent, const std::string& text) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (WindowText(child) == text) return child;
  return nullptr;
}

int VisibleWindows() {
  int count = 0;
  for (HWND window : TopLevelWindows()) count += IsWindowVisible(window) ? 1 : 0;
  return count;
}

int ProcessWindows() {
  int count = 0;
  for (HWND window : TopLevelWindows()) {
    ++count;
    EnumChildWindows(window, Count, reinterpret_cast<LPARAM>(&count));
  }
  return count;
}

}  // namespace support
