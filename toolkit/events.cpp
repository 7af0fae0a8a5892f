// The event wait: the only message loop of a dialog.
#include <utility>

#include "toolkit/toolkit_state.h"

namespace toolkit {

namespace {

// Takes the next message of the thread into `message`; false when none came
// within the limit.
bool NextMessage(int timeoutMs, MSG& message) {
  if (timeoutMs < 0) {
    // A quit message is returned like any other (GetMessageA's result is not looked at).
    GetMessageA(&message, nullptr, 0, 0);
    return true;
  }
  if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) return true;
  if (timeoutMs == 0) return false;
  if (MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(timeoutMs), QS_ALLINPUT) !=
      WAIT_OBJECT_0)
    return false;
  // What woke the wait may have been a sent message, already handled by the peek.
  return PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE) != 0;
}

}  // namespace

int WaitEvent(int timeoutMs) {
  EventState& events = State().events;
  events.type = event_type::None;
  if (std::optional<QueuedEvent> queued = events.queue.Pop()) {
    events.window = queued->window;
    events.pendingKind = 0;
    return queued->kind;
  }

  MSG message;
  if (!NextMessage(timeoutMs, message)) return event::None;
  events.lastMessage = message;

  HWND active = GetActiveWindow();
  const WindowRecord* activeRecord = FindWindowRecord(WindowNumberOf(active));
  if (!(activeRecord && TranslateAcceleratorA(active, activeRecord->accelerators.Get(), &message))) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }

  if (events.pendingKind != 0) return std::exchange(events.pendingKind, 0);
  const int identifier = static_cast<int>(message.message);
  if (!event::IsToolkitKind(identifier)) return identifier;
  // A posted WM_CLOSE would otherwise be reported twice: once as its own
  // identifier 16 and once as the close event it queued, which would then
  // end the next dialog at once. Report what the message produced instead.
  if (std::optional<QueuedEvent> queued = events.queue.Pop()) {
    events.window = queued->window;
    return queued->kind;
  }
  return event::None;
}

int EventGadget() { return State().events.gadget; }
int EventType() { return State().events.type; }
int EventWindow() { return State().events.window; }
WPARAM EventMessageWParam() { return State().events.lastMessage.wParam; }

void QueueEvent(int kind, int window) { State().events.queue.Push({kind, window}); }

void SetPendingGadgetEvent(int window, int gadget, int type) {
  EventState& events = State().events;
  events.pendingKind = event::Gadget;
  events.gadget = gadget;
  events.type = type;
  events.window = window;
}

void SetPendingEvent(int kind, int window) {
  EventState& events = State().events;
  events.pendingKind = kind;
  events.window = window;
}

void PostGadgetEvent(HWND control, int gadget, int type) {
  for (HWND window = GetParent(control); window; window = GetParent(window)) {
    if (WindowNumberOf(window) != 0) {
      PostMessageA(window, GadgetEventMessage, static_cast<WPARAM>(gadget), static_cast<LPARAM>(type));
      return;
    }
  }
}

}  // namespace toolkit
