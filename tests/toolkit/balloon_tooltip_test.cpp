// Balloon tooltips outside the xcopy dialog's uses: without a title, on a
// number without a gadget, and with texts the caller reuses at once.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <string>

#include "tests/support/toolkit_fixture.h"
#include "tests/support/window_search.h"
#include "toolkit/balloon_tooltip.h"

namespace {

int titlesSent = 0;

LRESULT CALLBACK CountTitles(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && reinterpret_cast<const CWPSTRUCT*>(lParam)->message == TTM_SETTITLEA) ++titlesSent;
  return CallNextHookEx(nullptr, code, wParam, lParam);
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
  EXPECT_EQ(titlesSent, 0) << "no title, and the icon is not used";
  toolkit::AttachBalloonTooltip(handle_, 2, "Zwei", "Info", 0);
  EXPECT_EQ(titlesSent, 1);
  toolkit::AttachBalloonTooltip(handle_, 77, "ohne Gadget", "Info", 0);
  UnhookWindowsHookEx(hook);

  const std::vector<HWND> tips = support::Tooltips(handle_);
  std::map<HWND, std::string> texts;  // by the tool's window
  for (HWND tip : tips) texts[support::ReadTool(tip).info.hwnd] = support::ReadTool(tip).text;
  EXPECT_EQ(texts, (std::map<HWND, std::string>{
                       {toolkit::GadgetHandle(1), "A & B"}, {toolkit::GadgetHandle(2), "Zwei"}, {nullptr, "ohne Gadget"}}))
      << "a window each; a number without a gadget: a tool without a window";

  // The tooltips go with their dialog.
  toolkit::CloseWindow(window_);
  window_ = 0;
  for (HWND tip : tips) EXPECT_FALSE(IsWindow(tip));
}

}  // namespace
