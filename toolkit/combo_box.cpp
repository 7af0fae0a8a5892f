// Combo box: a drop-down list, or with flag 2 an editable box with a text
// field. Its state is the index of the selected line (-1 for none); its
// events are the combo box's own notification codes.
#include "toolkit/toolkit_state.h"
#include "toolkit/window_placement.h"

namespace toolkit {

namespace {
constexpr DWORD ComboStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_GROUP | CBS_HASSTRINGS;  // 0x50A20200
constexpr DWORD DropDownListStyle = CBS_DROPDOWNLIST | WS_TABSTOP;  // 0x10003
// Room for the drop-down list; the closed box is sized by the height rule.
constexpr int CreationHeight = 350;
constexpr int MeasuringFieldHeight = 15;

bool IsEditable(const GadgetRecord& gadget) {
  return (GetWindowLongA(gadget.control, GWL_STYLE) & 0x3) == CBS_DROPDOWN;
}

std::string LineText(HWND control, int line) {
  const LRESULT length = SendMessageA(control, CB_GETLBTEXTLEN, line, 0);
  if (length == CB_ERR) return {};
  std::string text(static_cast<std::size_t>(length), '\0');
  const LRESULT copied = SendMessageA(control, CB_GETLBTEXT, line, reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == CB_ERR ? 0 : static_cast<std::size_t>(copied));
  return text;
}

int SelectedLine(const GadgetRecord& gadget) {
  return static_cast<int>(SendMessageA(gadget.control, CB_GETCURSEL, 0, 0));
}

// Reports no event: CB_SETCURSEL sends no notification.
void SelectLine(GadgetRecord& gadget, int line) {
  SendMessageA(gadget.control, CB_SETCURSEL, static_cast<WPARAM>(line), 0);
}

std::string Text(const GadgetRecord& gadget) {
  if (IsEditable(gadget)) return ControlText(gadget.control);
  const int selected = SelectedLine(gadget);
  return selected < 0 ? std::string() : LineText(gadget.control, selected);
}

// A drop-down list selects the line that equals the text byte for byte
// (CB_FINDSTRINGEXACT would ignore case); no match changes nothing.
void SetText(GadgetRecord& gadget, const char* text) {
  const std::string wanted = text ? text : "";
  if (IsEditable(gadget)) {
    SetWindowTextA(gadget.control, wanted.c_str());
    return;
  }
  if (wanted.empty()) {
    SelectLine(gadget, -1);
    return;
  }
  const int lines = static_cast<int>(SendMessageA(gadget.control, CB_GETCOUNT, 0, 0));
  for (int line = 0; line < lines; ++line) {
    if (LineText(gadget.control, line) == wanted) {
      SelectLine(gadget, line);
      return;
    }
  }
}

void AddLine(GadgetRecord& gadget, int position, const char* text) {
  SendMessageA(gadget.control, CB_INSERTSTRING, static_cast<WPARAM>(position),
               reinterpret_cast<LPARAM>(text ? text : ""));
}

const GadgetKind ComboBoxKind = {
    .name = "combo box",
    .getState = SelectedLine,
    .setState = SelectLine,
    .getText = Text,
    .setText = SetText,
    .addItem = AddLine,
};

int WindowHeight(HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  return r.bottom - r.top;
}
}  // namespace

int CreateComboBox(int gadget, int x, int y, int width, int height, std::uint32_t flags) {
  const bool editable = flags & gadget_flag::Editable;
  const DWORD style = ComboStyle | flags | (editable ? 0 : DropDownListStyle);
  GadgetRecord* record = CreateGadget(ComboBoxKind, gadget, "ComboBox", style, WS_EX_CLIENTEDGE, x,
                                      y, width, CreationHeight, nullptr);
  if (!record) return 0;
  HWND control = record->control;
  if (editable) {
    HWND field = GetWindow(control, GW_CHILD);
    if (field) SetWindowLongA(field, GWL_STYLE, GetWindowLongA(field, GWL_STYLE) | WS_TABSTOP);
  }
  SendMessageA(control, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), MeasuringFieldHeight);
  SendMessageA(control, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1),
               SelectionFieldHeight(height, WindowHeight(control)));
  return 1;
}

}  // namespace toolkit
