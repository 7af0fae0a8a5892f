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

  for (const auto& wrong : std::vector<std::vector<std::string_view>>{{}, {"-n"}, {"dir"}, {"--", "-n"}, {"-x", "echo"}}) {
    const Arguments parsed = ParseArguments(wrong);
    EXPECT_EQ(parsed.mode, Arguments::Mode::Wrong);
    EXPECT_FALSE(parsed.problem.empty());
  }
}

}  // namespace
