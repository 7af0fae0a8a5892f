// Gadgets as the user meets them: a combo box as high as asked, a disabled
// button that cannot be pressed.
#include <gtest/gtest.h>

#include "tests/support/toolkit_fixture.h"
#include "tests/support/user_input.h"

namespace {

using support::PumpEvents;
using support::RecordedEvent;
using Gadgets = support::ToolkitTest;
namespace event = toolkit::event;

TEST_F(Gadgets, ComboBoxClosedHeightIsTheHeightArgument) {
  for (int height : {18, 21, 30}) {
    ASSERT_EQ(toolkit::CreateComboBox(4, 10, 10, 120, height, 0), 1);
    RECT r;
    GetWindowRect(toolkit::GadgetHandle(4), &r);
    EXPECT_EQ(r.bottom - r.top, height);
  }
}

TEST_F(Gadgets, DisabledGadgetsAreGreyedAndEnabledAgain) {
  ASSERT_EQ(toolkit::CreateButton(3, 10, 10, 100, 20, "Hinzufügen", 0), 1);
  toolkit::DisableGadget(3, 1);
  EXPECT_FALSE(IsWindowEnabled(toolkit::GadgetHandle(3)));
  support::Click(toolkit::GadgetHandle(3));
  EXPECT_EQ(PumpEvents(), std::vector<RecordedEvent>{}) << "a disabled button cannot be pressed";
  toolkit::DisableGadget(3, 0);
  EXPECT_TRUE(IsWindowEnabled(toolkit::GadgetHandle(3)));
  support::Click(toolkit::GadgetHandle(3));
  EXPECT_EQ(PumpEvents(), (std::vector<RecordedEvent>{{event::Gadget, 3, toolkit::event_type::Pressed}}));
}

}  // namespace
