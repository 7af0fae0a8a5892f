// Folder tree: a gadget showing the computer's drives and folders (and,
// unless flag 0x1, files), read lazily as entries are opened. Its text is
// the selected folder's path, ending with a backslash.
#pragma once

#include <cstdint>

namespace toolkit {

namespace tree_flag {
inline constexpr std::uint32_t FoldersOnly = 0x1;
inline constexpr std::uint32_t NoNotReadyNotice = 0x10;
inline constexpr std::uint32_t Sorted = 0x40;
inline constexpr std::uint32_t NoDocuments = 0x200;
inline constexpr std::uint32_t NoSunkenEdge = 0x100000;
inline constexpr std::uint32_t KeepSelectionVisible = 0x1000000;
inline constexpr std::uint32_t NoLines = 0x4000000;
inline constexpr std::uint32_t NoButtons = 0x8000000;
}  // namespace tree_flag

// A tree reports its clicks (event types Pressed, RightClick, DoubleClick,
// RightDoubleClick), Changed when the selected entry changed and
// DragStarted (constants.h).

// Creates the tree with its starting view, then applies `text` as set
// gadget text does. Non-zero on success.
int CreateFolderTree(int gadget, int x, int y, int width, int height, const char* text,
                     std::uint32_t flags);

}  // namespace toolkit
