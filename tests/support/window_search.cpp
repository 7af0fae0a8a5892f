#include "tests/support/window_search.h"

#include <gtest/gtest.h>
#include <shlobj.h>


#include "tests/support/tree_view.h"

namespace support {

namespace {

bool OfThisProcess(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process == GetCurrentProcessId();
}

bool HasClass(HWND window, const char* className) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return lstrcmpiA(name, className) == 0;
}

// Calls `each` for every window of this process (children with
// `children`), or for every descendant of `parent`.
template <class Each>
struct Walk {
  Each& each;
  bool children;
  static BOOL CALLBACK Child(HWND window, LPARAM walk) {
    reinterpret_cast<Walk*>(walk)->each(window);
    return TRUE;
  }
  static BOOL CALLBACK TopLevel(HWND window, LPARAM walk) {
    auto* w = reinterpret_cast<Walk*>(walk);
    if (!OfThisProcess(window)) return TRUE;
    w->each(window);
    if (w->children) EnumChildWindows(window, Child, walk);
    return TRUE;
  }
};

template <class Each>
void ForProcessWindows(bool children, Each each) {
  Walk<Each> walk{each, children};
  EnumWindows(Walk<Each>::TopLevel, reinterpret_cast<LPARAM>(&walk));
}

template <class Each>
void ForChildWindows(HWND parent, Each each) {
  Walk<Each> walk{each, true};
  EnumChildWindows(parent, Walk<Each>::Child, reinterpret_cast<LPARAM>(&walk));
}

}  // namespace

std::vector<HWND> Tooltips(HWND owner) {
  std::vector<HWND> found;
  ForProcessWindows(false, [&](HWND window) {
    if (GetWindow(window, GW_OWNER) == owner && HasClass(window, TOOLTIPS_CLASSA)) found.push_back(window);
  });
  return found;
}

Tool ReadTool(HWND tooltip) {
  Tool tool;
  tool.tooltip = tooltip;
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

HWND WaitForChooser(DWORD timeoutMs) {
  HWND chooser = nullptr;
  WaitUntil([&] {
    ForProcessWindows(false, [&](HWND window) {
      if (IsWindowVisible(window) && HasClass(window, "#32770")) chooser = window;
    });
    return chooser != nullptr;
  }, timeoutMs);
  DWORD_PTR ignored;
  if (chooser && !SendMessageTimeoutA(chooser, WM_NULL, 0, 0, SMTO_NORMAL, PatienceMs, &ignored)) return nullptr;
  return chooser;
}

std::string ChooserSelection(HWND chooser) {
  HWND tree = GetDlgItem(chooser, 14145);  // the shell's folder tree in the chooser
  return Label(tree, Selected(tree));
}

void AnswerChooser(HWND chooser, int button, const wchar_t* folder, const std::function<void()>& meanwhile) {
  if (folder) SendMessageW(chooser, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(folder));
  if (meanwhile) meanwhile();
  PostMessageA(GetDlgItem(chooser, button), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitForWindowGone(chooser)) << "the chooser stays open";
}

HWND ChildWithText(HWND parent, const std::string& text) {
  HWND found = nullptr;
  ForChildWindows(parent, [&](HWND child) {
    if (!found && WindowText(child) == text) found = child;
  });
  return found;
}

int VisibleWindows() {
  int count = 0;
  ForProcessWindows(false, [&](HWND window) { count += IsWindowVisible(window) ? 1 : 0; });
  return count;
}

int ProcessWindows() {
  int count = 0;
  ForProcessWindows(true, [&](HWND) { ++count; });
  return count;
}

}  // namespace support
