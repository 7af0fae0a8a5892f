// Text and background colours of text labels and string fields, painted in
// answer to the control colour messages they send their window.
#include "toolkit/toolkit_state.h"

namespace toolkit {

void SetGadgetColour(int gadget, int colourType, int colour) {
  GadgetRecord* record = FindGadget(gadget);
  if (!record || !record->kind->takesColours) return;
  if (colourType == colour_type::Text) {
    record->textColour = colour;
  } else if (colourType == colour_type::Background) {
    record->backgroundColour = colour;
    record->backgroundBrush.Reset(
        colour == DefaultColour ? nullptr : CreateSolidBrush(static_cast<COLORREF>(colour)));
  } else {
    return;
  }
  InvalidateRect(record->control, nullptr, TRUE);
}

bool HandleGadgetColourMessage(GadgetRecord& gadget, UINT message, WPARAM wParam, LPARAM,
                               LRESULT& result) {
  if (message != WM_CTLCOLORSTATIC && message != WM_CTLCOLOREDIT) return false;
  if (gadget.textColour == DefaultColour && gadget.backgroundColour == DefaultColour) return false;
  HDC dc = reinterpret_cast<HDC>(wParam);
  if (gadget.textColour != DefaultColour) SetTextColor(dc, static_cast<COLORREF>(gadget.textColour));
  if (gadget.backgroundBrush) {
    SetBkColor(dc, static_cast<COLORREF>(gadget.backgroundColour));
    result = reinterpret_cast<LRESULT>(gadget.backgroundBrush.Get());
  } else {
    // Only the text colour was set: keep the background the system would paint.
    // An enabled, writable field paints as a window; labels and read-only fields as the dialog face.
    const bool windowFace = message == WM_CTLCOLOREDIT;
    const int face = windowFace ? COLOR_WINDOW : COLOR_BTNFACE;
    SetBkColor(dc, GetSysColor(face));
    result = reinterpret_cast<LRESULT>(GetSysColorBrush(face));
  }
  return true;
}

}  // namespace toolkit
