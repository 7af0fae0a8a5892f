// A folder tree following the system's device notifications, as media
// arrive in drives and go. Internal to the folder tree.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace toolkit {

class NotReadyNotice;

// Brings a tree's drive entries up to date after a WM_DEVICECHANGE of a
// volume: an arrival closes the notice for its drive and shows the drive
// with its new label (a new drive at the end of the computer's children);
// a removal forgets what was read of a drive that stays and removes the
// entry of a drive that is gone. The documents entry is never touched.
void FollowDriveChange(HWND tree, HTREEITEM computer, NotReadyNotice& notice, WPARAM event, LPARAM data);

}  // namespace toolkit
