#include "tests/support/user_input.h"

#include <cstdlib>
#include <vector>

namespace support {

namespace {

void Send(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// A key by its virtual-key code, or a character (key 0).
INPUT Key(WORD key, bool up, wchar_t character = 0) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = character ? static_cast<WORD>(character) : static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = (character ? KEYEVENTF_UNICODE : 0) | (up ? KEYEVENTF_KEYUP : 0);
  return input;
}

// A mouse event at a screen point. Every event carries its position: Wine 8
// turns a move into a pointer warp on the X server, and a late motion event
// of an earlier warp can move the pointer back before a position-less press
// is taken, so that the press lands on the previous spot.
INPUT MouseAt(POINT screen, DWORD flags) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  input.mi.dx = MulDiv(screen.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
  input.mi.dy = MulDiv(screen.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
  return input;
}

// How long the focus must stay before keys follow. Wine 8 learns of the
// activation from the X server as well, later on a busy machine, and then
// sets its keys to what the X server holds: a modifier pressed before that
// is let go again, and Ctrl+H types "h" (seen with a window just activated).
constexpr DWORD SettleMs = 250;

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() > deadline) return false;
    Sleep(5);
  }
}

HWND WaitForWindow(const char* title, DWORD timeoutMs, DWORD processId, const char* className) {
  // FindWindowEx reads the captions without sending a message, so that a busy thread cannot stall the search.
  HWND found = nullptr;
  WaitUntil([&] {
    for (HWND window = nullptr; !found && (window = FindWindowExA(nullptr, window, className, title));) {
      DWORD process = 0;
      GetWindowThreadProcessId(window, &process);
      if (process == (processId ? processId : GetCurrentProcessId()) && IsWindowVisible(window)) found = window;
    }
    return found != nullptr;
  }, timeoutMs);
  return found;
}

HWND WaitForDialog(const char* title, DWORD timeoutMs, DWORD processId, const char* className) {
  HWND dialog = WaitForWindow(title, timeoutMs, processId, className);
  DWORD_PTR ignored;
  if (dialog && !SendMessageTimeoutA(dialog, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &ignored))
    return nullptr;
  return dialog;
}

bool WaitForWindowGone(HWND window, DWORD timeoutMs) {
  return WaitUntil([&] { return !IsWindow(window); }, timeoutMs);
}

void MoveTo(POINT screen) {
  Send({MouseAt(screen, 0)});
  WaitUntil([&] {
    POINT now;
    return GetCursorPos(&now) && now.x == screen.x && now.y == screen.y;
  }, 1000);
}

namespace {

// Where and when the last click or double click ended: a press at that
// spot within the double-click time would join it into a double click
// (selecting a word in a text field), so the next one waits as a person
// would, for the rest of that time only.
POINT lastPoint = {-1, -1};
ULONGLONG lastTime = 0;

void WaitOutDoubleClick(POINT screen) {
  if (std::abs(screen.x - lastPoint.x) > GetSystemMetrics(SM_CXDOUBLECLK) ||
      std::abs(screen.y - lastPoint.y) > GetSystemMetrics(SM_CYDOUBLECLK))
    return;
  const ULONGLONG doubleClickTime = GetDoubleClickTime() + 50, since = GetTickCount64() - lastTime;
  if (since < doubleClickTime) Sleep(static_cast<DWORD>(doubleClickTime - since));
}

// The move travels with the buttons: a separate SetCursorPos reaches the X
// server on its own and can trail the clicks (seen with Wine 8).
void Clicks(POINT screen, bool rightButton, int count) {
  WaitOutDoubleClick(screen);
  MoveTo(screen);
  const DWORD down = rightButton ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN,
              up = rightButton ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
  std::vector<INPUT> inputs;
  for (int i = 0; i < count; ++i) inputs.insert(inputs.end(), {MouseAt(screen, down), MouseAt(screen, up)});
  Send(inputs);
  lastPoint = screen;
  lastTime = GetTickCount64();
}

}  // namespace

void ClickAt(POINT screen, bool rightButton) { Clicks(screen, rightButton, 1); }
void ClicksAt(POINT screen, int count) { Clicks(screen, false, count); }

void Click(HWND window) {
  static int next = 0;
  const POINT offsets[] = {{0, 0}, {-5, -4}, {5, 4}, {-5, 4}, {5, -4}};
  RECT r;
  GetWindowRect(window, &r);
  const POINT offset = r.right - r.left > 12 && r.bottom - r.top > 10 ? offsets[next++ % 5] : POINT{0, 0};
  ClickAt({(r.left + r.right) / 2 + offset.x, (r.top + r.bottom) / 2 + offset.y});
}

void DoubleClick(HWND window, bool rightButton) {
  RECT r;
  GetWindowRect(window, &r);
  Clicks({(r.left + r.right) / 2, (r.top + r.bottom) / 2}, rightButton, 2);
}

bool DragCaption(HWND window, int dx, int dy) {
  RECT before;
  GetWindowRect(window, &before);
  const POINT from = {before.left + 40, before.top + 8}, to = {from.x + dx, from.y + dy};
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  const DWORD thread = GetWindowThreadProcessId(window, nullptr);
  auto moving = [&] { return GetGUIThreadInfo(thread, &info) && (info.flags & GUI_INMOVESIZE); };
  MoveTo(from);
  Send({MouseAt(from, MOUSEEVENTF_LEFTDOWN)});
  if (!WaitUntil(moving)) return false;  // the system's move loop has taken over the mouse
  MoveTo({(from.x + to.x) / 2, (from.y + to.y) / 2});
  MoveTo(to);
  Send({MouseAt(to, MOUSEEVENTF_LEFTUP)});
  lastPoint = to;
  lastTime = GetTickCount64();
  // Moved, but not always all the way: Wine 8 turns each move into a pointer
  // warp on the X server, whose motion events reach the window's thread late
  // on a busy machine, and a late one of the halfway point can take the place
  // of the last move before the button is up (seen: the window halfway).
  return WaitUntil([&] {
    RECT now;
    GetWindowRect(window, &now);
    const int movedX = now.left - before.left, movedY = now.top - before.top;
    return !moving() && (movedX || movedY) && movedX * dx >= 0 && movedY * dy >= 0 && std::abs(movedX) <= std::abs(dx) &&
           std::abs(movedY) <= std::abs(dy);
  });
}

POINT CloseBoxPoint(HWND window) {
  RECT frame;
  GetWindowRect(window, &frame);
  POINT client = {0, 0};
  ClientToScreen(window, &client);
  // The close box is the rightmost caption button, as high as the caption.
  const int captionMiddle = (frame.top + client.y) / 2;
  const int buttonWidth = GetSystemMetrics(SM_CXSIZE);
  const int border = client.x - frame.left;
  return {frame.right - border - buttonWidth / 2, captionMiddle + border / 2};
}

void PressKey(WORD key, std::initializer_list<WORD> modifiers) {
  std::vector<INPUT> inputs;
  for (WORD modifier : modifiers) inputs.push_back(Key(modifier, false));
  inputs.push_back(Key(key, false));
  inputs.push_back(Key(key, true));
  for (auto it = modifiers.end(); it != modifiers.begin();) inputs.push_back(Key(*--it, true));
  Send(inputs);
}

void TypeText(const std::string& text) {
  for (char c : text) {
    wchar_t wide = 0;
    MultiByteToWideChar(1252, 0, &c, 1, &wide, 1);
    Send({Key(0, false, wide), Key(0, true, wide)});
  }
}

HWND FocusIn(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

std::string KeyboardState(HWND window) {
  return std::string(": foreground ") + (GetForegroundWindow() == window ? "this window" : "another window") +
         ", focus in " + (FocusIn(window) ? "a control of it" : "nothing") + ", held:" +
         (GetAsyncKeyState(VK_SHIFT) < 0 ? " Shift" : "") + (GetAsyncKeyState(VK_CONTROL) < 0 ? " Ctrl" : "") +
         (GetAsyncKeyState(VK_MENU) < 0 ? " Alt" : "");
}

bool WaitForKeyboardFocus(HWND control, DWORD timeoutMs) {
  ULONGLONG since = 0;
  return WaitUntil([&] {
    if (GetForegroundWindow() != GetAncestor(control, GA_ROOT) || FocusIn(control) != control) {
      since = 0;
      return false;
    }
    if (!since) since = GetTickCount64();
    return GetTickCount64() - since >= SettleMs;
  }, timeoutMs);
}

std::string WindowText(HWND window) {
  // WM_GETTEXT, unlike GetWindowText, also reads the caption of another thread's window.
  const LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
  std::string text(static_cast<std::size_t>(length), '\0');
  const LRESULT copied =
      SendMessageA(window, WM_GETTEXT, text.size() + 1, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

}  // namespace support
