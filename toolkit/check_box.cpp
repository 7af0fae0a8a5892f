// Check box: toggles itself on every click, then reports type 0; its state
// is 1 when checked.
#include "toolkit/toolkit_state.h"

namespace toolkit {

namespace {
constexpr DWORD CheckBoxStyle = WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_AUTOCHECKBOX;  // 0x50030003

int Checked(const GadgetRecord& gadget) {
  return SendMessageA(gadget.control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

// Reports no event: BM_SETCHECK sends no notification.
void SetChecked(GadgetRecord& gadget, int state) {
  SendMessageA(gadget.control, BM_SETCHECK, state != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
}

const GadgetKind CheckBoxKind = {
    .getState = Checked,
    .setState = SetChecked,
};
}  // namespace

int CreateCheckBox(int gadget, int x, int y, int width, int height, const char* text,
                   std::uint32_t flags) {
  return CreateGadget(CheckBoxKind, gadget, "Button", CheckBoxStyle | flags, 0, x, y, width,
                      height, text) != nullptr;
}

}  // namespace toolkit
