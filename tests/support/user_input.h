// A user at the keyboard and mouse: real input through SendInput, which
// Wine delivers like the X server's own events, and waits that poll what
// the windows show instead of sleeping a fixed time.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>

namespace support {

// How long a wait for a window or a condition lasts: long enough for a
// busy machine (under a load of 7 on two cores Wine 8's folder chooser
// once did not show its folder within 5 s); a test that passes waits only
// as long as the thing takes.
inline constexpr DWORD PatienceMs = 15000;

// Polls `condition` until it holds or `timeoutMs` passed.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = PatienceMs);

// A visible top-level window with this title (in any case, as the system
// compares; any title for null) and of this class if one is named, waiting
// for it to appear; of this process unless another one's id is given.
HWND WaitForWindow(const char* title, DWORD timeoutMs = PatienceMs, DWORD processId = 0,
                   const char* className = nullptr);
bool WaitForWindowGone(HWND window, DWORD timeoutMs = PatienceMs);
// A dialog window of another thread, once that thread waits for events: a
// sent message is only taken in by the owner's message wait, so its return
// means the gadgets are made.
HWND WaitForDialog(const char* title, DWORD timeoutMs = PatienceMs, DWORD processId = 0,
                   const char* className = nullptr);

// Moves the pointer to a screen point and waits until it is there.
void MoveTo(POINT screen);

// Left click near the centre of a window (a control): the spot moves a few
// pixels from one click to the next, so that quick presses of one button are
// single clicks. Or at a screen point. A click or double click at the spot
// of the last one waits until it cannot join it into a double click.
void Click(HWND window);
// Two quick clicks at the centre of a window, with the left or right button.
void DoubleClick(HWND window, bool rightButton = false);
void ClickAt(POINT screen, bool rightButton = false);  // a right click with rightButton
// `count` quick left clicks at a screen point: 2 a double, 3 a triple click.
void ClicksAt(POINT screen, int count);
// Drags a window by its caption towards (dx, dy), each step once the
// window's thread has taken the one before; whether the system's move loop
// took the drag and moved the window that way, by at most (dx, dy).
bool DragCaption(HWND window, int dx, int dy);
// The middle of the close box that Wine draws on an unmanaged window.
POINT CloseBoxPoint(HWND window);

// Presses a key with modifiers held (VK_SHIFT, VK_MENU, VK_CONTROL).
void PressKey(WORD key, std::initializer_list<WORD> modifiers = {});
// Types code page 1252 text character by character.
void TypeText(const std::string& text);

// The window with the keyboard focus in the thread that owns `window`.
HWND FocusIn(HWND window);
// Where the keys go and which modifiers are held, for a failure message.
std::string KeyboardState(HWND window);
// Waits until `control` holds the keyboard focus inside the foreground
// window, and has held it for a moment. Keys sent before that go to
// whichever window was in front: a program just started may show its window
// well before it is activated.
bool WaitForKeyboardFocus(HWND control, DWORD timeoutMs = PatienceMs);

// A text read by its length, from any thread.
std::string WindowText(HWND window);

}  // namespace support
