// The entries of a folder tree as its system tree view holds them: each
// entry's item kind and loaded mark in its item data, its label and icon,
// and the path it stands for. Internal to the folder tree.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace toolkit {

// Item kinds in the low byte of an entry's item data: a drive's number (0
// for A) or one of these. The next byte is the loaded mark.
namespace entry_kind {
inline constexpr int Computer = 251;
inline constexpr int Folder = 252;
inline constexpr int Documents = 253;
}  // namespace entry_kind
inline constexpr int MostDrives = 32;
inline constexpr LPARAM LoadedMark = 0xFF00;

LPARAM ItemData(HWND tree, HTREEITEM item);
int KindOf(HWND tree, HTREEITEM item);
std::string LabelOf(HWND tree, HTREEITEM item);
HTREEITEM NextEntry(HWND tree, HTREEITEM item, UINT relation);
HTREEITEM InsertEntry(HWND tree, HTREEITEM parent, HTREEITEM after, const std::string& label, int icon, int kind,
                      int children, LPARAM mark = 0);
// Sets the parts of an entry that `mask` (TVIF_*) names.
void SetEntry(HWND tree, HTREEITEM item, UINT mask, const std::string* label, int icon, int children, LPARAM data);

// The path of an entry: "C:\" for a drive, "C:\Daten\" for a folder, the
// documents folder's path for its entry, empty for the computer.
std::string PathOf(HWND tree, HTREEITEM item);

// A drive's entry among the computer's children, null if it has none.
HTREEITEM DriveEntry(HWND tree, HTREEITEM computer, int drive);
// Adds a drive's entry at the end of the computer's children.
void AddDriveEntry(HWND tree, HTREEITEM computer, int drive);
// Gives a drive's entry its label and icon again, and its expand button.
void RefreshDriveEntry(HWND tree, HTREEITEM entry, int drive);

}  // namespace toolkit
