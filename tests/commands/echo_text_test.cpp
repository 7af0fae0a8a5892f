#include "commands/echo_text.h"

#include <gtest/gtest.h>

namespace commands {
namespace {

TEST(EchoCommandText, TakesTheTextVerbatim) {
  struct Case {
    std::string typed;
    std::string expected;
  };
  const Case cases[] = {
      {"", "echo."},
      {"Hallo Welt", "echo Hallo Welt"},
      {"  ", "echo   "},  // only blanks is not empty
      {" a ", "echo  a "},
      {"off", "echo off"},
      {"a & b | c > d ^ %PATH%", "echo a & b | c > d ^ %PATH%"},
      {"\"quoted\"", "echo \"quoted\""},
      {"Gr\xFC\xDF" "e \x80", "echo Gr\xFC\xDF" "e \x80"},
      {std::string(30000, 'x'), "echo " + std::string(30000, 'x')},
  };
  for (const Case& c : cases) EXPECT_EQ(EchoCommandText(c.typed), c.expected);
}

}  // namespace
}  // namespace commands
