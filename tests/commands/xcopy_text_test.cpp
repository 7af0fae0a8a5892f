// The xcopy command line from the two folder paths and the checked switches.
#include <gtest/gtest.h>

#include "commands/xcopy_text.h"

namespace {

using commands::XcopyCommandText;

TEST(XcopyText, QuotedPartsAndSwitches) {
  const std::vector<std::string> startBoxes = {"/D", "/E", "/V", "/Q", "/H", "/R", "/Y"};
  EXPECT_EQ(XcopyCommandText("C:\\Daten\\", "D:\\Sicherung\\", startBoxes),
            "xcopy \"C:\\Daten\\*.*\" \"D:\\Sicherung\\\" /D /E /V /Q /H /R /Y");
  EXPECT_EQ(XcopyCommandText("C:\\", "D:\\Sicherung\\", {}), "xcopy \"C:\\*.*\" \"D:\\Sicherung\\\"")
      << "a drive as source; no switch leaves no trailing blank";
  EXPECT_EQ(XcopyCommandText("", "D:\\Sicherung\\", {"/Y", "/-Y"}),
            "xcopy \"*.*\" \"D:\\Sicherung\\\" /Y /-Y");
  EXPECT_EQ(XcopyCommandText("C:\\Daten\\", "", {"/EXCLUDE:"}), "xcopy \"C:\\Daten\\*.*\" \"\" /EXCLUDE:");
}

TEST(XcopyText, NeedsAtLeastOneFolder) {
  EXPECT_FALSE(commands::XcopyHasFolder("", ""));
  EXPECT_TRUE(commands::XcopyHasFolder("C:\\", ""));
  EXPECT_TRUE(commands::XcopyHasFolder("", "D:\\"));
}

}  // namespace
