// Gadgets as the user meets them: a combo box as high as asked (its
// selection field sized from the height measured with a field of 15).
#include <gtest/gtest.h>

#include "tests/support/toolkit_fixture.h"

namespace {

using Gadgets = support::ToolkitTest;

TEST_F(Gadgets, ComboBoxClosedHeightIsTheHeightArgument) {
  for (int height : {18, 21, 30}) {
    ASSERT_EQ(toolkit::CreateComboBox(4, 10, 10, 120, height, 0), 1);
    RECT r;
    GetWindowRect(toolkit::GadgetHandle(4), &r);
    EXPECT_EQ(r.bottom - r.top, height);
  }
}

}  // namespace
