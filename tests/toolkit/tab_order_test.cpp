#include "toolkit/tab_order.h"

#include <gtest/gtest.h>

namespace toolkit {
namespace {

using Index = std::optional<std::size_t>;
constexpr auto Forward = TabDirection::Forward;
constexpr auto Backward = TabDirection::Backward;

TEST(TabOrder, WalksAndWraps) {
  struct Case {
    const char* what;
    std::vector<bool> canTakeFocus;
    Index current;
    TabDirection direction;
    Index expected;
  };
  // The echo dialog: label, field, two buttons. The walks of a dialog with a
  // focus, both ways, are Keyboard.TabWalksTabStopsInCreationOrderAndShiftTabBack.
  const std::vector<bool> echo = {false, true, true, true};
  const Case cases[] = {
      {"no focus: Shift+Tab goes to the last", echo, std::nullopt, Backward, 3},
      {"focus on a gadget that cannot take it (the label)", echo, 0, Forward, 1},
      {"a lone candidate keeps the focus", {false, true, false}, 1, Forward, 1},
      {"a lone candidate, backwards", {false, true, false}, 1, Backward, 1},
      {"nothing can take the focus", {false, false}, std::nullopt, Forward, std::nullopt},
      {"no gadgets at all", {}, std::nullopt, Backward, std::nullopt},
      {"a stale index counts as no focus", echo, 9, Forward, 1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(NextTabStop(c.canTakeFocus, c.current, c.direction), c.expected) << c.what;
}

}  // namespace
}  // namespace toolkit
