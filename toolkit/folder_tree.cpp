#include "toolkit/folder_tree.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/drive_changes.h"
#include "toolkit/folder_listing.h"
#include "toolkit/folder_paths.h"
#include "toolkit/not_ready_notice.h"
#include "toolkit/quiet_drive_errors.h"
#include "toolkit/room.h"
#include "toolkit/scoped_com.h"
#include "toolkit/shell_look.h"
#include "toolkit/toolkit_state.h"
#include "toolkit/tree_entries.h"

namespace toolkit {

namespace {

// What the 32-bit tree view sends: the sizes that this file relies on.
static_assert(sizeof(void*) == 8 || (sizeof(NMTREEVIEWA) == 104 && sizeof(NMTVDISPINFOA) == 52));

// A tree's own data, in its gadget record: made with the control and gone
// with it, the notice closed first.
struct FolderTree final : GadgetData {
  ScopedCom com;  // the shell's folders, on the dialog's thread while the tree lives
  HWND control = nullptr;  // destroyed with its window
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

void BuildStartingView(FolderTree& tree) {
  tree.notice.Close();
  SendMessageA(tree.control, WM_SETREDRAW, FALSE, 0);
  SendMessageA(tree.control, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
  const SharedLook& look = SharedTreeLook();
  tree.computer = InsertEntry(tree.control, TVI_ROOT, TVI_LAST, look.computerLabel, look.computerIcon,
                              entry_kind::Computer, 1, LoadedMark);
  const DWORD drives = GetLogicalDrives();
  for (int drive = 0; drive < MostDrives; ++drive)
    if (drives & (1u << drive)) AddDriveEntry(tree.control, tree.computer, drive);
  if (!look.documentsPath.empty())
    InsertEntry(tree.control, tree.computer, TVI_LAST, look.documentsLabel, look.documentsIcon,
                entry_kind::Documents, 1);
  SendMessageA(tree.control, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(tree.computer));
  SendMessageA(tree.control, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(tree.control, nullptr, TRUE);
}

// Whether a folder gets an expand button: a subfolder. Asked only for
// entries the tree shows.
bool HasSubfolder(const std::string& path) {
  FileSearch search(path + "*.*");
  while (const FoundEntry* found = search.NextFound())
    if (found->IsSubfolder()) return true;
  return false;
}

// A folder's subfolders (hidden and system ones too), in the order the
// file system lists them. A folder may hold any number: the list grows
// only where there is room (room.h); a listing without it ends the call.
std::vector<std::string> SubfolderNames(const std::string& path) {
  std::vector<std::string> names;
  FileSearch everything(path + "*.*");
  while (const FoundEntry* found = everything.NextFound()) {
    if (found->IsSubfolder() && RoomForOneMore(names)) names.push_back(found->name);
    if (OutOfRoom()) return {};
  }
  return names;
}

// The expand button of a new folder entry is probed when the tree first shows it.
HTREEITEM InsertFolder(HWND control, HTREEITEM parent, HTREEITEM after, const std::string& name) {
  return InsertEntry(control, parent, after, name, SharedTreeLook().folderIcon, entry_kind::Folder,
                     I_CHILDRENCALLBACK);
}

// Reads an entry's children the first time it is opened; false when the
// entry stays unread (a drive that is not ready), so that the next opening
// tries again.
bool OpenEntry(FolderTree& tree, HTREEITEM item) {
  const LPARAM data = ItemData(tree.control, item);
  if (data & LoadedMark) return true;
  const int kind = static_cast<int>(data & 0xFF);
  const std::string path = PathOf(tree.control, item);
  if (kind < MostDrives) {
    ULARGE_INTEGER available;
    QuietDriveErrors quiet;
    if (!GetDiskFreeSpaceExA(path.c_str(), &available, nullptr, nullptr)) {
      tree.notice.Show(tree.control, kind);
      return false;
    }
  }
  const std::vector<std::string> names = SubfolderNames(path);
  if (OutOfRoom()) return false;
  // The entry is still collapsed: inserting now is cheap, and the tree draws
  // the new level once, when it opens.
  for (const std::string& name : names) InsertFolder(tree.control, item, TVI_LAST, name);
  SetEntry(tree.control, item, TVIF_PARAM | TVIF_CHILDREN, nullptr, 0, names.empty() ? 0 : 1, data | LoadedMark);
  return true;
}

// Reads a loaded entry's children again: entries of what is gone are
// removed, what is new is added in the file system's order, and the entries
// that stay keep their own children and whether they are open.
void Reread(FolderTree& tree, HTREEITEM item) {
  const std::vector<std::string> names = SubfolderNames(PathOf(tree.control, item));
  if (OutOfRoom()) return;
  auto entryNamed = [&](const std::string& name) {
    for (HTREEITEM entry = NextEntry(tree.control, item, TVGN_CHILD); entry;
         entry = NextEntry(tree.control, entry, TVGN_NEXT))
      if (LabelOf(tree.control, entry) == name) return entry;
    return HTREEITEM{};
  };
  for (HTREEITEM entry = NextEntry(tree.control, item, TVGN_CHILD); entry;) {
    HTREEITEM next = NextEntry(tree.control, entry, TVGN_NEXT);
    if (std::find(names.begin(), names.end(), LabelOf(tree.control, entry)) == names.end())
      SendMessageA(tree.control, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(entry));
    entry = next;
  }
  HTREEITEM previous = TVI_FIRST;
  for (const std::string& name : names) {
    HTREEITEM existing = entryNamed(name);
    previous = existing ? existing : InsertFolder(tree.control, item, previous, name);
  }
  SetEntry(tree.control, item, TVIF_CHILDREN, nullptr, 0, names.empty() ? 0 : 1, 0);
}

// The folder entry among an entry's children whose label names `name` as
// the file system matches names. Where two names differ only in case (a
// case-sensitive folder, or Wine on a Unix folder) the exact one wins.
HTREEITEM FolderEntryNamed(const FolderTree& tree, HTREEITEM parent, const std::string& name) {
  HTREEITEM ignoringCase = nullptr;
  for (HTREEITEM child = NextEntry(tree.control, parent, TVGN_CHILD); child;
       child = NextEntry(tree.control, child, TVGN_NEXT)) {
    if (KindOf(tree.control, child) != entry_kind::Folder) continue;
    const std::string label = LabelOf(tree.control, child);
    if (label == name) return child;
    if (!ignoringCase && SameFolderPath(label, name)) ignoringCase = child;
  }
  return ignoringCase;
}

// Leads the tree to a folder path; stops where a name is missing, leaving
// the selection as it was. An entry read earlier may not know a folder made
// since (in the chooser, for one): it is read again once before the name
// counts as missing.
void LeadTo(FolderTree& tree, const std::string& folderPath) {
  const std::optional<FolderPathParts> parts = SplitFolderPath(folderPath);
  if (!parts) return;
  HTREEITEM current = DriveEntry(tree.control, tree.computer, parts->driveNumber);
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

std::string TreeText(const GadgetRecord& gadget) {
  const FolderTree* tree = TreeOf(gadget);
  if (!tree) return {};
  HTREEITEM selected = NextEntry(tree->control, nullptr, TVGN_CARET);
  return selected ? PathOf(tree->control, selected) : std::string();
}

// Empty text or a single backslash: the starting view, nothing selected;
// any other text: a folder path to lead the tree to.
void SetTreeText(GadgetRecord& gadget, const char* text) {
  FolderTree* tree = TreeOf(gadget);
  if (!tree) return;
  tree->notice.Close();
  const std::string path = text ? text : "";
  if (path.empty() || path == "\\")
    BuildStartingView(*tree);
  else
    LeadTo(*tree, path);
}

void DeviceChange(GadgetRecord& gadget, WPARAM event, LPARAM data) {
  if (FolderTree* tree = TreeOf(gadget)) FollowDriveChange(tree->control, tree->computer, tree->notice, event, data);
}

bool ParentMessage(GadgetRecord& gadget, UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
  FolderTree* tree = TreeOf(gadget);
  if (message != WM_NOTIFY || !tree) return false;
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  result = 0;
  switch (header->code) {
    case NM_RCLICK: {
      // The entry under the pointer becomes the selected one first.
      TVHITTESTINFO hit = {};
      GetCursorPos(&hit.pt);
      ScreenToClient(tree->control, &hit.pt);
      if (HTREEITEM item = reinterpret_cast<HTREEITEM>(SendMessageA(tree->control, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit))))
        SendMessageA(tree->control, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
      PostGadgetEvent(gadget.control, gadget.number, event_type::RightClick);
      return true;
    }
    case TVN_ITEMEXPANDINGA: {
      const auto* expanding = reinterpret_cast<const NMTREEVIEWA*>(lParam);
      if (expanding->action & TVE_EXPAND) OpenEntry(*tree, expanding->itemNew.hItem);
      return true;  // FALSE: let it open
    }
    case TVN_GETDISPINFOA: {
      auto* display = reinterpret_cast<NMTVDISPINFOA*>(const_cast<NMHDR*>(header));
      if (display->item.mask & TVIF_CHILDREN) {
        // Probed once, for the entries the tree actually shows; the tree keeps the answer.
        display->item.cChildren = HasSubfolder(PathOf(tree->control, display->item.hItem)) ? 1 : 0;
        display->item.mask |= TVIF_DI_SETITEM;
      }
      return true;
    }
    default:
      return false;
  }
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
    .parentMessage = ParentMessage,
    .deviceChange = DeviceChange,
    .shutDown = StopFolderTrees,
};

}  // namespace

int CreateFolderTree(int gadget, int x, int y, int width, int height, const char* text, std::uint32_t flags) {
  HIMAGELIST icons = SystemSmallIcons();
  if (!icons) return 0;
  DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | TVS_HASLINES | TVS_LINESATROOT | TVS_HASBUTTONS;
  if (flags & tree_flag::KeepSelectionVisible) style |= TVS_SHOWSELALWAYS;
  // Made first: it enters this thread into COM for the tree's lifetime.
  auto data = std::make_unique<FolderTree>();
  FolderTree& tree = *data;
  GadgetRecord* record = CreateGadget(FolderTreeKind, gadget, WC_TREEVIEWA, style, WS_EX_CLIENTEDGE, x, y, width,
                                      height, nullptr, std::move(data));
  if (!record) return 0;
  // The system's icon list is shared: the tree must not destroy it.
  SendMessageA(record->control, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(icons));
  tree.control = record->control;
  BuildStartingView(tree);
  SetTreeText(*record, text);
  return 1;
}

}  // namespace toolkit
