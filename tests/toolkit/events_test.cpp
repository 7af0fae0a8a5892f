// What the toolkit's wait reports: every way of closing a window, the
// window callback first, the host's own messages; and the keyboard: Tab and
// Shift+Tab move the focus, Enter and Escape mean nothing.
#include <gtest/gtest.h>

#include "tests/support/toolkit_fixture.h"
#include "tests/support/user_input.h"

namespace {

using namespace support;
using Events = std::vector<RecordedEvent>;
namespace event = toolkit::event;

using WindowEvents = ToolkitTest;

TEST_F(WindowEvents, EveryWayOfClosingReportsCloseOnceAndTheWindowStays) {
  ClickAt(CloseBoxPoint(handle_));
  EXPECT_EQ(PumpEvents(), (Events{{event::Close}})) << "close box";
  PressKey(VK_F4, {VK_MENU});
  EXPECT_EQ(PumpEvents(), (Events{{event::Close}})) << "Alt+F4";
  PostMessageA(handle_, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(PumpEvents(), (Events{{event::Close}})) << "system menu";
  // A posted WM_CLOSE is reported once, not as its identifier 16 and again
  // as the close event it queued, which would end the next dialog at once.
  PostMessageA(handle_, WM_CLOSE, 0, 0);
  EXPECT_EQ(PumpEvents(), (Events{{event::Close}})) << "posted WM_CLOSE";
  EXPECT_TRUE(IsWindowVisible(handle_));
  EXPECT_EQ(toolkit::EventWindow(), window_);
}

LRESULT SwallowSecondClose(HWND, UINT message, WPARAM, LPARAM) {
  static int closes = 0;
  if (message == WM_CLOSE && ++closes > 1) return 0;
  return LRESULT(toolkit::NotHandled);
}

TEST_F(WindowEvents, WindowCallbackSeesMessagesFirst) {
  toolkit::SetWindowCallback(SwallowSecondClose);
  PostMessageA(handle_, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(PumpEvents(), (Events{{event::Close}})) << "not handled: the toolkit goes on";
  PostMessageA(handle_, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(PumpEvents(), Events{}) << "handled: the message stops at the callback";
}

// Other messages of the thread are dispatched (a timer's calls its
// procedure) and come back as their identifiers.
int ticks = 0;
void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD) { ++ticks; }

TEST_F(WindowEvents, WaitLimitsAndOtherMessages) {
  PumpEvents();
  EXPECT_EQ(toolkit::WaitEvent(0), event::None);
  const UINT_PTR timer = SetTimer(nullptr, 0, 10, CountTick);
  EXPECT_EQ(toolkit::WaitEvent(-1), WM_TIMER);
  KillTimer(nullptr, timer);
  EXPECT_EQ(ticks, 1);
  PostQuitMessage(3);
  EXPECT_EQ(toolkit::WaitEvent(-1), WM_QUIT) << "a quit message is returned like any other";
  EXPECT_EQ(toolkit::EventMessageWParam(), 3u);
}

class Keyboard : public ToolkitTest {
 protected:
  // In creation order: label 1, field 2, frame 5, check box 6, disabled
  // button 7, combo box 8, button 3.
  void SetUp() override {
    ToolkitTest::SetUp();
    toolkit::CreateTextLabel(1, 10, 10, 100, 20, "Text:", 0);
    toolkit::CreateStringField(2, 50, 10, 200, 20, "", 0);
    toolkit::CreateFrame(5, 5, 35, 290, 100, "Rahmen", 0);
    toolkit::CreateCheckBox(6, 10, 55, 100, 20, "/f", 0);
    toolkit::CreateButton(7, 120, 55, 100, 20, "aus", 0);
    toolkit::DisableGadget(7, 1);
    toolkit::CreateComboBox(8, 10, 85, 120, 21, 0);
    toolkit::CreateButton(3, 150, 150, 100, 20, "Hinzufügen", 0);
    PumpEvents();
  }

  // The gadget that has the focus, or -1.
  int Focused() {
    HWND focus = GetFocus();
    return focus && GetParent(focus) == handle_ ? GetDlgCtrlID(focus) : -1;
  }

  std::vector<int> Walk(int presses, std::initializer_list<WORD> modifiers) {
    std::vector<int> focused;
    for (int i = 0; i < presses; ++i) {
      PressKey(VK_TAB, modifiers);
      PumpEvents();
      focused.push_back(Focused());
    }
    return focused;
  }
};

// Tab from no focus starts at the first stop; both ways skip what cannot
// take the focus, and wrap.
TEST_F(Keyboard, TabWalksTabStopsInCreationOrderAndShiftTabBack) {
  ASSERT_EQ(Focused(), -1) << "opening a window focuses no gadget";
  EXPECT_EQ(Walk(5, {}), (std::vector<int>{2, 6, 8, 3, 2}));
  EXPECT_EQ(Walk(5, {VK_SHIFT}), (std::vector<int>{3, 8, 6, 2, 3}));
}

TEST_F(Keyboard, EnterAndEscapeNeitherPressNorClose) {
  for (int focused : {2, 3}) {  // in the field and on the button
    SetFocus(toolkit::GadgetHandle(focused));
    PumpEvents();
    for (WORD key : {VK_RETURN, VK_ESCAPE}) {
      PressKey(key);
      for (const RecordedEvent& e : PumpEvents())
        EXPECT_TRUE(e.kind == event::Gadget && e.gadget == 2) << ::testing::PrintToString(e);
    }
  }
  EXPECT_TRUE(IsWindowVisible(handle_));
}

}  // namespace
