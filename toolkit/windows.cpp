// Opening and closing the toolkit's top-level windows.
#include <climits>
#include <optional>
#include <string>

#include "toolkit/toolkit_state.h"
#include "toolkit/window_placement.h"

namespace toolkit {

namespace {

constexpr int LargestFixedWindow = FirstDynamicWindow - 1;

int NewWindowNumber(int requested) {
  ToolkitState& s = State();
  if (requested == AnyNumber) {
    // Numbers are not reused while the library is loaded, so a stale number
    // held by a dialog can never reach a newer window.
    if (s.nextDynamicWindow == INT_MAX) return 0;
    return s.nextDynamicWindow++;
  }
  if (requested < 1 || requested > LargestFixedWindow) return 0;
  CloseWindow(requested);
  return requested;
}

std::optional<ScreenArea> ActiveWindowArea() {
  RECT r;
  HWND active = GetActiveWindow();
  if (!active || !GetWindowRect(active, &r)) return std::nullopt;
  return ScreenArea{r.left, r.top, r.right - r.left, r.bottom - r.top};
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

int ShowCommand(ShowMode mode) {
  switch (mode) {
    case ShowMode::Maximised: return SW_SHOWMAXIMIZED;
    case ShowMode::Minimised: return SW_SHOWMINIMIZED;
    case ShowMode::Hidden: return SW_HIDE;
    case ShowMode::Normal: break;
  }
  return SW_SHOWNORMAL;
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
  const std::optional<ScreenArea> active = ActiveWindowArea();
  const ScreenArea place = PlaceWindow(flags, x, y, outer.right - outer.left, outer.bottom - outer.top,
                                      GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                      active ? &*active : nullptr);

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
  const ShowMode mode = ShowModeFromFlags(flags);
  if (mode != ShowMode::Hidden) ShowWindow(handle, ShowCommand(mode));
  created.accelerators.Reset(CreateTabAccelerators());
  if (!(flags & window_flag::NotGadgetList)) s.currentGadgetList = number;
  return number;
}

void CloseWindow(int window) {
  ToolkitState& s = State();
  WindowRecord* record = FindWindowRecord(window);
  if (!record) return;
  HWND owner = GetWindow(record->handle, GW_OWNER);
  if (owner) SetActiveWindow(owner);
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
