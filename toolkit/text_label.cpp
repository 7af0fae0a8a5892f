// Text label: a left-aligned caption ("Static"), without events.
#include "toolkit/toolkit_state.h"

namespace toolkit {

namespace {
constexpr DWORD LabelStyle = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT;  // 0x50020000

const GadgetKind TextLabelKind = {
    .name = "text label",
    .takesColours = true,
    .parentMessage = HandleGadgetColourMessage,
};
}  // namespace

int CreateTextLabel(int gadget, int x, int y, int width, int height, const char* text,
                    std::uint32_t flags) {
  const DWORD extendedStyle = (flags & gadget_flag::Border) ? WS_EX_CLIENTEDGE : 0;
  return CreateGadget(TextLabelKind, gadget, "Static", LabelStyle | flags, extendedStyle, x, y,
                      width, height, text) != nullptr;
}

}  // namespace toolkit
