// The process-wide gadget table and the operations that every gadget kind
// shares. Each kind's own behaviour is in its file (button.cpp ...).
#include <algorithm>

#include "toolkit/room.h"
#include "toolkit/toolkit_state.h"

namespace toolkit {

namespace {

// Gadget numbers are control identifiers, which WM_COMMAND carries in 16 bits.
constexpr int LargestGadgetNumber = 0xFFFF;
constexpr std::size_t GadgetRoomAhead = 50;

GadgetRecord* RecordOfControl(HWND control) {
  GadgetRecord* gadget = FindGadget(GetDlgCtrlID(control));
  return gadget && gadget->control == control ? gadget : nullptr;
}

// Every gadget control is subclassed: the kind sees its messages, and the
// entry is freed when the control goes.
LRESULT CALLBACK GadgetProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  GadgetRecord* gadget = RecordOfControl(control);
  if (!gadget) return DefWindowProcA(control, message, wParam, lParam);
  const WNDPROC previous = gadget->previousProcedure;
  LRESULT result = 0;
  if (message != WM_NCDESTROY && gadget->kind->controlMessage &&
      gadget->kind->controlMessage(*gadget, message, wParam, lParam, result))
    return result;
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    *gadget = GadgetRecord{};
  }
  return CallWindowProcA(previous, control, message, wParam, lParam);
}

GadgetRecord& SlotFor(int gadget) {
  auto& gadgets = State().gadgets;
  if (static_cast<std::size_t>(gadget) >= gadgets.size()) gadgets.resize(gadget + GadgetRoomAhead);
  return gadgets[gadget];
}

}  // namespace

GadgetRecord* FindGadget(int gadget) {
  auto& gadgets = State().gadgets;
  if (gadget < 0 || static_cast<std::size_t>(gadget) >= gadgets.size()) return nullptr;
  GadgetRecord& record = gadgets[gadget];
  return record.control ? &record : nullptr;
}

GadgetRecord* CreateGadget(const GadgetKind& kind, int gadget, const char* systemClass, DWORD style,
                           DWORD extendedStyle, int x, int y, int width, int height,
                           const char* text, std::unique_ptr<GadgetData> data) {
  ToolkitState& s = State();
  HWND parent = WindowHandle(s.currentGadgetList);
  if (!parent || gadget < 0 || gadget > LargestGadgetNumber) return nullptr;
  if (GadgetRecord* old = FindGadget(gadget)) DestroyWindow(old->control);

  HWND control = CreateWindowExA(extendedStyle, systemClass, text ? text : "", style, x, y, width,
                                 height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(gadget)),
                                 s.module, nullptr);
  if (!control) return nullptr;
  GadgetRecord& record = SlotFor(gadget);
  record = GadgetRecord{};
  record.control = control;
  record.kind = &kind;
  record.number = gadget;
  record.data = std::move(data);
  record.creationOrder = ++s.gadgetsCreated;
  if (kind.shutDown) RunAtStop(kind.shutDown);
  record.previousProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GadgetProcedure)));
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
  return &record;
}

std::vector<GadgetRecord*> GadgetsOfWindow(HWND window) {
  std::vector<GadgetRecord*> found;
  for (GadgetRecord& gadget : State().gadgets)
    if (gadget.control && GetParent(gadget.control) == window) found.push_back(&gadget);
  std::sort(found.begin(), found.end(), [](const GadgetRecord* a, const GadgetRecord* b) {
    return a->creationOrder < b->creationOrder;
  });
  return found;
}

std::string ControlText(HWND control) {
  const auto length = static_cast<std::size_t>(std::max(GetWindowTextLengthA(control), 0));
  // A field holds what the user pasted, of any length: room for its text
  // and for a command line made of it, or the call ends (room.h).
  if (!RoomFor({length + 1, length + 64})) return {};
  std::string text(length, '\0');
  // The length may shrink (multi-byte texts) but never grows between the two calls.
  text.resize(static_cast<std::size_t>(GetWindowTextA(control, text.data(), static_cast<int>(text.size()) + 1)));
  return text;
}

HWND GadgetHandle(int gadget) {
  const GadgetRecord* record = FindGadget(gadget);
  return record ? record->control : nullptr;
}

int GetGadgetState(int gadget) {
  const GadgetRecord* record = FindGadget(gadget);
  return record && record->kind->getState ? record->kind->getState(*record) : 0;
}

void SetGadgetState(int gadget, int state) {
  GadgetRecord* record = FindGadget(gadget);
  if (record && record->kind->setState) record->kind->setState(*record, state);
}

std::string GetGadgetText(int gadget) {
  const GadgetRecord* record = FindGadget(gadget);
  if (!record) return {};
  return record->kind->getText ? record->kind->getText(*record) : ControlText(record->control);
}

void SetGadgetText(int gadget, const char* text) {
  GadgetRecord* record = FindGadget(gadget);
  if (!record) return;
  if (record->kind->setText)
    record->kind->setText(*record, text);
  else
    SetWindowTextA(record->control, text ? text : "");
}

void DisableGadget(int gadget, int disabled) {
  if (const GadgetRecord* record = FindGadget(gadget)) EnableWindow(record->control, disabled == 0);
}

void AddGadgetItem(int gadget, int position, const char* text) {
  GadgetRecord* record = FindGadget(gadget);
  if (record && record->kind->addItem && position >= -1) record->kind->addItem(*record, position, text);
}

}  // namespace toolkit
