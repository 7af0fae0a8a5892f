// The window procedure of every toolkit window: what a system message
// becomes in terms of events.
#include "toolkit/toolkit_state.h"

namespace toolkit {

namespace {

// The gadget whose control sent a message, if the control is one of ours.
GadgetRecord* SendingGadget(HWND control) {
  if (!control) return nullptr;
  GadgetRecord* gadget = FindGadget(GetDlgCtrlID(control));
  return gadget && gadget->control == control ? gadget : nullptr;
}

bool OfferToGadgetKind(GadgetRecord* gadget, UINT message, WPARAM wParam, LPARAM lParam,
                       LRESULT& result) {
  return gadget && gadget->kind->parentMessage &&
         gadget->kind->parentMessage(*gadget, message, wParam, lParam, result);
}

LRESULT OnCommand(HWND handle, int window, WPARAM wParam, LPARAM lParam) {
  HWND control = reinterpret_cast<HWND>(lParam);
  if (control) {
    GadgetRecord* gadget = SendingGadget(control);
    if (!gadget) return DefWindowProcA(handle, WM_COMMAND, wParam, lParam);
    LRESULT result = 0;
    if (OfferToGadgetKind(gadget, WM_COMMAND, wParam, lParam, result)) return result;
    SetPendingGadgetEvent(window, gadget->number, HIWORD(wParam));
    return 0;
  }
  const unsigned command = LOWORD(wParam);
  const bool fromAccelerator = HIWORD(wParam) == 1;
  if (fromAccelerator && command == FocusNextCommand) {
    MoveFocus(handle, true);
  } else if (fromAccelerator && command == FocusPreviousCommand) {
    MoveFocus(handle, false);
  } else {
    SetPendingEvent(event::Menu, window);
  }
  return 0;
}

}  // namespace

LRESULT CALLBACK WindowProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  ToolkitState& s = State();
  if (message == WM_NCCREATE) {
    // Map the handle to its number from the first message on.
    const auto* creation = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    if (WindowRecord* record = FindWindowRecord(static_cast<int>(
            reinterpret_cast<INT_PTR>(creation->lpCreateParams))))
      record->handle = handle;
  }
  if (s.callback) {
    const LRESULT result = s.callback(handle, message, wParam, lParam);
    if (static_cast<std::uint32_t>(result) != NotHandled) return result;
  }

  const int window = WindowNumberOf(handle);
  if (!FindWindowRecord(window)) return DefWindowProcA(handle, message, wParam, lParam);

  LRESULT result = 0;
  switch (message) {
    case WM_CLOSE: QueueEvent(event::Close, window); return 0;  // the dialog decides
    case WM_MOVE: QueueEvent(event::WindowMoved, window); return 0;
    case WM_SIZE: QueueEvent(event::WindowSized, window); return 0;
    case WM_ACTIVATE:
      // Not passed on: the default would move the focus into the window.
      if (LOWORD(wParam) != WA_INACTIVE) QueueEvent(event::WindowActivated, window);
      return 1;
    case WM_ERASEBKGND:  // the default fills with the class background
      QueueEvent(event::BackgroundRepainted, window);
      break;
    case WM_COMMAND: return OnCommand(handle, window, wParam, lParam);
    case WM_NOTIFY:
      if (OfferToGadgetKind(SendingGadget(reinterpret_cast<const NMHDR*>(lParam)->hwndFrom),
                            message, wParam, lParam, result))
        return result;
      break;
    case GadgetEventMessage:
      SetPendingGadgetEvent(window, static_cast<int>(wParam), static_cast<int>(lParam));
      return 0;
    case WM_DEVICECHANGE:
      for (GadgetRecord* gadget : GadgetsOfWindow(handle))
        if (gadget->kind->deviceChange) gadget->kind->deviceChange(*gadget, wParam, lParam);
      break;
    case WM_SYSCOLORCHANGE:
      for (HWND child = GetWindow(handle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        SendMessageA(child, WM_SYSCOLORCHANGE, wParam, lParam);
      break;
    default:
      break;
  }
  return DefWindowProcA(handle, message, wParam, lParam);
}

}  // namespace toolkit
