// Folder tree: a gadget showing the computer's drives and their folders,
// read lazily as entries are opened. Its text is the selected folder's path,
// ending with a backslash.
#pragma once

#include <cstdint>

namespace toolkit {

namespace tree_flag {
inline constexpr std::uint32_t FoldersOnly = 0x1;  // the only listing there is: folders, never files
inline constexpr std::uint32_t KeepSelectionVisible = 0x1000000;
}  // namespace tree_flag

// A right click selects the entry under the pointer and then reports the
// event type RightClick (constants.h).

// Creates the tree with its starting view, then applies `text` as set
// gadget text does. Non-zero on success.
int CreateFolderTree(int gadget, int x, int y, int width, int height, const char* text,
                     std::uint32_t flags);

}  // namespace toolkit
