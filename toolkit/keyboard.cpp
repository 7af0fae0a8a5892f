// Tab and Shift+Tab: the only keys the toolkit gives a meaning. There is no
// default button and no cancel key, so Enter and Escape do nothing here.
#include <optional>

#include "toolkit/tab_order.h"
#include "toolkit/toolkit_state.h"

namespace toolkit {

namespace {

bool CanTakeFocus(const GadgetRecord& gadget) {
  return (GetWindowLongA(gadget.control, GWL_STYLE) & WS_TABSTOP) && IsWindowEnabled(gadget.control) &&
         IsWindowVisible(gadget.control);
}

}  // namespace

HACCEL CreateTabAccelerators() {
  ACCEL keys[] = {
      {FVIRTKEY | FNOINVERT, VK_TAB, static_cast<WORD>(FocusNextCommand)},
      {FVIRTKEY | FNOINVERT | FSHIFT, VK_TAB, static_cast<WORD>(FocusPreviousCommand)},
  };
  return CreateAcceleratorTableA(keys, 2);
}

void MoveFocus(HWND window, bool forward) {
  const std::vector<GadgetRecord*> gadgets = GadgetsOfWindow(window);
  std::vector<bool> canTakeFocus;
  std::optional<std::size_t> focused;
  HWND focus = GetFocus();
  for (std::size_t i = 0; i < gadgets.size(); ++i) {
    canTakeFocus.push_back(CanTakeFocus(*gadgets[i]));
    if (focus && focus == gadgets[i]->control) focused = i;
  }
  const std::optional<std::size_t> next =
      NextTabStop(canTakeFocus, focused, forward ? TabDirection::Forward : TabDirection::Backward);
  if (next) SetFocus(gadgets[*next]->control);
}

}  // namespace toolkit
