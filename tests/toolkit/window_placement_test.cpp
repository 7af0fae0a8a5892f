#include "toolkit/window_placement.h"

#include <gtest/gtest.h>

#include "toolkit/constants.h"

namespace toolkit {
namespace {

TEST(WindowPlacement, StyleAndShowModeFromFlags) {
  struct Case {
    std::uint32_t flags, style;
    ShowMode mode;
  };
  const Case cases[] = {
      // The command dialogs' 0xC80001 is checked on screen (library test).
      {0xC80000, 0xC80000, ShowMode::Normal},   // placed at a position
      {0xC8000B, 0xC80000, ShowMode::Normal},   // every option bit stripped
      {0x10C80001, 0xC80000, ShowMode::Hidden}, // hidden bit is an option, not WS_VISIBLE
      {0x01C80000, 0x01C80000, ShowMode::Maximised},
      {0x20C80000, 0x20C80000, ShowMode::Minimised},
      {0x31C80000, 0x21C80000, ShowMode::Hidden},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WindowStyleFromFlags(c.flags), c.style) << std::hex << c.flags;
    EXPECT_EQ(ShowModeFromFlags(c.flags), c.mode) << std::hex << c.flags;
  }
}

TEST(WindowPlacement, Positions) {
  const ScreenArea active{100, 50, 400, 300};
  struct Case {
    const char* what;
    std::uint32_t flags;
    int outerWidth, outerHeight;
    const ScreenArea* active;
    ScreenArea expected;
  };
  const Case cases[] = {
      // On a 1024 x 768 screen; centred and at the given corner are checked
      // on screen (library test).
      {"odd remainders round down", 0xC80001, 267, 96, nullptr, {378, 336, 267, 96}},
      {"larger than the screen is limited to it", 0xC80001, 2000, 900, nullptr, {0, 0, 1024, 768}},
      {"centred on the active window", 0xC80002, 200, 100, &active, {200, 150, 200, 100}},
      {"no active window: at the given corner", 0xC80002, 200, 100, nullptr, {100, 100, 200, 100}},
      {"screen centring wins", 0xC80003, 266, 95, &active, {379, 336, 266, 95}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PlaceWindow(c.flags, 100, 100, c.outerWidth, c.outerHeight, 1024, 768, c.active), c.expected) << c.what;
}

}  // namespace
}  // namespace toolkit
