#include "commands/chkdsk_text.h"

#include <gtest/gtest.h>

namespace commands {
namespace {

TEST(ChkdskText, AcceptsExactlyThreeFileSystemNames) {
  for (const char* name : {"NTFS", "FAT", "FAT32"}) EXPECT_TRUE(AcceptedFileSystem(name)) << name;
  for (const char* name : {"exFAT", "ntfs", "Fat", "FAT32 ", " FAT", "FAT3", "CDFS", "UDF", ""})
    EXPECT_FALSE(AcceptedFileSystem(name)) << '"' << name << '"';
  EXPECT_FALSE(AcceptedFileSystem(std::string(260, ' '))) << "a failed query's blanks";
}

TEST(ChkdskText, DriveItemsAndCommandLines) {
  EXPECT_EQ(DriveListItem('C', "System"), "C:\\ System");
  EXPECT_EQ(DriveListItem('E', ""), "E:\\ ");

  using Checked = std::array<bool, SwitchCount>;
  struct Case {
    const char* item;
    Checked checked;
    const char* expected;
  };
  const Case cases[] = {
      {"C:\\ System", {}, "chkdsk C:"},
      {"D:\\ ", {true, false, true}, "chkdsk D: /f /r"},
      {"D:\\ ", {true, true, true, true, true, true, false}, "chkdsk D: /f /v /r /x /i /c"},
      {"D:\\ ", {true, true, true, true, true, true, true}, "chkdsk D: /l"},  // /l stands alone
      {"", {true}, "chkdsk  /f"},  // no drive listed
      {"", {}, "chkdsk "},
      {"Q", {}, "chkdsk Q"},
  };
  for (const Case& c : cases) EXPECT_EQ(ChkdskCommandText(c.item, c.checked), c.expected);
}

}  // namespace
}  // namespace commands
