// The toolkit's process-wide state: the tables of windows, gadgets and
// fonts, the event state and the window callback. Internal to toolkit/.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/dialog.h"
#include "toolkit/event_queue.h"
#include "toolkit/heap_allocator.h"
#include "toolkit/scoped_handles.h"

namespace toolkit {

// Window numbers handed out for AnyNumber start here.
inline constexpr int FirstDynamicWindow = 0x10000;

struct WindowRecord {
  HWND handle = nullptr;  // destroyed by CloseWindow
  ScopedAcceleratorTable accelerators;
  char className[32] = {};
};

struct GadgetRecord;

// What a gadget kind keeps for each of its gadgets besides the record (an
// image gadget's image, a folder tree's entries and notice); it goes with
// the record when the control goes.
struct GadgetData {
  virtual ~GadgetData() = default;
};

// What makes a gadget kind different; a null entry means the kind has no
// such thing (no state, no lines ...) and the operation does nothing.
struct GadgetKind {
  int (*getState)(const GadgetRecord&) = nullptr;
  void (*setState)(GadgetRecord&, int state) = nullptr;
  std::string (*getText)(const GadgetRecord&) = nullptr;  // null: the control's window text
  void (*setText)(GadgetRecord&, const char* text) = nullptr;  // null: the control's window text
  void (*addItem)(GadgetRecord&, int position, const char* text) = nullptr;
  // Sees the control's own messages before the system class does; true when
  // it took the message and produced the result.
  bool (*controlMessage)(GadgetRecord&, UINT message, WPARAM, LPARAM, LRESULT& result) = nullptr;
  // Offered WM_COMMAND and WM_NOTIFY messages that the control sends its
  // window; true when it produced the result.
  bool (*parentMessage)(GadgetRecord&, UINT message, WPARAM, LPARAM, LRESULT& result) = nullptr;
  // Told of the window's device notifications (media arriving and going).
  void (*deviceChange)(GadgetRecord&, WPARAM event, LPARAM data) = nullptr;
  // Frees what the kind keeps for all its gadgets (and unregisters its own
  // window classes) when the toolkit stops, if a gadget of it was made.
  void (*shutDown)() = nullptr;
};

struct GadgetRecord {
  HWND control = nullptr;  // destroyed with its window
  const GadgetKind* kind = nullptr;
  int number = -1;
  WNDPROC previousProcedure = nullptr;
  unsigned long long creationOrder = 0;
  std::unique_ptr<GadgetData> data;  // the kind's own, or null
};

// The kind's own data of a gadget that the kind made with it.
template <class Data>
Data& DataOf(GadgetRecord& gadget) {
  return static_cast<Data&>(*gadget.data);
}
template <class Data>
const Data& DataOf(const GadgetRecord& gadget) {
  return static_cast<const Data&>(*gadget.data);
}

struct DrawingPass {
  HDC dc = nullptr;  // not owned: the target's context
  HGDIOBJ keptPen = nullptr;
  HGDIOBJ keptBrush = nullptr;
  COLORREF colour = 0;
};

struct EventState {
  int gadget = 0;
  int type = event_type::None;
  int window = 0;
  int pendingKind = 0;  // 0: no pending event
  MSG lastMessage = {};
  EventQueue<HeapAllocator<QueuedEvent>> queue;
};

template <class Key, class Value>
using HeapMap = std::map<Key, Value, std::less<Key>, HeapAllocator<std::pair<const Key, Value>>>;

struct ToolkitState {
  ToolkitState(HINSTANCE module, HANDLE recordHeap, HANDLE dynamicObjectHeap);

  HINSTANCE module;
  HCURSOR arrowCursor = nullptr;  // shared system cursor, not owned: see ArrowCursor

  HeapMap<int, WindowRecord> windows;
  int nextDynamicWindow;
  int currentGadgetList = 0;  // window number, 0 for none

  std::vector<GadgetRecord, HeapAllocator<GadgetRecord>> gadgets;
  unsigned long long gadgetsCreated = 0;

  HeapMap<int, ScopedFont> fonts;

  // What the kinds and facilities in use stop when the toolkit stops.
  std::vector<void (*)(), HeapAllocator<void (*)()>> stops;

  WindowCallback callback = nullptr;
  EventState events;

  // The drawing pass's own tools, black, made once.
  ScopedBrush drawingBrush;
  ScopedPen drawingPen;
  std::vector<ScopedBitmap, HeapAllocator<ScopedBitmap>> images;  // null: the number is free
  ScopedMemoryDC imageTarget;
  DrawingPass pass;
};

// The state of a started toolkit.
ToolkitState& State();
// Runs `stop` when the toolkit stops, once its windows are closed; once,
// however often it is asked.
void RunAtStop(void (*stop)());
// The arrow cursor of the toolkit's window classes, loaded when the first
// class is registered rather than at every load: loading it takes longer
// than the rest of the start-up (Wine 8, 15 µs).
HCURSOR ArrowCursor();

// --- shared between the toolkit's files -------------------------------------

// The record of an open window, null for an unknown number or handle.
WindowRecord* FindWindowRecord(int window);
int WindowNumberOf(HWND handle);
// The record of an existing gadget, null for an unknown number.
GadgetRecord* FindGadget(int gadget);
// Creates the control of a gadget under `gadget` in the current gadget list,
// replacing a gadget that has the number, with the kind's own data for it.
// Returns the record or null.
GadgetRecord* CreateGadget(const GadgetKind& kind, int gadget, const char* systemClass,
                           DWORD style, DWORD extendedStyle, int x, int y, int width, int height,
                           const char* text, std::unique_ptr<GadgetData> data = nullptr);
// The gadgets of a window, in creation order.
std::vector<GadgetRecord*> GadgetsOfWindow(HWND window);
// Reads a control's text by its length.
std::string ControlText(HWND control);

void QueueEvent(int kind, int window);
void SetPendingGadgetEvent(int window, int gadget, int type);
void SetPendingEvent(int kind, int window);
// Posts a gadget event for the nearest enclosing toolkit window of `control`.
void PostGadgetEvent(HWND control, int gadget, int type);

HACCEL CreateTabAccelerators();
void MoveFocus(HWND window, bool forward);

LRESULT CALLBACK WindowProcedure(HWND, UINT, WPARAM, LPARAM);

}  // namespace toolkit
