// Text label: a left-aligned caption ("Static"), without events.
#include "toolkit/toolkit_state.h"

namespace toolkit {

namespace {
constexpr DWORD LabelStyle = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT;  // 0x50020000

const GadgetKind TextLabelKind = {};  // its caption is all it has
}  // namespace

int CreateTextLabel(int gadget, int x, int y, int width, int height, const char* text,
                    std::uint32_t flags) {
  return CreateGadget(TextLabelKind, gadget, "Static", LabelStyle | flags, 0, x, y, width, height,
                      text) != nullptr;
}

}  // namespace toolkit
