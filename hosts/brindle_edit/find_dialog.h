// Ctrl+F and Ctrl+H: the system's modeless find and replace dialogs, one
// at a time. A dialog stays open while the user goes on searching and
// replacing; its requests reach the owner as Message().
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

  // Opens the find dialog, or with `replacing` the replace dialog (closing
  // the other one), or brings it forward, with `what` to find when given.
  void Open(HWND owner, const std::wstring& what, bool replacing = false);
  HWND Window() const { return dialog_; }
  // What to find and how (FR_DOWN, FR_MATCHCASE, FR_WHOLEWORD; the replace
  // dialog searches down, with FR_REPLACE or FR_REPLACEALL for its
  // buttons): the last request, for F3 too. Empty before the first.
  std::wstring What() const { return what_.data(); }
  std::wstring With() const { return with_.data(); }
  DWORD Flags() const { return request_.Flags | (replacing_ ? FR_DOWN : 0); }
  // Takes a Message(); false when it closed the dialog.
  bool Take(LPARAM request);

 private:
  std::array<wchar_t, 256> what_ = {}, with_ = {};
  FINDREPLACEW request_ = {};  // the system reads it while the dialog is open
  HWND dialog_ = nullptr;
  bool replacing_ = false;
};

}  // namespace brindle_edit
