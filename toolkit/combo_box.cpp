// Combo box: a drop-down list. Its state is the index of the selected line
// (-1 for none), its text that line's; its events are the combo box's own
// notification codes.
#include "toolkit/toolkit_state.h"
#include "toolkit/window_placement.h"

namespace toolkit {

namespace {
// WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_GROUP | CBS_HASSTRINGS (0x50A20200),
// and CBS_DROPDOWNLIST | WS_TABSTOP (0x10003).
constexpr DWORD ComboStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_GROUP | CBS_HASSTRINGS |
                             CBS_DROPDOWNLIST | WS_TABSTOP;
// Room for the drop-down list; the closed box is sized by the height rule.
constexpr int CreationHeight = 350;
constexpr int MeasuringFieldHeight = 15;

std::string LineText(HWND control, int line) {
  const LRESULT length = SendMessageA(control, CB_GETLBTEXTLEN, line, 0);
  if (length == CB_ERR) return {};
  std::string text(static_cast<std::size_t>(length), '\0');
  const LRESULT copied = SendMessageA(control, CB_GETLBTEXT, line, reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == CB_ERR ? 0 : static_cast<std::size_t>(copied));
  return text;
}

// Reports no event: CB_SETCURSEL sends no notification.
void SelectLine(GadgetRecord& gadget, int line) {
  SendMessageA(gadget.control, CB_SETCURSEL, static_cast<WPARAM>(line), 0);
}

std::string SelectedText(const GadgetRecord& gadget) {
  const int selected = static_cast<int>(SendMessageA(gadget.control, CB_GETCURSEL, 0, 0));
  return selected < 0 ? std::string() : LineText(gadget.control, selected);
}

void AddLine(GadgetRecord& gadget, int position, const char* text) {
  SendMessageA(gadget.control, CB_INSERTSTRING, static_cast<WPARAM>(position),
               reinterpret_cast<LPARAM>(text ? text : ""));
}

const GadgetKind ComboBoxKind = {
    .setState = SelectLine,
    .getText = SelectedText,
    .addItem = AddLine,
};

int WindowHeight(HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  return r.bottom - r.top;
}
}  // namespace

int CreateComboBox(int gadget, int x, int y, int width, int height, std::uint32_t flags) {
  GadgetRecord* record = CreateGadget(ComboBoxKind, gadget, "ComboBox", ComboStyle | flags, WS_EX_CLIENTEDGE, x,
                                      y, width, CreationHeight, nullptr);
  if (!record) return 0;
  HWND control = record->control;
  SendMessageA(control, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), MeasuringFieldHeight);
  SendMessageA(control, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1),
               SelectionFieldHeight(height, WindowHeight(control)));
  return 1;
}

}  // namespace toolkit
