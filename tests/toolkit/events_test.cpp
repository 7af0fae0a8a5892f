// Gadget events as the wait reports them, and the keyboard: Tab and
// Shift+Tab move the focus, Enter and Escape mean nothing.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/toolkit_fixture.h"
#include "tests/support/user_input.h"

namespace {

using support::PumpEvents;
using support::RecordedEvent;
namespace event = toolkit::event;
namespace event_type = toolkit::event_type;

class Keyboard : public support::ToolkitTest {
 protected:
  // Gadgets in creation order: label 1, field 2, frame 5, check box 6,
  // disabled button 7, editable combo box 8, button 3.
  void SetUp() override {
    support::ToolkitTest::SetUp();
    toolkit::CreateTextLabel(1, 10, 10, 100, 20, "Text:", 0);
    toolkit::CreateStringField(2, 50, 10, 200, 20, "", 0);
    toolkit::CreateFrame(5, 5, 35, 290, 100, "Rahmen", 0);
    toolkit::CreateCheckBox(6, 10, 55, 100, 20, "/f", 0);
    toolkit::CreateButton(7, 120, 55, 100, 20, "aus", 0);
    toolkit::DisableGadget(7, 1);
    toolkit::CreateComboBox(8, 10, 85, 120, 21, toolkit::gadget_flag::Editable);
    toolkit::CreateButton(3, 150, 150, 100, 20, "Hinzufügen", 0);
    PumpEvents();
  }

  // The gadget that has the focus, or -1.
  int Focused() {
    for (HWND focus = GetFocus(); focus; focus = GetParent(focus))
      if (GetParent(focus) == handle_) return GetDlgCtrlID(focus);
    return -1;
  }

  std::vector<int> Walk(int presses, std::initializer_list<WORD> modifiers) {
    std::vector<int> focused;
    for (int i = 0; i < presses; ++i) {
      support::PressKey(VK_TAB, modifiers);
      PumpEvents();
      focused.push_back(Focused());
    }
    return focused;
  }
};

TEST_F(Keyboard, TabWalksTabStopsInCreationOrderAndWraps) {
  ASSERT_EQ(Focused(), -1) << "opening a window focuses no gadget";
  EXPECT_EQ(Walk(5, {}), (std::vector<int>{2, 6, 8, 3, 2}));
}

TEST_F(Keyboard, ShiftTabWalksBackAndStartsAtTheLast) {
  EXPECT_EQ(Walk(5, {VK_SHIFT}), (std::vector<int>{3, 8, 6, 2, 3}));
}

TEST_F(Keyboard, EnabledAgainTheButtonIsATabStopAgain) {
  toolkit::DisableGadget(7, 0);
  EXPECT_EQ(Walk(4, {}), (std::vector<int>{2, 6, 7, 8}));
}

TEST_F(Keyboard, StringFieldReportsFocusGainedAndLost) {
  support::PressKey(VK_TAB);
  const std::vector<RecordedEvent> into = PumpEvents();
  EXPECT_NE(std::find(into.begin(), into.end(), RecordedEvent{event::Gadget, 2, event_type::FocusGained}),
            into.end())
      << support::Describe(into);
  support::PressKey(VK_TAB);
  const std::vector<RecordedEvent> out = PumpEvents();
  EXPECT_NE(std::find(out.begin(), out.end(), RecordedEvent{event::Gadget, 2, event_type::FocusLost}),
            out.end())
      << support::Describe(out);
}

TEST_F(Keyboard, TypingReportsTheFieldsOwnNotifications) {
  SetFocus(toolkit::GadgetHandle(2));
  PumpEvents();
  support::TypeText("ü");
  const std::vector<RecordedEvent> events = PumpEvents();
  EXPECT_NE(std::find(events.begin(), events.end(), RecordedEvent{event::Gadget, 2, EN_CHANGE}),
            events.end())
      << support::Describe(events);
  EXPECT_EQ(toolkit::GetGadgetText(2), "\xFC");
}

TEST_F(Keyboard, EnterAndEscapeNeitherPressNorClose) {
  SetFocus(toolkit::GadgetHandle(2));
  PumpEvents();
  for (WORD key : {VK_RETURN, VK_ESCAPE}) {
    support::PressKey(key);
    for (const RecordedEvent& e : PumpEvents()) {
      EXPECT_NE(e.kind, event::Close);
      EXPECT_FALSE(e.kind == event::Gadget && e.gadget == 3) << support::Describe(e);
    }
  }
  SetFocus(toolkit::GadgetHandle(3));
  PumpEvents();
  for (WORD key : {VK_RETURN, VK_ESCAPE}) {
    support::PressKey(key);
    EXPECT_EQ(PumpEvents(), std::vector<RecordedEvent>{}) << "on the focused button too";
  }
  EXPECT_TRUE(IsWindowVisible(handle_));
}

TEST_F(Keyboard, SpaceOnAFocusedButtonPressesIt) {
  SetFocus(toolkit::GadgetHandle(3));
  PumpEvents();
  support::PressKey(VK_SPACE);
  EXPECT_EQ(PumpEvents(), (std::vector<RecordedEvent>{{event::Gadget, 3, event_type::Pressed}}));
}

using GadgetEvents = support::ToolkitTest;

TEST_F(GadgetEvents, PrivateGadgetMessageBecomesAGadgetEvent) {
  PostMessageA(handle_, toolkit::GadgetEventMessage, 9, 768);
  EXPECT_EQ(toolkit::WaitEvent(1000), event::Gadget);
  EXPECT_EQ(toolkit::EventGadget(), 9);
  EXPECT_EQ(toolkit::EventType(), 768);
  EXPECT_EQ(toolkit::EventWindow(), window_);
  EXPECT_EQ(PumpEvents(), std::vector<RecordedEvent>{});
}

TEST_F(GadgetEvents, QueuedEventsComeFirstAndKeepTheLastGadget) {
  toolkit::CreateButton(3, 10, 10, 100, 20, "b", 0);
  PumpEvents();
  support::Click(toolkit::GadgetHandle(3));
  EXPECT_EQ(PumpEvents(), (std::vector<RecordedEvent>{{event::Gadget, 3, 0}}));
  SetWindowPos(handle_, nullptr, 30, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_EQ(toolkit::WaitEvent(0), event::WindowMoved);
  EXPECT_EQ(toolkit::EventType(), event_type::None) << "a window event sets no type";
  EXPECT_EQ(toolkit::EventGadget(), 3) << "and leaves the event gadget as it was";
}

TEST_F(GadgetEvents, ForeignControlsProduceNoGadgetEvents) {
  toolkit::CreateButton(3, 10, 10, 100, 20, "b", 0);
  // A host-made child control that is no gadget produces no gadget event.
  HWND foreign = CreateWindowExA(0, "Button", "fremd", WS_CHILD | WS_VISIBLE, 10, 40, 100, 20,
                                 handle_, reinterpret_cast<HMENU>(3), nullptr, nullptr);
  PumpEvents();
  support::Click(foreign);
  EXPECT_EQ(PumpEvents(), std::vector<RecordedEvent>{});
  DestroyWindow(foreign);
}

}  // namespace
