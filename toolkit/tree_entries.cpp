#include "toolkit/tree_entries.h"

#include "toolkit/shell_look.h"

namespace toolkit {

namespace {

// What the 32-bit tree view takes: the sizes that this file relies on.
static_assert(sizeof(void*) == 8 || (sizeof(TVITEMA) == 40 && sizeof(TVINSERTSTRUCTA) == 68));

constexpr int LabelRoom = 512;

std::string DriveRoot(int drive) {
  std::string root(1, static_cast<char>('A' + drive));
  return root.append(":\\");
}

// A drive's label and icon; its root when the shell gives no label.
ShellLook DriveLook(int drive) {
  ShellLook look = LookOf(DriveRoot(drive));
  if (look.label.empty()) look.label = DriveRoot(drive);
  return look;
}

}  // namespace

LPARAM ItemData(HWND tree, HTREEITEM item) {
  TVITEMA data = {};
  data.mask = TVIF_PARAM | TVIF_HANDLE;
  data.hItem = item;
  SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
  return data.lParam;
}

int KindOf(HWND tree, HTREEITEM item) { return static_cast<int>(ItemData(tree, item) & 0xFF); }

std::string LabelOf(HWND tree, HTREEITEM item) {
  char label[LabelRoom] = {};
  TVITEMA data = {};
  data.mask = TVIF_TEXT | TVIF_HANDLE;
  data.hItem = item;
  data.pszText = label;
  data.cchTextMax = LabelRoom;
  SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
  return label;
}

HTREEITEM NextEntry(HWND tree, HTREEITEM item, UINT relation) {
  return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

HTREEITEM InsertEntry(HWND tree, HTREEITEM parent, HTREEITEM after, const std::string& label, int icon, int kind,
                      int children, LPARAM mark) {
  TVINSERTSTRUCTA insert = {};
  insert.hParent = parent;
  insert.hInsertAfter = after;
  insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_CHILDREN;
  insert.item.pszText = const_cast<char*>(label.c_str());
  insert.item.iImage = insert.item.iSelectedImage = icon;
  insert.item.lParam = kind | mark;
  insert.item.cChildren = children;
  return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

void SetEntry(HWND tree, HTREEITEM item, UINT mask, const std::string* label, int icon, int children, LPARAM data) {
  TVITEMA change = {};
  change.mask = mask | TVIF_HANDLE;
  change.hItem = item;
  if (label) change.pszText = const_cast<char*>(label->c_str());
  change.iImage = change.iSelectedImage = icon;
  change.cChildren = children;
  change.lParam = data;
  SendMessageA(tree, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&change));
}

// Each entry's part in front of its children's.
std::string PathOf(HWND tree, HTREEITEM item) {
  std::string path;
  for (; item; item = NextEntry(tree, item, TVGN_PARENT)) {
    const int kind = KindOf(tree, item);
    if (kind == entry_kind::Computer) break;
    if (kind < MostDrives)
      path.insert(0, DriveRoot(kind));
    else if (kind == entry_kind::Documents)
      path.insert(0, SharedTreeLook().documentsPath);
    else
      path.insert(0, LabelOf(tree, item).append("\\"));
  }
  return path;
}

HTREEITEM DriveEntry(HWND tree, HTREEITEM computer, int drive) {
  for (HTREEITEM child = NextEntry(tree, computer, TVGN_CHILD); child; child = NextEntry(tree, child, TVGN_NEXT))
    if (KindOf(tree, child) == drive) return child;
  return nullptr;
}

void AddDriveEntry(HWND tree, HTREEITEM computer, int drive) {
  const ShellLook look = DriveLook(drive);
  InsertEntry(tree, computer, TVI_LAST, look.label, look.icon, drive, 1);
}

void RefreshDriveEntry(HWND tree, HTREEITEM entry, int drive) {
  const ShellLook look = DriveLook(drive);
  SetEntry(tree, entry, TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN, &look.label, look.icon, 1, 0);
}

}  // namespace toolkit
