#include "toolkit/folder_paths.h"

#include <gtest/gtest.h>

namespace toolkit {
namespace {

// A path's drive and names, the chooser's folder and the trailing backslash
// are checked where the trees and the chooser take them (FolderTrees, the
// xcopy dialog's chooser) and by the fuzz target; here what those miss.
TEST(FolderPaths, SplittingPaths) {
  EXPECT_EQ(SplitFolderPath("D:\\").value().names.size(), 0u);
  EXPECT_EQ(ChooserInitialFolder("C:\\" + std::string(300, 'x')).size(), 259u);
}

}  // namespace
}  // namespace toolkit
