#include "toolkit/toolkit_state.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>

namespace toolkit {

namespace {
constexpr std::size_t InitialGadgetRoom = 50;
constexpr std::size_t InitialImageRoom = 16;
// The first tables fit well into what the library's heap commits when it is
// made (plugin/library.cpp), so that making them cannot fail.
static_assert(InitialGadgetRoom * sizeof(GadgetRecord) + InitialImageRoom * sizeof(ScopedBitmap) <= 8 * 1024);

// Emptied by StopDialogToolkit before the heaps it lives in are destroyed.
std::optional<ToolkitState> state;
}  // namespace

ToolkitState::ToolkitState(HINSTANCE moduleInstance, HANDLE recordHeap, HANDLE dynamicObjectHeap)
    : module(moduleInstance),
      windows(HeapAllocator<std::pair<const int, WindowRecord>>(dynamicObjectHeap)),
      nextDynamicWindow(FirstDynamicWindow),
      gadgets(InitialGadgetRoom, HeapAllocator<GadgetRecord>(recordHeap)),
      fonts(HeapAllocator<std::pair<const int, ScopedFont>>(recordHeap)),
      stops(HeapAllocator<void (*)()>(recordHeap)),
      events{.queue = EventQueue<HeapAllocator<QueuedEvent>>(HeapAllocator<QueuedEvent>(recordHeap))},
      drawingBrush(CreateSolidBrush(RGB(0, 0, 0))),
      drawingPen(CreatePen(PS_SOLID, 0, RGB(0, 0, 0))),
      images(InitialImageRoom, HeapAllocator<ScopedBitmap>(recordHeap)) {}

ToolkitState& State() { return *state; }

HCURSOR ArrowCursor() {
  if (!state->arrowCursor) state->arrowCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  return state->arrowCursor;
}

bool StartDialogToolkit(HINSTANCE module, HANDLE recordHeap, HANDLE dynamicObjectHeap) {
  state.emplace(module, recordHeap, dynamicObjectHeap);
  if (!state->drawingBrush || !state->drawingPen) {
    state.reset();  // the one of them that was made goes with it
    return false;
  }
  // The common control classes the gadgets and later dialogs rely on:
  // tab, date, extended combo box and internet address.
  INITCOMMONCONTROLSEX classes = {sizeof classes, 0x0B08};
  static_assert(sizeof classes == 8);
  InitCommonControls();
  InitCommonControlsEx(&classes);
  return true;
}

void RunAtStop(void (*stop)()) {
  auto& stops = State().stops;
  if (std::find(stops.begin(), stops.end(), stop) == stops.end()) stops.push_back(stop);
}

void StopDialogToolkit() {
  if (!state) return;
  while (!state->windows.empty()) CloseWindow(state->windows.begin()->first);
  for (auto stop = state->stops.rbegin(); stop != state->stops.rend(); ++stop) (*stop)();
  state->fonts.clear();
  state.reset();
}

}  // namespace toolkit
