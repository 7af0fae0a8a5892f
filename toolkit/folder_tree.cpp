#include "toolkit/folder_tree.h"

#include <windows.h>
#include <commctrl.h>
#include <dbt.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/folder_listing.h"
#include "toolkit/folder_paths.h"
#include "toolkit/not_ready_notice.h"
#include "toolkit/quiet_drive_errors.h"
#include "toolkit/scoped_com.h"
#include "toolkit/shell_look.h"
#include "toolkit/toolkit_state.h"

namespace toolkit {

namespace {

// What the 32-bit tree view takes and sends: the sizes and the drive
// mask's place that this file relies on.
static_assert(sizeof(void*) == 8 || (sizeof(TVITEMA) == 40 &&
                                     sizeof(TVINSERTSTRUCTA) == 68 && sizeof(NMTREEVIEWA) == 104 &&
                                     sizeof(NMTVDISPINFOA) == 52));
static_assert(sizeof(DEV_BROADCAST_VOLUME) == 20 && offsetof(DEV_BROADCAST_VOLUME, dbcv_unitmask) == 12);

// Item kinds in the low byte of an entry's item data; the next byte is the
// loaded mark.
constexpr int ComputerKind = 251;
constexpr int FolderKind = 252;
constexpr int DocumentsKind = 253;
constexpr int FileKind = 255;
constexpr LPARAM LoadedMark = 0xFF00;
constexpr int MostDrives = 32;
constexpr int LabelRoom = 512;

// A tree's own data, in its gadget record: made with the control and gone
// with it, the notice closed first.
struct FolderTree final : GadgetData {
  ScopedCom com;  // the shell's folders, on the dialog's thread while the tree lives
  HWND control = nullptr;  // destroyed with its window
  std::uint32_t flags = 0;
  std::string pattern = "*.*";
  HTREEITEM computer = nullptr;
  NotReadyNotice notice;
};

extern const GadgetKind FolderTreeKind;

FolderTree* TreeOf(GadgetRecord& gadget) {
  return gadget.kind == &FolderTreeKind ? &DataOf<FolderTree>(gadget) : nullptr;
}
const FolderTree* TreeOf(const GadgetRecord& gadget) {
  return gadget.kind == &FolderTreeKind ? &DataOf<FolderTree>(gadget) : nullptr;
}

LPARAM ItemData(HWND control, HTREEITEM item) {
  TVITEMA data = {};
  data.mask = TVIF_PARAM | TVIF_HANDLE;
  data.hItem = item;
  SendMessageA(control, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
  return data.lParam;
}

int KindOf(HWND control, HTREEITEM item) { return static_cast<int>(ItemData(control, item) & 0xFF); }

std::string LabelOf(HWND control, HTREEITEM item) {
  char label[LabelRoom] = {};
  TVITEMA data = {};
  data.mask = TVIF_TEXT | TVIF_HANDLE;
  data.hItem = item;
  data.pszText = label;
  data.cchTextMax = LabelRoom;
  SendMessageA(control, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
  return label;
}

HTREEITEM NextEntry(HWND control, HTREEITEM item, UINT relation) {
  return reinterpret_cast<HTREEITEM>(
      SendMessageA(control, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

HTREEITEM InsertEntry(HWND control, HTREEITEM parent, HTREEITEM after, const std::string& label, int icon,
                      int kind, int children, LPARAM mark = 0) {
  TVINSERTSTRUCTA insert = {};
  insert.hParent = parent;
  insert.hInsertAfter = after;
  insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_CHILDREN;
  insert.item.pszText = const_cast<char*>(label.c_str());
  insert.item.iImage = insert.item.iSelectedImage = icon;
  insert.item.lParam = kind | mark;
  insert.item.cChildren = children;
  return reinterpret_cast<HTREEITEM>(SendMessageA(control, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

void SetItem(HWND control, HTREEITEM item, UINT mask, const std::string* label, int icon, int children, LPARAM data) {
  TVITEMA change = {};
  change.mask = mask | TVIF_HANDLE;
  change.hItem = item;
  if (label) change.pszText = const_cast<char*>(label->c_str());
  change.iImage = change.iSelectedImage = icon;
  change.cChildren = children;
  change.lParam = data;
  SendMessageA(control, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&change));
}

std::string DriveRoot(int drive) {
  std::string root(1, static_cast<char>('A' + drive));
  return root.append(":\\");
}

// The path of an entry: each entry's part in front of its children's.
std::string PathOf(const FolderTree& tree, HTREEITEM item) {
  std::string path;
  for (; item; item = NextEntry(tree.control, item, TVGN_PARENT)) {
    const int kind = KindOf(tree.control, item);
    if (kind == ComputerKind) break;
    if (kind < MostDrives) {
      path.insert(0, DriveRoot(kind));
    } else if (kind == DocumentsKind) {
      path.insert(0, SharedTreeLook().documentsPath);
    } else if (kind == FolderKind) {
      path.insert(0, LabelOf(tree.control, item).append("\\"));
    } else {
      path.insert(0, LabelOf(tree.control, item));
    }
  }
  return path;
}

// A drive's label and icon; its root when the shell gives no label.
ShellLook DriveLook(int drive) {
  ShellLook look = LookOf(DriveRoot(drive));
  if (look.label.empty()) look.label = DriveRoot(drive);
  return look;
}

void AddDrive(const FolderTree& tree, int drive) {
  const ShellLook look = DriveLook(drive);
  InsertEntry(tree.control, tree.computer, TVI_LAST, look.label, look.icon, drive, 1);
}

HTREEITEM DriveEntry(const FolderTree& tree, int drive) {
  for (HTREEITEM child = NextEntry(tree.control, tree.computer, TVGN_CHILD); child;
       child = NextEntry(tree.control, child, TVGN_NEXT))
    if (KindOf(tree.control, child) == drive) return child;
  return nullptr;
}

void BuildStartingView(FolderTree& tree) {
  tree.notice.Close();
  SendMessageA(tree.control, WM_SETREDRAW, FALSE, 0);
  SendMessageA(tree.control, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
  const SharedLook& look = SharedTreeLook();
  tree.computer = InsertEntry(tree.control, TVI_ROOT, TVI_LAST, look.computerLabel, look.computerIcon, ComputerKind, 1,
                              LoadedMark);
  const DWORD drives = GetLogicalDrives();
  for (int drive = 0; drive < MostDrives; ++drive)
    if (drives & (1u << drive)) AddDrive(tree, drive);
  if (!look.documentsPath.empty() && !(tree.flags & tree_flag::NoDocuments))
    InsertEntry(tree.control, tree.computer, TVI_LAST, look.documentsLabel, look.documentsIcon, DocumentsKind, 1);
  SendMessageA(tree.control, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(tree.computer));
  SendMessageA(tree.control, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(tree.control, nullptr, TRUE);
}

// Whether a folder gets an expand button: a subfolder, or in a tree that
// shows files a matching file. Asked only for entries the tree shows.
bool HasChildren(const FolderTree& tree, const std::string& path) {
  {
    FileSearch search(path + "*.*");
    while (const FoundEntry* found = search.NextFound())
      if (found->IsSubfolder()) return true;
  }
  if (tree.flags & tree_flag::FoldersOnly) return false;
  for (const std::string& pattern : SplitPatterns(tree.pattern)) {
    FileSearch search(path + pattern);
    while (const FoundEntry* found = search.NextFound())
      if (!(found->attributes & FILE_ATTRIBUTE_DIRECTORY)) return true;
  }
  return false;
}

struct Child {
  std::string label;
  int kind;
  int icon;
  int children;  // I_CHILDRENCALLBACK: probed when the tree first shows it
};

// Folders before files, then by label ignoring case.
void Sort(std::vector<Child>& children) {
  std::stable_sort(children.begin(), children.end(), [](const Child& a, const Child& b) {
    if ((a.kind == FileKind) != (b.kind == FileKind)) return b.kind == FileKind;
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.label.c_str(), -1, b.label.c_str(), -1) ==
           CSTR_LESS_THAN;
  });
}

// What a folder holds, as its entry shows it: its folders (hidden and
// system ones too) and, in a tree that shows files, the files matching the
// patterns; in the tree's order.
std::vector<Child> ListChildren(const FolderTree& tree, const std::string& path) {
  std::vector<Child> children;
  const bool showsFiles = !(tree.flags & tree_flag::FoldersOnly);
  const std::vector<std::string> patterns = SplitPatterns(tree.pattern);
  // A pattern that matches everything takes its files from the folder
  // listing instead of listing the folder a second time.
  const bool allFiles = showsFiles && patterns.size() == 1 && (patterns[0] == "*.*" || patterns[0] == "*");
  std::vector<Child> files;
  FileSearch everything(path + "*.*");
  while (const FoundEntry* found = everything.NextFound()) {
    if (found->IsSubfolder())
      children.push_back({found->name, FolderKind, SharedTreeLook().folderIcon, I_CHILDRENCALLBACK});
    else if (allFiles && !(found->attributes & FILE_ATTRIBUTE_DIRECTORY))
      files.push_back({found->name, FileKind, FileIcon(path, found->name), 0});
  }
  for (std::size_t i = 0; showsFiles && !allFiles && i < patterns.size(); ++i) {
    FileSearch matching(path + patterns[i]);
    while (const FoundEntry* found = matching.NextFound())
      if (!(found->attributes & FILE_ATTRIBUTE_DIRECTORY))
        files.push_back({found->name, FileKind, FileIcon(path, found->name), 0});
  }
  children.insert(children.end(), std::make_move_iterator(files.begin()), std::make_move_iterator(files.end()));
  if (tree.flags & tree_flag::Sorted) Sort(children);
  return children;
}

// Reads an entry's children the first time it is opened; false when the
// entry stays unread (a drive that is not ready), so that the next opening
// tries again.
bool OpenEntry(FolderTree& tree, HTREEITEM item) {
  const LPARAM data = ItemData(tree.control, item);
  if (data & LoadedMark) return true;
  const int kind = static_cast<int>(data & 0xFF);
  const std::string path = PathOf(tree, item);
  if (kind < MostDrives) {
    ULARGE_INTEGER available;
    QuietDriveErrors quiet;
    if (!GetDiskFreeSpaceExA(path.c_str(), &available, nullptr, nullptr)) {
      if (!(tree.flags & tree_flag::NoNotReadyNotice)) tree.notice.Show(tree.control, kind);
      return false;
    }
  }
  const std::vector<Child> children = ListChildren(tree, path);
  // The entry is still collapsed: inserting now is cheap, and the tree draws
  // the new level once, when it opens.
  for (const Child& child : children)
    InsertEntry(tree.control, item, TVI_LAST, child.label, child.icon, child.kind, child.children);
  SetItem(tree.control, item, TVIF_PARAM | TVIF_CHILDREN, nullptr, 0, children.empty() ? 0 : 1, data | LoadedMark);
  return true;
}

// Reads a loaded entry's children again: entries of what is gone are
// removed, what is new is added in the tree's order, and the entries that
// stay keep their own children and whether they are open.
void Reread(FolderTree& tree, HTREEITEM item) {
  const std::vector<Child> children = ListChildren(tree, PathOf(tree, item));
  auto listed = [&](HTREEITEM entry) {
    const int kind = KindOf(tree.control, entry);
    const std::string label = LabelOf(tree.control, entry);
    return std::any_of(children.begin(), children.end(),
                       [&](const Child& child) { return child.kind == kind && child.label == label; });
  };
  for (HTREEITEM entry = NextEntry(tree.control, item, TVGN_CHILD); entry;) {
    HTREEITEM next = NextEntry(tree.control, entry, TVGN_NEXT);
    if (!listed(entry)) SendMessageA(tree.control, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(entry));
    entry = next;
  }
  HTREEITEM previous = TVI_FIRST;
  for (const Child& child : children) {
    HTREEITEM existing = nullptr;
    for (HTREEITEM entry = NextEntry(tree.control, item, TVGN_CHILD); entry && !existing;
         entry = NextEntry(tree.control, entry, TVGN_NEXT))
      if (KindOf(tree.control, entry) == child.kind && LabelOf(tree.control, entry) == child.label) existing = entry;
    previous = existing ? existing
                        : InsertEntry(tree.control, item, previous, child.label, child.icon, child.kind, child.children);
  }
  SetItem(tree.control, item, TVIF_CHILDREN, nullptr, 0, children.empty() ? 0 : 1, 0);
}

// The folder entry among an entry's children whose label names `name` as
// the file system matches names.
HTREEITEM FolderEntryNamed(const FolderTree& tree, HTREEITEM parent, const std::string& name) {
  for (HTREEITEM child = NextEntry(tree.control, parent, TVGN_CHILD); child;
       child = NextEntry(tree.control, child, TVGN_NEXT))
    if (KindOf(tree.control, child) == FolderKind && SameFolderPath(LabelOf(tree.control, child), name))
      return child;
  return nullptr;
}

// Leads the tree to a folder path; stops where a name is missing, leaving
// the selection as it was. An entry read earlier may not know a folder made
// since (in the chooser, for one): it is read again once before the name
// counts as missing.
void LeadTo(FolderTree& tree, const std::string& folderPath) {
  const std::optional<FolderPathParts> parts = SplitFolderPath(folderPath);
  if (!parts) return;
  HTREEITEM current = DriveEntry(tree, parts->driveNumber);
  if (!current) return;
  for (const std::string& name : parts->names) {
    // Read here rather than by the expansion alone: the tree sends no
    // notice for an entry it expanded once, such as a drive whose first
    // reading failed for want of a medium.
    if (!OpenEntry(tree, current)) return;
    SendMessageA(tree.control, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(current));
    HTREEITEM match = FolderEntryNamed(tree, current, name);
    if (!match) {
      Reread(tree, current);
      match = FolderEntryNamed(tree, current, name);
    }
    if (!match) return;
    current = match;
  }
  if (!OpenEntry(tree, current)) return;
  SendMessageA(tree.control, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(current));
  SendMessageA(tree.control, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(current));
  SendMessageA(tree.control, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(current));
}

HTREEITEM Selected(const FolderTree& tree) { return NextEntry(tree.control, nullptr, TVGN_CARET); }

std::string TreeText(const GadgetRecord& gadget) {
  const FolderTree* tree = TreeOf(gadget);
  if (!tree) return {};
  HTREEITEM selected = Selected(*tree);
  return selected ? PathOf(*tree, selected) : std::string();
}

void SetTreeText(GadgetRecord& gadget, const char* text) {
  FolderTree* tree = TreeOf(gadget);
  if (!tree) return;
  tree->notice.Close();
  const TreeTextRequest request = ClassifyTreeText(text ? text : "");
  switch (request.form) {
    case TreeTextRequest::Form::StartingView:
      BuildStartingView(*tree);
      break;
    case TreeTextRequest::Form::Pattern: {
      const std::string previous = TreeText(gadget);
      tree->pattern = request.pattern;
      BuildStartingView(*tree);
      if (!previous.empty()) LeadTo(*tree, previous);
      break;
    }
    case TreeTextRequest::Form::LeadToFolder:
      LeadTo(*tree, request.folderPath);
      break;
    case TreeTextRequest::Form::PatternAndFolder:
      tree->pattern = request.pattern;
      BuildStartingView(*tree);
      LeadTo(*tree, request.folderPath);
      break;
  }
}

// --- media changes -----------------------------------------------------------

void RefreshDrive(const FolderTree& tree, HTREEITEM entry, int drive) {
  const ShellLook look = DriveLook(drive);
  SetItem(tree.control, entry, TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN, &look.label, look.icon, 1, 0);
}

void DeviceChange(GadgetRecord& gadget, WPARAM event, LPARAM data) {
  FolderTree* tree = TreeOf(gadget);
  const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
  if (!tree || !header || header->dbch_devicetype != DBT_DEVTYP_VOLUME) return;
  if (event != DBT_DEVICEARRIVAL && event != DBT_DEVICEREMOVECOMPLETE) return;
  const DWORD units = reinterpret_cast<const DEV_BROADCAST_VOLUME*>(data)->dbcv_unitmask;
  const DWORD present = GetLogicalDrives();
  for (int drive = 0; drive < MostDrives; ++drive) {
    if (!(units & (1u << drive))) continue;
    HTREEITEM entry = DriveEntry(*tree, drive);
    if (event == DBT_DEVICEARRIVAL) {
      if (tree->notice.IsOpenFor(drive)) tree->notice.Close();
      if (entry)
        RefreshDrive(*tree, entry, drive);
      else if (present & (1u << drive))
        AddDrive(*tree, drive);  // after the documents entry, at the end
    } else if (entry && (present & (1u << drive))) {
      // The drive stays but lost its volume: forget what was read of it.
      SendMessageA(tree->control, TVM_EXPAND, TVE_COLLAPSE | TVE_COLLAPSERESET, reinterpret_cast<LPARAM>(entry));
      while (HTREEITEM child = NextEntry(tree->control, entry, TVGN_CHILD))
        SendMessageA(tree->control, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(child));
      SetItem(tree->control, entry, TVIF_PARAM, nullptr, 0, 0, drive);
      RefreshDrive(*tree, entry, drive);
    } else if (entry) {
      SendMessageA(tree->control, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(entry));
    }
  }
}

// --- the gadget kind -----------------------------------------------------------

void ReportEvent(const GadgetRecord& gadget, int type) { PostGadgetEvent(gadget.control, gadget.number, type); }

bool ParentMessage(GadgetRecord& gadget, UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
  FolderTree* tree = TreeOf(gadget);
  if (message != WM_NOTIFY || !tree) return false;
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  result = 0;
  switch (header->code) {
    case NM_CLICK: ReportEvent(gadget, event_type::Pressed); return true;
    case NM_RCLICK: {
      // The entry under the pointer becomes the selected one first.
      TVHITTESTINFO hit = {};
      GetCursorPos(&hit.pt);
      ScreenToClient(tree->control, &hit.pt);
      if (HTREEITEM item = reinterpret_cast<HTREEITEM>(SendMessageA(tree->control, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit))))
        SendMessageA(tree->control, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
      ReportEvent(gadget, event_type::RightClick);
      return true;
    }
    case NM_DBLCLK: ReportEvent(gadget, event_type::DoubleClick); return true;
    case NM_RDBLCLK: return true;  // reported from the control's own message, as Wine 8 sends none
    case TVN_SELCHANGEDA: ReportEvent(gadget, event_type::Changed); return true;
    case TVN_BEGINDRAGA:
    case TVN_BEGINRDRAGA:
      SendMessageA(tree->control, TVM_SELECTITEM, TVGN_CARET,
                   reinterpret_cast<LPARAM>(reinterpret_cast<const NMTREEVIEWA*>(lParam)->itemNew.hItem));
      ReportEvent(gadget, event_type::DragStarted);
      return true;
    case TVN_ITEMEXPANDINGA: {
      const auto* expanding = reinterpret_cast<const NMTREEVIEWA*>(lParam);
      if (expanding->action & TVE_EXPAND) OpenEntry(*tree, expanding->itemNew.hItem);
      return true;  // FALSE: let it open
    }
    case TVN_GETDISPINFOA: {
      auto* display = reinterpret_cast<NMTVDISPINFOA*>(const_cast<NMHDR*>(header));
      if (display->item.mask & TVIF_CHILDREN) {
        // Probed once, for the entries the tree actually shows; the tree keeps the answer.
        display->item.cChildren = HasChildren(*tree, PathOf(*tree, display->item.hItem)) ? 1 : 0;
        display->item.mask |= TVIF_DI_SETITEM;
      }
      return true;
    }
    default:
      return false;
  }
}

bool ControlMessage(GadgetRecord& gadget, UINT message, WPARAM, LPARAM, LRESULT&) {
  if (message == WM_RBUTTONDBLCLK) ReportEvent(gadget, event_type::RightDoubleClick);
  return false;
}

// Frees what the trees share and unregisters the notice's window class,
// whose procedure goes with the library.
void StopFolderTrees() {
  ForgetSharedLook();
  UnregisterNotReadyNotice();
}

const GadgetKind FolderTreeKind = {
    .getText = TreeText,
    .setText = SetTreeText,
    .controlMessage = ControlMessage,
    .parentMessage = ParentMessage,
    .deviceChange = DeviceChange,
    .shutDown = StopFolderTrees,
};

}  // namespace

int CreateFolderTree(int gadget, int x, int y, int width, int height, const char* text, std::uint32_t flags) {
  HIMAGELIST icons = SystemSmallIcons();
  if (!icons) return 0;
  DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP;
  if (!(flags & tree_flag::NoLines)) style |= TVS_HASLINES | TVS_LINESATROOT;
  if (!(flags & tree_flag::NoButtons)) style |= TVS_HASBUTTONS;
  if (flags & tree_flag::KeepSelectionVisible) style |= TVS_SHOWSELALWAYS;
  const DWORD extendedStyle = (flags & tree_flag::NoSunkenEdge) ? 0 : WS_EX_CLIENTEDGE;
  // Made first: it enters this thread into COM for the tree's lifetime.
  auto data = std::make_unique<FolderTree>();
  FolderTree& tree = *data;
  GadgetRecord* record = CreateGadget(FolderTreeKind, gadget, WC_TREEVIEWA, style, extendedStyle, x, y, width,
                                      height, nullptr, std::move(data));
  if (!record) return 0;
  // The system's icon list is shared: the tree must not destroy it.
  SendMessageA(record->control, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(icons));
  tree.control = record->control;
  tree.flags = flags;
  BuildStartingView(tree);
  SetTreeText(*record, text);
  return 1;
}

}  // namespace toolkit
