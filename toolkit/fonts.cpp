// Numbered fonts, and giving a gadget one of them.
#include "toolkit/toolkit_state.h"

namespace toolkit {

namespace {
constexpr int PointsPerInch = 72;
}  // namespace

HFONT LoadFont(int font, const char* faceName, int points) {
  auto& fonts = State().fonts;
  fonts.erase(font);
  const int pixelsPerInch = GetDeviceCaps(ScreenDC().Get(), LOGPIXELSY);
  HFONT created = CreateFontA(-MulDiv(points, pixelsPerInch, PointsPerInch), 0, 0, 0, FW_NORMAL,
                              FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                              faceName ? faceName : "");
  if (!created) return nullptr;
  fonts.emplace(font, ScopedFont(created));
  return created;
}

void SetGadgetFont(int gadget, HFONT font) {
  if (const GadgetRecord* record = FindGadget(gadget))
    SendMessageA(record->control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

}  // namespace toolkit
