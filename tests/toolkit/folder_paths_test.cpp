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

// A path's drive and names, the chooser's folder and the trailing backslash
// are checked where the trees and the chooser take them (FolderTrees, the
// xcopy dialog's chooser) and by the fuzz target; here what those miss.
TEST(FolderPaths, SplittingPathsAndPatterns) {
  EXPECT_EQ(SplitFolderPath("D:\\").value().names.size(), 0u);
  EXPECT_EQ(SplitPatterns("*.txt;;*.bat;"), (std::vector<std::string>{"*.txt", "*.bat"}));
  EXPECT_EQ(ChooserInitialFolder("C:\\" + std::string(300, 'x')).size(), 259u);
}

}  // namespace
}  // namespace toolkit
