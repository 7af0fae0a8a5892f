// Numbers that the toolkit and its dialogs share: event kinds, event types,
// window and gadget flags, and the private messages. No windows.h here, so
// that the window-free logic and its tests can use them.
#pragma once

#include <cstdint>

namespace toolkit {

// Sentinel for "any free number" when opening, and "default" for fonts and colours.
inline constexpr int AnyNumber = -1;
inline constexpr int DefaultColour = -1;

// Event kinds returned by WaitEvent.
namespace event {
inline constexpr int None = 0;  // a time-limited wait that saw no message
inline constexpr int WindowMoved = 3;
inline constexpr int WindowSized = 5;
inline constexpr int BackgroundRepainted = 15;
inline constexpr int Close = 16;
inline constexpr int Gadget = 13100;
inline constexpr int Menu = 13101;
inline constexpr int WindowActivated = 13104;
inline constexpr int Minimised = 13107;
inline constexpr int Maximised = 13108;
inline constexpr int Restored = 13109;

// Whether `number` is one of the kinds above. A system message with such an
// identifier (WM_CLOSE is 16, WM_PAINT 15) is never passed through as itself.
constexpr bool IsToolkitKind(int number) {
  switch (number) {
    case WindowMoved: case WindowSized: case BackgroundRepainted: case Close: case Gadget:
    case Menu: case WindowActivated: case Minimised: case Maximised: case Restored:
      return true;
    default:
      return false;
  }
}
}  // namespace event

// Event types that the toolkit itself reports with a gadget event.
namespace event_type {
inline constexpr int None = -1;
inline constexpr int Pressed = 0;  // button and check box clicks (BN_CLICKED)
inline constexpr int FocusGained = 14000;
inline constexpr int FocusLost = 14001;
}  // namespace event_type

// Private message a gadget posts to its window to report an event:
// wParam = gadget number, lParam = event type.
inline constexpr unsigned GadgetEventMessage = 13103;

// Commands of the accelerator table that every toolkit window gets.
inline constexpr unsigned FocusNextCommand = 64001;
inline constexpr unsigned FocusPreviousCommand = 64002;

// The value a window callback returns for every message it leaves to the toolkit.
inline constexpr std::uint32_t NotHandled = 0xE0E0E0E1u;

// Option bits of open window; the rest of the flags is the window style.
namespace window_flag {
inline constexpr std::uint32_t CentreOnScreen = 0x1;
inline constexpr std::uint32_t CentreOnActiveWindow = 0x2;
inline constexpr std::uint32_t NotGadgetList = 0x8;
inline constexpr std::uint32_t Hidden = 0x10000000;     // shares the bit of WS_VISIBLE
inline constexpr std::uint32_t Maximised = 0x01000000;  // WS_MAXIMIZE
inline constexpr std::uint32_t Minimised = 0x20000000;  // WS_MINIMIZE
// Title bar and system menu with close box (WS_CAPTION | WS_SYSMENU), centred.
inline constexpr std::uint32_t CommandDialog = 0xC80001;
// The same window at the position given.
inline constexpr std::uint32_t CommandDialogAtPosition = 0xC80000;
}  // namespace window_flag

// Flag bits of the gadget creation operations.
namespace gadget_flag {
inline constexpr std::uint32_t Border = 0x20000;   // label: sunken edge; string field: none
inline constexpr std::uint32_t Editable = 0x2;     // combo box with a text field
}  // namespace gadget_flag

// Colour types of set gadget colour.
namespace colour_type {
inline constexpr int Text = 1;
inline constexpr int Background = 2;
}  // namespace colour_type

}  // namespace toolkit
