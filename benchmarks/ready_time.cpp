#include "benchmarks/ready_time.h"

#include "benchmarks/figures.h"

namespace bench {

namespace {

constexpr WPARAM Marker = 0x5EAD;
constexpr DWORD Patience = 10000;

struct Watch {
  HWND window = nullptr;
  HANDLE created = nullptr;  // set by the creation hook
  double readyAt = 0;
  int controls = 0;
};
Watch* watch = nullptr;

BOOL CALLBACK CountChild(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

// The first captioned top-level window this thread creates during a call.
LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && watch && !watch->window) {
    const CREATESTRUCTA* creation = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
    if (!(creation->style & WS_CHILD) && (creation->style & WS_CAPTION) == WS_CAPTION) {
      watch->window = reinterpret_cast<HWND>(wParam);
      SetEvent(watch->created);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK ArrivalHook(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && watch && message->message == WM_NULL && message->wParam == Marker &&
      message->hwnd == watch->window && watch->readyAt == 0) {
    watch->readyAt = Now();
    EnumChildWindows(watch->window, CountChild, reinterpret_cast<LPARAM>(&watch->controls));
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

DWORD WINAPI Watcher(LPVOID) {
  if (WaitForSingleObject(watch->created, Patience) != WAIT_OBJECT_0) return 1;
  HWND window = watch->window;
  DWORD_PTR ignored;
  SendMessageTimeoutA(window, WM_NULL, Marker, 0, SMTO_NORMAL, Patience, &ignored);
  PostMessageA(window, WM_CLOSE, 0, 0);
  return 0;
}

class ScopedHook {
 public:
  ScopedHook(int kind, HOOKPROC procedure) : hook_(SetWindowsHookExA(kind, procedure, nullptr, GetCurrentThreadId())) {}
  ~ScopedHook() {
    if (hook_) UnhookWindowsHookEx(hook_);
  }
  ScopedHook(const ScopedHook&) = delete;
  ScopedHook& operator=(const ScopedHook&) = delete;

 private:
  HHOOK hook_;
};

class ScopedHandle {
 public:
  explicit ScopedHandle(HANDLE handle) : handle_(handle) {}
  ~ScopedHandle() {
    if (handle_) CloseHandle(handle_);
  }
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace

Readiness MeasureReadiness(const std::function<void()>& call) {
  ScopedHandle created(CreateEventA(nullptr, FALSE, FALSE, nullptr));
  Watch current;
  current.created = created.Get();
  watch = &current;
  Readiness result;
  {
    ScopedHook creation(WH_CBT, CreationHook);
    ScopedHook arrival(WH_CALLWNDPROC, ArrivalHook);
    ScopedHandle watcher(CreateThread(nullptr, 0, Watcher, nullptr, 0, nullptr));
    const double start = Now();
    call();
    WaitForSingleObject(watcher.Get(), INFINITE);
    if (current.readyAt > 0) {
      result.seconds = current.readyAt - start;
      result.controls = current.controls;
      result.ready = true;
    }
  }
  watch = nullptr;
  return result;
}

}  // namespace bench
