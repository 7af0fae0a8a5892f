#include "commands/title_text.h"

#include <gtest/gtest.h>

namespace commands {
namespace {

TEST(TitleText, OnlyTheBlankIsRemovedByTheRule) {
  EXPECT_EQ(BlankFreeText(""), "");
  EXPECT_EQ(BlankFreeText("     "), "");
  EXPECT_EQ(BlankFreeText(" x "), "x");
  EXPECT_EQ(BlankFreeText("\t"), "\t");            // a tab counts
  EXPECT_EQ(BlankFreeText("\xA0"), "\xA0");        // so does a no-break space
  EXPECT_EQ(TitleCommandText(" x"), "title  x");   // two blanks after the word
  EXPECT_EQ(TitleCommandText("Build "), "title Build ");
}

}  // namespace
}  // namespace commands
