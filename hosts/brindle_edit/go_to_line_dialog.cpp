#include "hosts/brindle_edit/go_to_line_dialog.h"

#include <string>
#include <string_view>
#include <vector>

namespace brindle_edit {

namespace {

constexpr int NumberId = 100;

struct Asked {
  int current, lines;
};

// A dialog template in memory: the dialog, then each control, each DWORD-aligned.
class Template {
 public:
  Template(std::wstring_view title, short width, short height) {
    Dword(DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    Dword(0);
    count_ = words_.size();
    words_.insert(words_.end(), {0, 0, 0, static_cast<WORD>(width), static_cast<WORD>(height), 0, 0});
    Text(title);
    words_.push_back(9);  // the font's size in points
    Text(L"MS Shell Dlg");
  }
  void Control(WORD atom, std::wstring_view text, DWORD style, short x, short y, short width, short height, WORD id) {
    if (words_.size() % 2) words_.push_back(0);
    Dword(WS_CHILD | WS_VISIBLE | style);
    Dword(0);
    words_.insert(words_.end(), {static_cast<WORD>(x), static_cast<WORD>(y), static_cast<WORD>(width),
                                 static_cast<WORD>(height), id, 0xFFFF, atom});
    Text(text);
    words_.push_back(0);  // no creation data
    ++words_[count_];
  }
  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void Dword(DWORD value) { words_.insert(words_.end(), {LOWORD(value), HIWORD(value)}); }
  void Text(std::wstring_view text) {
    words_.insert(words_.end(), text.begin(), text.end());
    words_.push_back(0);
  }
  std::vector<WORD> words_;
  std::size_t count_ = 0;  // where the number of controls stands
};

INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    const auto& asked = *reinterpret_cast<const Asked*>(lParam);
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    SetDlgItemInt(dialog, NumberId, static_cast<UINT>(asked.current), FALSE);
    SendDlgItemMessageW(dialog, NumberId, EM_SETSEL, 0, -1);
    return TRUE;
  }
  if (message != WM_COMMAND || (LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL)) return FALSE;
  if (LOWORD(wParam) == IDCANCEL) {
    EndDialog(dialog, 0);
    return TRUE;
  }
  const auto& asked = *reinterpret_cast<const Asked*>(GetWindowLongPtrW(dialog, DWLP_USER));
  BOOL read = FALSE;
  const UINT number = GetDlgItemInt(dialog, NumberId, &read, FALSE);
  if (read && number >= 1 && number <= static_cast<UINT>(asked.lines)) {
    EndDialog(dialog, static_cast<INT_PTR>(number));
    return TRUE;
  }
  const std::wstring range = L"Die Zeilennummer liegt außerhalb des Skripts: es hat die Zeilen 1 bis " +
                             std::to_wstring(asked.lines) + L".";
  MessageBoxW(dialog, range.c_str(), L"Gehe zu Zeile", MB_OK | MB_ICONINFORMATION);
  SetFocus(GetDlgItem(dialog, NumberId));
  SendDlgItemMessageW(dialog, NumberId, EM_SETSEL, 0, -1);
  return TRUE;
}

}  // namespace

std::optional<int> AskLineNumber(HWND owner, int current, int lines) {
  constexpr WORD Button = 0x0080, Edit = 0x0081, Static = 0x0082;
  Template dialog(L"Gehe zu Zeile", 170, 62);
  const std::wstring label = L"&Zeilennummer (1 bis " + std::to_wstring(lines) + L"):";
  dialog.Control(Static, label, SS_LEFT, 7, 7, 156, 9, 0xFFFF);
  dialog.Control(Edit, L"", WS_BORDER | WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL, 7, 19, 156, 13, NumberId);
  dialog.Control(Button, L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 59, 41, 50, 14, IDOK);
  dialog.Control(Button, L"Abbrechen", WS_TABSTOP | BS_PUSHBUTTON, 113, 41, 50, 14, IDCANCEL);
  Asked asked = {current, lines};
  const INT_PTR number = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.Get(), owner, Procedure,
                                                 reinterpret_cast<LPARAM>(&asked));
  if (number <= 0) return std::nullopt;
  return static_cast<int>(number);
}

}  // namespace brindle_edit
