// String field: a one-line text field ("Edit") that scrolls horizontally.
// Besides the edit control's own notifications it reports gaining (14000)
// and losing (14001) the keyboard focus.
#include "toolkit/toolkit_state.h"

namespace toolkit {

namespace {
constexpr DWORD FieldStyle = WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | ES_AUTOHSCROLL;  // 0x50030080

bool ReportFocus(GadgetRecord& gadget, UINT message, WPARAM, LPARAM, LRESULT&) {
  if (message == WM_SETFOCUS) PostGadgetEvent(gadget.control, gadget.number, event_type::FocusGained);
  if (message == WM_KILLFOCUS) PostGadgetEvent(gadget.control, gadget.number, event_type::FocusLost);
  return false;  // the edit control handles focus as usual
}

const GadgetKind StringFieldKind = {.controlMessage = ReportFocus};
}  // namespace

int CreateStringField(int gadget, int x, int y, int width, int height, const char* text,
                      std::uint32_t flags) {
  return CreateGadget(StringFieldKind, gadget, "Edit", FieldStyle | flags, WS_EX_CLIENTEDGE, x, y,
                      width, height, text) != nullptr;
}

}  // namespace toolkit
