#include "toolkit/folder_paths.h"

#include <gtest/gtest.h>

namespace toolkit {
namespace {

using Form = TreeTextRequest::Form;

TEST(FolderPaths, TheFourFormsOfATreeText) {
  struct Case {
    std::string text;
    Form form;
    std::string pattern, folder;
  };
  const Case cases[] = {
      {"", Form::StartingView, "", ""},
      {"\\", Form::StartingView, "", ""},
      {"*.txt;*.bat", Form::Pattern, "*.txt;*.bat", ""},
      {"C:\\Daten\\", Form::LeadToFolder, "", "C:\\Daten\\"},
      {"C:\\Daten\\*.bat", Form::PatternAndFolder, "*.bat", "C:\\Daten\\"},
      {"\\\\server\\share\\", Form::LeadToFolder, "", "\\\\server\\share\\"},
  };
  for (const Case& c : cases) {
    const TreeTextRequest request = ClassifyTreeText(c.text);
    EXPECT_EQ(request.form, c.form) << c.text;
    EXPECT_EQ(request.pattern, c.pattern) << c.text;
    EXPECT_EQ(request.folderPath, c.folder) << c.text;
  }
}

TEST(FolderPaths, SplittingPathsAndPatterns) {
  const auto parts = SplitFolderPath("c:\\Daten\\Projekte\\");
  ASSERT_TRUE(parts);
  EXPECT_EQ(parts->driveNumber, 2);
  EXPECT_EQ(parts->names, (std::vector<std::string>{"Daten", "Projekte"}));
  EXPECT_EQ(SplitFolderPath("D:\\")->names.size(), 0u);
  EXPECT_FALSE(SplitFolderPath("\\\\server\\share\\")) << "no drive letter";
  EXPECT_FALSE(SplitFolderPath("1:\\"));
  EXPECT_EQ(SplitPatterns("*.txt;;*.bat;"), (std::vector<std::string>{"*.txt", "*.bat"}));

  EXPECT_EQ(ChooserInitialFolder("C:\\Daten\\"), "C:\\Daten");
  EXPECT_EQ(ChooserInitialFolder("C:\\"), "C:\\");
  EXPECT_EQ(ChooserInitialFolder("C:\\" + std::string(300, 'x')).size(), 259u);
  EXPECT_EQ(WithTrailingBackslash("D:\\Sicherung"), "D:\\Sicherung\\");
  EXPECT_EQ(WithTrailingBackslash("D:\\"), "D:\\");
}

}  // namespace
}  // namespace toolkit
