#include "tests/support/tree_view.h"

#include <cstring>

namespace support {

HTREEITEM Next(HWND tree, HTREEITEM item, UINT relation) {
  return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

std::string Label(HWND tree, HTREEITEM item) {
  char text[512] = {};
  TVITEMA data = {};
  data.mask = TVIF_TEXT | TVIF_HANDLE;
  data.hItem = item;
  data.pszText = text;
  data.cchTextMax = sizeof text;
  SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
  return text;
}

std::vector<std::string> Labels(HWND tree, HTREEITEM parent) {
  std::vector<std::string> labels;
  for (HTREEITEM child = Next(tree, parent, TVGN_CHILD); child; child = Next(tree, child, TVGN_NEXT))
    labels.push_back(Label(tree, child));
  return labels;
}

HTREEITEM Child(HWND tree, HTREEITEM parent, const std::string& startOfLabel) {
  for (HTREEITEM child = Next(tree, parent, TVGN_CHILD); child; child = Next(tree, child, TVGN_NEXT))
    if (Label(tree, child).rfind(startOfLabel, 0) == 0) return child;
  return nullptr;
}

void Expand(HWND tree, HTREEITEM item) { SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item)); }
void Select(HWND tree, HTREEITEM item) { SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)); }
HTREEITEM Selected(HWND tree) { return Next(tree, nullptr, TVGN_CARET); }

HTREEITEM DriveEntry(HWND tree, char letter) {
  const std::string tag = std::string("(") + letter + ":)";
  for (HTREEITEM child = Next(tree, Next(tree, nullptr, TVGN_ROOT), TVGN_CHILD); child; child = Next(tree, child, TVGN_NEXT))
    if (Label(tree, child).find(tag) != std::string::npos) return child;
  return nullptr;
}

HTREEITEM SelectPath(HWND tree, char drive, const std::vector<std::string>& folders) {
  HTREEITEM item = DriveEntry(tree, drive);
  for (const std::string& folder : folders) {
    if (!item) return nullptr;
    Expand(tree, item);
    item = Child(tree, item, folder);
  }
  if (item) Select(tree, item);
  return item;
}

POINT EntryPoint(HWND tree, HTREEITEM item) {
  SendMessageA(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
  // TVM_GETITEMRECT takes the entry in the rectangle's first bytes.
  RECT r = {};
  std::memcpy(&r, &item, sizeof item);
  SendMessageA(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&r));
  POINT p = {r.left + 8, (r.top + r.bottom) / 2};
  ClientToScreen(tree, &p);
  return p;
}

void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(path);
      else
        DeleteFileW(path.c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(folder.c_str());
}

}  // namespace support
