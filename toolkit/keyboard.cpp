// Tab and Shift+Tab: the only keys the toolkit gives a meaning. There is no
// default button and no cancel key, so Enter and Escape do nothing here.
#include <optional>

#include "toolkit/tab_order.h"
#include "toolkit/toolkit_state.h"

namespace toolkit {

namespace {

// The window that takes the focus for a gadget: the control itself, or the
// text field inside an editable combo box.
HWND FocusTarget(const GadgetRecord& gadget) {
  if (GetWindowLongA(gadget.control, GWL_STYLE) & WS_TABSTOP) return gadget.control;
  for (HWND child = GetWindow(gadget.control, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP) return child;
  return nullptr;
}

bool CanTakeFocus(const GadgetRecord& gadget) {
  return FocusTarget(gadget) && IsWindowEnabled(gadget.control) && IsWindowVisible(gadget.control);
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
    if (focus && (focus == gadgets[i]->control || IsChild(gadgets[i]->control, focus))) focused = i;
  }
  const std::optional<std::size_t> next =
      NextTabStop(canTakeFocus, focused, forward ? TabDirection::Forward : TabDirection::Backward);
  if (next) SetFocus(FocusTarget(*gadgets[*next]));
}

}  // namespace toolkit
