#include "hosts/brindle_edit/find_dialog.h"

#include <dlgs.h>

#include <algorithm>
#include <utility>

namespace brindle_edit {

namespace {
// The system hands out one number per name: asked for once, at start-up. (A
// function's own static would need the runtime's thread-safe guard, which
// brings its exception machinery back into the program.)
const UINT findMessage = RegisterWindowMessageW(FINDMSGSTRINGW);
}  // namespace

UINT FindDialog::Message() { return findMessage; }

FindDialog::FindDialog() {
  request_.lStructSize = sizeof request_;
  request_.lpstrFindWhat = what_.data();
  request_.wFindWhatLen = static_cast<WORD>(what_.size());
  request_.lpstrReplaceWith = with_.data();
  request_.wReplaceWithLen = static_cast<WORD>(with_.size());
  request_.Flags = FR_DOWN;
}

void FindDialog::Open(HWND owner, const std::wstring& what, bool replacing) {
  // The other dialog goes as on its own "Abbrechen", which tells the owner (FR_DIALOGTERM).
  if (dialog_ && replacing != replacing_) {
    SendMessageW(dialog_, WM_COMMAND, IDCANCEL, 0);
    if (dialog_) DestroyWindow(std::exchange(dialog_, nullptr));
  }
  if (!what.empty() && what.find(L'\r') == std::wstring::npos) {
    const std::size_t length = std::min(what.size(), what_.size() - 1);
    std::copy_n(what.c_str(), length, what_.begin());
    what_[length] = L'\0';
  }
  if (dialog_) {
    SetDlgItemTextW(dialog_, edt1, what_.data());
    SetActiveWindow(dialog_);
    return;
  }
  request_.hwndOwner = owner;
  request_.Flags &= FR_DOWN | FR_MATCHCASE | FR_WHOLEWORD;
  replacing_ = replacing;
  dialog_ = replacing ? ReplaceTextW(&request_) : FindTextW(&request_);
}

bool FindDialog::Take(LPARAM request) {
  if (reinterpret_cast<FINDREPLACEW*>(request)->Flags & FR_DIALOGTERM) {
    dialog_ = nullptr;
    return false;
  }
  return true;
}

}  // namespace brindle_edit
