#include "plugin/help_argument.h"

#include <gtest/gtest.h>

#include <cstring>

namespace plugin {
namespace {

TEST(HelpArgument, EachCommandsTopicWithOneBackslashBetweenDirectoryAndTopic) {
  struct Case {
    std::string directory, word, expected;
  };
  const Case cases[] = {
      {"C:\\Eigene Dateien", "title", "C:\\Eigene Dateien\\Hilfe.chm::/title.htm"},  // never quoted
      {"D:\\", "chkdsk", "D:\\Hilfe.chm::/chkdsk.htm"},  // a drive root gets no second one
      {"", "color", "Hilfe.chm::/color.htm"},  // unreadable directory: the topic alone
      {"C:\\", "echo", "C:\\Hilfe.chm::/echo.htm"},
      {"C:\\", "xcopy", "C:\\Hilfe.chm::/xcopy.htm"},
  };
  for (const Case& c : cases) EXPECT_EQ(HelpArgument(c.directory, HelpTopic(c.word)), c.expected);
}

// The viewer's command line with a blank in its argument is the context
// help test's; here a program path already quoted.
TEST(HelpArgument, ProgramCommandLine) {
  EXPECT_EQ(ProgramCommandLine("\"C:\\x y\\v.exe\"", ""), "\"C:\\x y\\v.exe\"");
  EXPECT_EQ(FolderOf("hh.exe"), "");
  EXPECT_EQ(FolderOf("C:\\Windows\\hh.exe"), "C:\\Windows\\");
}

// Stands in for GetCurrentDirectoryA on a system whose directory is longer
// than 260 bytes: first it reports the size it needs.
struct LongDirectory {
  std::string text;
  int calls = 0;
  unsigned operator()(unsigned size, char* buffer) {
    ++calls;
    if (text.size() + 1 > size) return static_cast<unsigned>(text.size() + 1);
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return static_cast<unsigned>(text.size());
  }
};

TEST(HelpArgument, CurrentDirectoryOfAnyLengthIsReadWholeWithoutOverrun) {
  for (std::size_t length : {3u, 258u, 259u, 260u, 261u, 1000u, 32000u}) {
    LongDirectory directory{"C:" + std::string(length - 2, 'd')};
    EXPECT_EQ(ReadGrowingText(std::ref(directory)), directory.text) << length;
    EXPECT_LE(directory.calls, 2);
  }
  EXPECT_EQ(ReadGrowingText([](unsigned, char*) { return 0u; }), "") << "failure gives empty text";
  // A directory that keeps growing between the reads gives up instead of looping.
  unsigned asked = 300;
  EXPECT_EQ(ReadGrowingText([&](unsigned, char*) { return asked += 100; }), "");
  // A demand beyond the longest path is refused, not allocated.
  EXPECT_EQ(ReadGrowingText([](unsigned, char*) { return 0xFFFFFFF0u; }), "");
}

}  // namespace
}  // namespace plugin
