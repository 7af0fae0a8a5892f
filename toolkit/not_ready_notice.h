// The notice a folder tree shows when a drive it opens is not ready (no
// medium): a small window of the toolkit's own, owned by the tree's dialog,
// naming the drive. The tree is disabled while it is open.
#pragma once

#include <windows.h>

namespace toolkit {

class NotReadyNotice {
 public:
  NotReadyNotice() = default;
  ~NotReadyNotice() { Close(); }
  NotReadyNotice(const NotReadyNotice&) = delete;
  NotReadyNotice& operator=(const NotReadyNotice&) = delete;

  // Shows the notice for `drive` (0 for A:) over the tree's dialog, closing
  // one that is open.
  void Show(HWND tree, int drive);
  // Closes the notice, if open, and enables the tree again; the user's
  // "Abbrechen" and close box do the same.
  void Close();
  bool IsOpenFor(int drive) const { return window_ && drive_ == drive; }

 private:
  static LRESULT CALLBACK Procedure(HWND, UINT, WPARAM, LPARAM);
  HWND window_ = nullptr;
  HWND tree_ = nullptr;  // not owned
  int drive_ = -1;
};

// At the toolkit's stop: the notice's window class goes, whose procedure
// goes with the library.
void UnregisterNotReadyNotice();

}  // namespace toolkit
