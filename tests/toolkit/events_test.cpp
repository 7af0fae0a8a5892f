// Gadget events as the wait reports them, and the keyboard: Tab and
// Shift+Tab move the focus, Enter and Escape mean nothing.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/toolkit_fixture.h"
#include "tests/support/user_input.h"

namespace {

using namespace support;
using Events = std::vector<RecordedEvent>;
namespace event = toolkit::event;
namespace event_type = toolkit::event_type;

bool Has(const Events& events, RecordedEvent wanted) {
  return std::find(events.begin(), events.end(), wanted) != events.end();
}

class Keyboard : public support::ToolkitTest {
 protected:
  // In creation order: label 1, field 2, frame 5, check box 6, disabled
  // button 7, editable combo box 8, button 3.
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

  // The gadget that has the focus (the combo box for its text field), or -1.
  int Focused() {
    for (HWND focus = GetFocus(); focus; focus = GetParent(focus))
      if (GetParent(focus) == handle_) return GetDlgCtrlID(focus);
    return -1;
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

TEST_F(Keyboard, StringFieldReportsFocusAndItsOwnNotifications) {
  PressKey(VK_TAB);
  EXPECT_TRUE(Has(PumpEvents(), {event::Gadget, 2, event_type::FocusGained}));
  TypeText("ü");
  EXPECT_TRUE(Has(PumpEvents(), {event::Gadget, 2, EN_CHANGE}));
  EXPECT_EQ(toolkit::GetGadgetText(2), "\xFC");
  PressKey(VK_TAB);
  EXPECT_TRUE(Has(PumpEvents(), {event::Gadget, 2, event_type::FocusLost}));
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
