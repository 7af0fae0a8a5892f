// brindle.exe's command line.
#include <gtest/gtest.h>

#include "hosts/brindle/arguments.h"

namespace {

using brindle::Arguments;
using brindle::ParseArguments;

TEST(BrindleArguments, CommandsAndOptions) {
  const Arguments two = ParseArguments({"-n", "ECHO", "--oem", "xcopy"});
  EXPECT_EQ(two.mode, Arguments::Mode::Run);
  EXPECT_EQ(two.commands, (std::vector<std::string>{"echo", "xcopy"}));
  EXPECT_FALSE(two.finalLineBreak);
  EXPECT_TRUE(two.consoleCodePage);

  // --list and /? alone are run in Brindle.ListHelpAndWrongUsage.
  EXPECT_EQ(ParseArguments({"echo", "-h"}).mode, Arguments::Mode::Help);
  EXPECT_EQ(ParseArguments({"--", "title"}).commands, (std::vector<std::string>{"title"}));

  // A line past cmd.exe's limit is refused before it is looked at.
  const std::string longest = "echo " + std::string(8186, 'x'), tooLong = longest + "x";
  EXPECT_EQ(ParseArguments({"--edit", longest}).lines, std::vector<std::string>{longest});
  const Arguments refused = ParseArguments({"--edit", tooLong, "dir"});
  EXPECT_EQ(refused.mode, Arguments::Mode::LineTooLong);
  EXPECT_EQ(refused.refusedLength, 8192u);

  for (const auto& wrong : std::vector<std::vector<std::string_view>>{{}, {"-n"}, {"dir"}, {"--", "-n"}, {"-x", "echo"}}) {
    const Arguments parsed = ParseArguments(wrong);
    EXPECT_EQ(parsed.mode, Arguments::Mode::Wrong);
    EXPECT_FALSE(parsed.problem.empty());
  }
}

}  // namespace
