#include "commands/color_text.h"

#include <gtest/gtest.h>

#include "toolkit/colour.h"

namespace commands {
namespace {

TEST(ColorText, TableDigitsAndCommandLines) {
  EXPECT_EQ(toolkit::MakeColour(0, 0, 255), 0xFF0000u);
  EXPECT_EQ(toolkit::MakeColour(256, 0, 0), 0x000100u) << "components are not masked";
  EXPECT_EQ(ConsoleColourValue(2), 0x800000u);   // console blue
  EXPECT_EQ(ConsoleColourValue(5), 0x000080u);   // console red
  EXPECT_EQ(ConsoleColourValue(8), 0xC0C0C0u);
  EXPECT_EQ(ConsoleColourValue(13), 0x0000FFu);
  EXPECT_EQ(ConsoleColourValue(16), 0xFFFFFFu);
  EXPECT_EQ(ColorCommandText(10, 16), "color 9F");
  EXPECT_EQ(ColorCommandText(1, 16), "color 0F");
  EXPECT_EQ(ColorCommandText(11, 12), "color AB") << "upper case";
  for (int background = FirstColour; background <= LastColour; ++background)
    EXPECT_EQ(ColorCommandText(background, 1).size(), 8u);
}

}  // namespace
}  // namespace commands
