// Ctrl+F: the system's modeless find dialog. It stays open while the user
// goes on searching; its requests reach the owner as Message().
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <array>
#include <string>

namespace brindle_edit {

class FindDialog {
 public:
  // The registered message (FINDMSGSTRING) that the dialog sends its owner.
  static UINT Message();

  FindDialog();
  FindDialog(const FindDialog&) = delete;
  FindDialog& operator=(const FindDialog&) = delete;

  // Opens the dialog, or brings it forward, with `what` to find when given.
  void Open(HWND owner, const std::wstring& what);
  HWND Window() const { return dialog_; }
  // What to find and how (FR_DOWN, FR_MATCHCASE, FR_WHOLEWORD): the last
  // request, for F3 too. Empty before the first.
  std::wstring What() const { return what_.data(); }
  DWORD Flags() const { return request_.Flags; }
  // Takes a Message(); false when it closed the dialog.
  bool Take(LPARAM request);

 private:
  std::array<wchar_t, 256> what_ = {};
  FINDREPLACEW request_ = {};  // the system reads it while the dialog is open
  HWND dialog_ = nullptr;
};

}  // namespace brindle_edit
