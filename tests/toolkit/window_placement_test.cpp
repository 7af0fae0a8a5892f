#include "toolkit/window_placement.h"

#include <gtest/gtest.h>

namespace toolkit {
namespace {

// The command dialogs' windows, centred and at the given corner, are
// checked on screen (library test); here what the screen does not show.
TEST(WindowPlacement, StyleAndPosition) {
  EXPECT_EQ(WindowStyleFromFlags(0xC80001), 0xC80000u) << "the centring bit is an option, not a style";
  struct Case {
    const char* what;
    int outerWidth, outerHeight;
    ScreenArea expected;
  };
  const Case cases[] = {
      // On a 1024 x 768 screen.
      {"odd remainders round down", 267, 96, {378, 336, 267, 96}},
      {"larger than the screen is limited to it", 2000, 900, {0, 0, 1024, 768}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PlaceWindow(0xC80001, 100, 100, c.outerWidth, c.outerHeight, 1024, 768), c.expected) << c.what;
}

}  // namespace
}  // namespace toolkit
