// Numbers that the toolkit and its dialogs share: event kinds, event types,
// window and gadget flags, and the private messages. No windows.h here, so
// that the window-free logic and its tests can use them.
#pragma once

#include <cstdint>

namespace toolkit {

// The window number that asks open window for any free number: the only one
// the dialogs use.
inline constexpr int AnyNumber = -1;

// Event kinds returned by WaitEvent, with their names, so that a trace or a
// failing test reads "close", not "16".
#define BRINDLE_EVENT_KINDS(KIND)                                                         \
  KIND(None, 0, "none") /* a time-limited wait that saw no message */                    \
  KIND(WindowMoved, 3, "moved")                                                           \
  KIND(WindowSized, 5, "sized")                                                           \
  KIND(BackgroundRepainted, 15, "background")                                             \
  KIND(Close, 16, "close")                                                                \
  KIND(Gadget, 13100, "gadget")                                                           \
  KIND(Menu, 13101, "menu")                                                               \
  KIND(WindowActivated, 13104, "activated")

// Event types that come with a gadget event, by what reports them: the
// system's notification code of a control (BN_CLICKED is 0, EN_CHANGE 768)
// or the toolkit's own report of the mouse and the focus.
#define BRINDLE_EVENT_TYPES(TYPE)                                                         \
  TYPE(None, -1, "none")                                                                  \
  TYPE(Pressed, 0, "pressed") /* a button or box clicked */                               \
  TYPE(RightClick, 1, "right click") /* in a folder tree */                               \
  TYPE(Changed, 768, "changed") /* a field's text */                                      \
  TYPE(FocusGained, 14000, "focus gained")                                                \
  TYPE(FocusLost, 14001, "focus lost")

#define BRINDLE_DEFINE_EVENT_NUMBER(name, number, text) inline constexpr int name = number;
namespace event {
BRINDLE_EVENT_KINDS(BRINDLE_DEFINE_EVENT_NUMBER)

// Whether `number` is one of the kinds above. A system message with such an
// identifier (WM_CLOSE is 16, WM_PAINT 15) is never passed through as itself.
constexpr bool IsToolkitKind(int number) {
#define BRINDLE_IS_EVENT_KIND(name, kind, text) (number == kind && kind != None) ||
  return BRINDLE_EVENT_KINDS(BRINDLE_IS_EVENT_KIND) false;
#undef BRINDLE_IS_EVENT_KIND
}
}  // namespace event

namespace event_type {
BRINDLE_EVENT_TYPES(BRINDLE_DEFINE_EVENT_NUMBER)
}  // namespace event_type
#undef BRINDLE_DEFINE_EVENT_NUMBER

// Private message a gadget posts to its window to report an event:
// wParam = gadget number, lParam = event type.
inline constexpr unsigned GadgetEventMessage = 13103;

// Commands of the accelerator table that every toolkit window gets.
inline constexpr unsigned FocusNextCommand = 64001;
inline constexpr unsigned FocusPreviousCommand = 64002;

// The value a window callback returns for every message it leaves to the toolkit.
inline constexpr std::uint32_t NotHandled = 0xE0E0E0E1u;

// The option bit of open window; the rest of the flags is the window style.
namespace window_flag {
inline constexpr std::uint32_t CentreOnScreen = 0x1;
// Title bar and system menu with close box (WS_CAPTION | WS_SYSMENU), centred.
inline constexpr std::uint32_t CommandDialog = 0xC80001;
// The same window at the position given.
inline constexpr std::uint32_t CommandDialogAtPosition = 0xC80000;
}  // namespace window_flag

}  // namespace toolkit
