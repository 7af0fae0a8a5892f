// Frame: a captioned group box, without events.
#include "toolkit/toolkit_state.h"

namespace toolkit {

namespace {
constexpr DWORD FrameStyle = WS_CHILD | WS_VISIBLE | WS_GROUP | BS_GROUPBOX;  // 0x50020007

const GadgetKind FrameKind = {};  // its caption is all it has
}  // namespace

int CreateFrame(int gadget, int x, int y, int width, int height, const char* text, int frameType) {
  return CreateGadget(FrameKind, gadget, "Button", FrameStyle | static_cast<DWORD>(frameType), 0, x,
                      y, width, height, text) != nullptr;
}

}  // namespace toolkit
