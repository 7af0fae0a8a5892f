// Reading and steering a tree view control from a test, and the folders the
// tests make for it.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace support {

HTREEITEM Next(HWND tree, HTREEITEM item, UINT relation);
std::string Label(HWND tree, HTREEITEM item);
std::vector<std::string> Labels(HWND tree, HTREEITEM parent);
// The first child whose label starts with `startOfLabel`, null if none.
HTREEITEM Child(HWND tree, HTREEITEM parent, const std::string& startOfLabel);
void Expand(HWND tree, HTREEITEM item);
void Select(HWND tree, HTREEITEM item);
HTREEITEM Selected(HWND tree);
// The drive entries' labels end in their letter, as in "System (D:)".
HTREEITEM DriveEntry(HWND tree, char letter);
// Opens a drive and the folders below it, one name after the other, and
// selects the last entry reached; null when a name is missing.
HTREEITEM SelectPath(HWND tree, char drive, const std::vector<std::string>& folders);
// The screen point a little inside an entry's label.
POINT EntryPoint(HWND tree, HTREEITEM item);

// Removes a folder with everything in it, however deep (through \\?\ paths).
void RemoveTree(const std::wstring& folder);

}  // namespace support
