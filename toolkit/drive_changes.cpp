#include "toolkit/drive_changes.h"

#include <dbt.h>

#include <cstddef>

#include "toolkit/not_ready_notice.h"
#include "toolkit/tree_entries.h"

namespace toolkit {

// What a 32-bit system sends: the size and the drive mask's place that this file relies on.
static_assert(sizeof(DEV_BROADCAST_VOLUME) == 20 && offsetof(DEV_BROADCAST_VOLUME, dbcv_unitmask) == 12);

void FollowDriveChange(HWND tree, HTREEITEM computer, NotReadyNotice& notice, WPARAM event, LPARAM data) {
  const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
  if (!header || header->dbch_devicetype != DBT_DEVTYP_VOLUME) return;
  if (event != DBT_DEVICEARRIVAL && event != DBT_DEVICEREMOVECOMPLETE) return;
  const DWORD units = reinterpret_cast<const DEV_BROADCAST_VOLUME*>(data)->dbcv_unitmask;
  const DWORD present = GetLogicalDrives();
  for (int drive = 0; drive < MostDrives; ++drive) {
    if (!(units & (1u << drive))) continue;
    HTREEITEM entry = DriveEntry(tree, computer, drive);
    if (event == DBT_DEVICEARRIVAL) {
      if (notice.IsOpenFor(drive)) notice.Close();
      if (entry)
        RefreshDriveEntry(tree, entry, drive);
      else if (present & (1u << drive))
        AddDriveEntry(tree, computer, drive);  // after the documents entry, at the end
    } else if (entry && (present & (1u << drive))) {
      // The drive stays but lost its volume: forget what was read of it.
      SendMessageA(tree, TVM_EXPAND, TVE_COLLAPSE | TVE_COLLAPSERESET, reinterpret_cast<LPARAM>(entry));
      while (HTREEITEM child = NextEntry(tree, entry, TVGN_CHILD))
        SendMessageA(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(child));
      SetEntry(tree, entry, TVIF_PARAM, nullptr, 0, 0, drive);
      RefreshDriveEntry(tree, entry, drive);
    } else if (entry) {
      SendMessageA(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(entry));
    }
  }
}

}  // namespace toolkit
