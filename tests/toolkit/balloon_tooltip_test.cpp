// Balloon tooltips outside the xcopy dialog's uses: without a title, on a
// number without a gadget, and with texts the caller reuses at once.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "tests/support/toolkit_fixture.h"
#include "toolkit/balloon_tooltip.h"

namespace {

int titlesSent = 0;

LRESULT CALLBACK CountTitles(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && reinterpret_cast<const CWPSTRUCT*>(lParam)->message == TTM_SETTITLEA) ++titlesSent;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

HWND NewestTooltip(HWND owner) {
  for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (GetWindow(window, GW_OWNER) == owner && lstrcmpiA(className, TOOLTIPS_CLASSA) == 0) return window;
  }
  return nullptr;
}

std::pair<HWND, std::string> ToolOf(HWND tooltip) {
  TTTOOLINFOA tool = {};
  tool.cbSize = sizeof tool;
  char text[1024] = {};  // Wine copies up to 1024 bytes here
  tool.lpszText = text;
  if (!SendMessageA(tooltip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&tool))) return {};
  return {tool.hwnd, text};
}

using BalloonTooltips = support::ToolkitTest;

TEST_F(BalloonTooltips, EachGadgetGetsItsOwnWindowAndAnEmptyTitleSetsNone) {
  toolkit::CreateCheckBox(1, 10, 10, 80, 20, "eins", 0);
  toolkit::CreateCheckBox(2, 10, 40, 80, 20, "zwei", 0);
  HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, CountTitles, nullptr, GetCurrentThreadId());
  titlesSent = 0;
  std::string text = "A & B";
  EXPECT_EQ(toolkit::AttachBalloonTooltip(handle_, 1, text.c_str(), "", 1), 0);
  text = "overwritten at once";  // the tooltip keeps its own copy
  HWND first = NewestTooltip(handle_);
  EXPECT_EQ(titlesSent, 0) << "no title, and the icon is not used";
  toolkit::AttachBalloonTooltip(handle_, 2, "Zwei", "Info", 0);
  HWND second = NewestTooltip(handle_);
  EXPECT_EQ(titlesSent, 1);
  toolkit::AttachBalloonTooltip(handle_, 77, "ohne Gadget", "Info", 0);
  HWND orphan = NewestTooltip(handle_);
  UnhookWindowsHookEx(hook);

  ASSERT_TRUE(first && second && orphan);
  EXPECT_NE(first, second);
  EXPECT_EQ(ToolOf(first), std::make_pair(toolkit::GadgetHandle(1), std::string("A & B")));
  EXPECT_EQ(ToolOf(second), std::make_pair(toolkit::GadgetHandle(2), std::string("Zwei")));
  EXPECT_EQ(ToolOf(orphan).first, nullptr) << "a number without a gadget: a tool without a window";

  // The tooltips go with their dialog.
  toolkit::CloseWindow(window_);
  window_ = 0;
  EXPECT_FALSE(IsWindow(first) || IsWindow(second) || IsWindow(orphan));
}

}  // namespace
