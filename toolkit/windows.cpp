// Opening and closing the toolkit's top-level windows.
#include <climits>
#include <string>

#include "toolkit/toolkit_state.h"
#include "toolkit/window_placement.h"

namespace toolkit {

namespace {

// Numbers are not reused while the library is loaded, so a stale number
// held by a dialog can never reach a newer window.
int NewWindowNumber(int requested) {
  ToolkitState& s = State();
  if (requested != AnyNumber || s.nextDynamicWindow == INT_MAX) return 0;
  return s.nextDynamicWindow++;
}

bool RegisterWindowClass(const char* name) {
  ToolkitState& s = State();
  WNDCLASSEXA windowClass = {};
  static_assert(sizeof(void*) == 8 || sizeof windowClass == 48);
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = s.module;
  // The library carries no icon of its own, so this gives the system's default one.
  windowClass.hIcon = LoadIconA(s.module, MAKEINTRESOURCEA(1));
  windowClass.hCursor = ArrowCursor();
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = name;
  return RegisterClassExA(&windowClass) != 0;
}

}  // namespace

int OpenWindow(int window, int x, int y, int innerWidth, int innerHeight, const char* title,
               std::uint32_t flags) {
  ToolkitState& s = State();
  const int number = NewWindowNumber(window);
  if (number == 0) return 0;

  WindowRecord& record = s.windows[number];
  // Not std::snprintf: it would link the C runtime's whole printf, floating point included.
  const std::string className = "WindowClass_" + std::to_string(number);
  record.className[className.copy(record.className, sizeof record.className - 1)] = '\0';
  auto forget = [&] {
    s.windows.erase(number);
    return 0;
  };
  if (!RegisterWindowClass(record.className)) return forget();

  const DWORD style = WindowStyleFromFlags(flags);
  RECT outer = {0, 0, innerWidth, innerHeight};
  AdjustWindowRect(&outer, style, FALSE);
  const ScreenArea place = PlaceWindow(flags, x, y, outer.right - outer.left, outer.bottom - outer.top,
                                      GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));

  // The number travels with the creation so that the messages sent while the
  // window is being created (moves, sizes) already map back to it.
  HWND handle = CreateWindowExA(0, record.className, title ? title : "", style, place.x, place.y,
                                place.width, place.height, nullptr, nullptr, s.module,
                                reinterpret_cast<LPVOID>(static_cast<INT_PTR>(number)));
  if (!handle) {
    UnregisterClassA(s.windows[number].className, s.module);
    return forget();
  }
  WindowRecord& created = s.windows[number];
  created.handle = handle;
  ShowWindow(handle, SW_SHOWNORMAL);  // which activates it too
  created.accelerators.Reset(CreateTabAccelerators());
  s.currentGadgetList = number;
  return number;
}

void CloseWindow(int window) {
  ToolkitState& s = State();
  WindowRecord* record = FindWindowRecord(window);
  if (!record) return;
  // Destroying the window destroys its gadgets, which free their numbers.
  DestroyWindow(record->handle);
  record = FindWindowRecord(window);
  if (record) UnregisterClassA(record->className, s.module);
  s.windows.erase(window);
  if (s.currentGadgetList == window) s.currentGadgetList = 0;
}

HWND WindowHandle(int window) {
  const WindowRecord* record = FindWindowRecord(window);
  return record ? record->handle : nullptr;
}

WindowRecord* FindWindowRecord(int window) {
  auto& windows = State().windows;
  auto found = windows.find(window);
  return found == windows.end() ? nullptr : &found->second;
}

int WindowNumberOf(HWND handle) {
  if (!handle) return 0;
  for (const auto& [number, record] : State().windows)
    if (record.handle == handle) return number;
  return 0;
}

void SetWindowCallback(WindowCallback callback) { State().callback = callback; }

}  // namespace toolkit
