// Numbered fonts, and the font that new gadgets get.
#include "toolkit/toolkit_state.h"

namespace toolkit {

namespace {
constexpr int PointsPerInch = 72;

HFONT StockGuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

HFONT Resolve(HFONT font) { return font == DefaultGadgetFont() ? StockGuiFont() : font; }
}  // namespace

HFONT DefaultGadgetFont() { return reinterpret_cast<HFONT>(static_cast<INT_PTR>(-1)); }

HFONT LoadFont(int font, const char* faceName, int points) {
  ToolkitState& s = State();
  auto& fonts = s.fonts;
  if (auto old = fonts.find(font); old != fonts.end()) {
    // New gadgets must not be given a deleted font.
    if (s.gadgetFont == old->second.Get()) s.gadgetFont = StockGuiFont();
    fonts.erase(old);
  }
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
  if (gadget == AnyNumber) {
    State().gadgetFont = Resolve(font);
    return;
  }
  if (const GadgetRecord* record = FindGadget(gadget))
    SendMessageA(record->control, WM_SETFONT, reinterpret_cast<WPARAM>(Resolve(font)), TRUE);
}

}  // namespace toolkit
