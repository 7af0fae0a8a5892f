// Button: a push button; pressing it (mouse or space bar) reports type 0.
#include "toolkit/toolkit_state.h"

namespace toolkit {

namespace {
constexpr DWORD ButtonStyle = WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_PUSHBUTTON;  // 0x50030000

const GadgetKind ButtonKind = {};  // its caption is all it has
}  // namespace

int CreateButton(int gadget, int x, int y, int width, int height, const char* text,
                 std::uint32_t flags) {
  return CreateGadget(ButtonKind, gadget, "Button", ButtonStyle | flags, 0, x, y, width, height,
                      text) != nullptr;
}

}  // namespace toolkit
