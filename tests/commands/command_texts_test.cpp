// The five command lines from what the user typed, chose or checked.
#include <gtest/gtest.h>

#include "commands/chkdsk_text.h"
#include "commands/color_text.h"
#include "commands/echo_text.h"
#include "commands/title_text.h"
#include "commands/xcopy_text.h"
#include "toolkit/colour.h"

namespace commands {
namespace {

TEST(CommandTexts, EchoAndTitleKeepTheTextAsTyped) {
  const std::pair<const char*, const char*> echo[] = {
      {"", "echo."}, {"  ", "echo   "},  // blanks are not empty
      {" Grüße & <x> | 100% ", "echo  Grüße & <x> | 100% "}};
  for (const auto& [typed, line] : echo) EXPECT_EQ(EchoCommandText(typed), line);
  EXPECT_EQ(TitleCommandText(" x "), "title  x ");
  // "Hinzufügen" only with more than blanks: a tab or a no-break space counts.
  const std::pair<const char*, const char*> blankFree[] = {{"", ""}, {"     ", ""}, {" x ", "x"}, {"\t", "\t"}, {"\xA0", "\xA0"}};
  for (const auto& [text, rest] : blankFree) EXPECT_EQ(BlankFreeText(text), rest) << '"' << text << '"';
}

TEST(CommandTexts, ChkdskAcceptsExactlyThreeFileSystemsAndOrdersItsSwitches) {
  for (const char* name : {"NTFS", "FAT", "FAT32"}) EXPECT_TRUE(AcceptedFileSystem(name)) << name;
  for (const char* name : {"exFAT", "ntfs", "Fat", "FAT32 ", " FAT", "FAT3", "CDFS", "UDF", ""})
    EXPECT_FALSE(AcceptedFileSystem(name)) << '"' << name << '"';
  EXPECT_FALSE(AcceptedFileSystem(std::string(260, ' '))) << "a failed query's blanks";

  using Checked = std::array<bool, SwitchCount>;
  struct Case {
    const char* item;
    Checked checked;
    const char* expected;
  };
  const Case cases[] = {
      {"C:\\ System", {}, "chkdsk C:"},
      {"D:\\ ", {true, true, true, true, true, true, false}, "chkdsk D: /f /v /r /x /i /c"},
      {"D:\\ ", {true, true, true, true, true, true, true}, "chkdsk D: /l"},  // /l stands alone
      {"", {true}, "chkdsk  /f"},  // no drive listed
      {"", {}, "chkdsk "},
      {"Q", {}, "chkdsk Q"},
  };
  for (const Case& c : cases) EXPECT_EQ(ChkdskCommandText(c.item, c.checked), c.expected);
}

TEST(CommandTexts, ColorTableAndDigits) {
  EXPECT_EQ(toolkit::MakeColour(0, 0, 255), 0xFF0000u);
  EXPECT_EQ(toolkit::MakeColour(256, 0, 0), 0x000100u) << "components are not masked";
  EXPECT_EQ(ConsoleColourValue(2), 0x800000u);   // console blue
  EXPECT_EQ(ConsoleColourValue(5), 0x000080u);   // console red
  EXPECT_EQ(ConsoleColourValue(8), 0xC0C0C0u);
  EXPECT_EQ(ConsoleColourValue(13), 0x0000FFu);
  EXPECT_EQ(ConsoleColourValue(16), 0xFFFFFFu);
  EXPECT_EQ(ColorCommandText(1, 16), "color 0F");
  EXPECT_EQ(ColorCommandText(11, 12), "color AB") << "upper case";
}

TEST(CommandTexts, XcopyQuotesBothFoldersAndNeedsOne) {
  EXPECT_EQ(XcopyCommandText("C:\\Daten\\", "D:\\Sicherung\\", {"/D", "/E", "/V", "/Q", "/H", "/R", "/Y"}),
            "xcopy \"C:\\Daten\\*.*\" \"D:\\Sicherung\\\" /D /E /V /Q /H /R /Y");
  EXPECT_EQ(XcopyCommandText("C:\\", "D:\\Sicherung\\", {}), "xcopy \"C:\\*.*\" \"D:\\Sicherung\\\"")
      << "a drive as source; no switch leaves no trailing blank";
  EXPECT_EQ(XcopyCommandText("", "", {"/EXCLUDE:"}), "xcopy \"*.*\" \"\" /EXCLUDE:");
  EXPECT_FALSE(XcopyHasFolder("", ""));
  EXPECT_TRUE(XcopyHasFolder("C:\\", ""));
  EXPECT_TRUE(XcopyHasFolder("", "D:\\"));
}

}  // namespace
}  // namespace commands
