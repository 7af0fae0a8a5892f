// Image gadget: a static control that paints its image itself and reports
// the mouse: a click (the static's own notification), a left double-click,
// a right click, a right double-click and a drag.
#include <cstdlib>
#include <memory>
#include <utility>

#include "toolkit/images.h"
#include "toolkit/toolkit_state.h"

namespace toolkit {

namespace {

constexpr DWORD ImageGadgetStyle = WS_CHILD | WS_VISIBLE | SS_NOTIFY;
constexpr int SunkenEdgeRoom = 4;

// The image shown (the store's, not owned) and what the mouse is doing.
struct ImageGadgetData final : GadgetData {
  HANDLE image = nullptr;
  POINT pressedAt = {};
  bool watchingDrag = false;
  bool rightDoubleClicked = false;
};

ImageGadgetData& Data(GadgetRecord& gadget) { return DataOf<ImageGadgetData>(gadget); }
const ImageGadgetData& Data(const GadgetRecord& gadget) { return DataOf<ImageGadgetData>(gadget); }

bool IsBitmap(HANDLE image) { return image && GetObjectType(image) == OBJ_BITMAP; }

void Paint(const GadgetRecord& gadget) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(gadget.control, &paint);
  if (IsBitmap(Data(gadget).image)) {
    BITMAP size = {};
    GetObjectA(Data(gadget).image, sizeof size, &size);
    ScopedMemoryDC source(CreateCompatibleDC(dc));
    ScopedSelection selected(source.Get(), Data(gadget).image);
    if (selected.Selected()) BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, source.Get(), 0, 0, SRCCOPY);
  } else if (Data(gadget).image) {
    DrawIconEx(dc, 0, 0, static_cast<HICON>(Data(gadget).image), 0, 0, 0, nullptr, DI_NORMAL);
  }
  EndPaint(gadget.control, &paint);
}

// The gadget state is an int: GDI and USER handles keep their value in the
// low 32 bits (sign-extended) on 64-bit Windows as well, so a handle passes
// through it whole. The image functions below hand the handle over directly.
int ShownImage(const GadgetRecord& gadget) {
  return static_cast<int>(reinterpret_cast<INT_PTR>(Data(gadget).image));
}

// Stores the handle (not owned) and repaints at once; a bitmap also sizes
// the gadget to itself.
void ShowImage(GadgetRecord& gadget, HANDLE image) {
  Data(gadget).image = image;
  if (IsBitmap(Data(gadget).image)) {
    BITMAP size = {};
    GetObjectA(Data(gadget).image, sizeof size, &size);
    const int edge = (GetWindowLongA(gadget.control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) ? SunkenEdgeRoom : 0;
    SetWindowPos(gadget.control, nullptr, 0, 0, size.bmWidth + edge, size.bmHeight + edge,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(gadget.control, nullptr, TRUE);
    UpdateWindow(gadget.control);
    return;
  }
  // Nothing to show: erase what the gadget covers in its window.
  HWND parent = GetParent(gadget.control);
  RECT covered;
  GetWindowRect(gadget.control, &covered);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&covered), 2);
  InvalidateRect(parent, &covered, TRUE);
  InvalidateRect(gadget.control, nullptr, TRUE);
  UpdateWindow(parent);
}

void ReportEvent(const GadgetRecord& gadget, int type) { PostGadgetEvent(gadget.control, gadget.number, type); }

bool ControlMessage(GadgetRecord& gadget, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_PAINT:
      if (!Data(gadget).image) return false;
      Paint(gadget);
      return true;
    case WM_ERASEBKGND:
      if (!IsBitmap(Data(gadget).image)) return false;
      result = 1;  // the image covers the whole gadget
      return true;
    case WM_ENABLE:
      // Looks the same either way: after the static's own greyed repaint,
      // the image is painted again at once.
      result = CallWindowProcA(gadget.previousProcedure, gadget.control, message, wParam, lParam);
      InvalidateRect(gadget.control, nullptr, TRUE);
      UpdateWindow(gadget.control);
      return true;
    case WM_LBUTTONDBLCLK:
      ReportEvent(gadget, event_type::DoubleClick);
      return true;  // the static would report a double-click of its own
    case WM_RBUTTONDBLCLK:
      Data(gadget).rightDoubleClicked = true;
      ReportEvent(gadget, event_type::RightDoubleClick);
      return true;
    case WM_RBUTTONUP:
      if (!std::exchange(Data(gadget).rightDoubleClicked, false)) ReportEvent(gadget, event_type::RightClick);
      return false;
    case WM_LBUTTONDOWN:
      Data(gadget).pressedAt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      Data(gadget).watchingDrag = true;
      SetCapture(gadget.control);
      return false;  // the static reports the click
    case WM_MOUSEMOVE:
      if (Data(gadget).watchingDrag && (wParam & MK_LBUTTON) &&
          (std::abs(static_cast<short>(LOWORD(lParam)) - Data(gadget).pressedAt.x) > GetSystemMetrics(SM_CXDRAG) ||
           std::abs(static_cast<short>(HIWORD(lParam)) - Data(gadget).pressedAt.y) > GetSystemMetrics(SM_CYDRAG))) {
        Data(gadget).watchingDrag = false;
        ReleaseCapture();
        ReportEvent(gadget, event_type::DragStarted);
      }
      return false;
    case WM_LBUTTONUP:
      if (std::exchange(Data(gadget).watchingDrag, false)) ReleaseCapture();
      return false;
    default:
      return false;
  }
}

void SetImage(GadgetRecord& gadget, int state) {
  ShowImage(gadget, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(state)));
}

const GadgetKind ImageGadgetKind = {
    .name = "image gadget",
    .getState = ShownImage,
    .setState = SetImage,
    .controlMessage = ControlMessage,
};

}  // namespace

int CreateImageGadget(int gadget, int x, int y, int width, int height, HBITMAP image,
                      std::uint32_t flags) {
  GadgetRecord* record = CreateGadget(ImageGadgetKind, gadget, "STATIC", ImageGadgetStyle, flags, x, y, width,
                                      height, nullptr, std::make_unique<ImageGadgetData>());
  if (!record) return 0;
  ShowImage(*record, image);
  return 1;
}

void SetGadgetImage(int gadget, HANDLE image) {
  GadgetRecord* record = FindGadget(gadget);
  if (record && record->kind == &ImageGadgetKind) ShowImage(*record, image);
}

HANDLE GetGadgetImage(int gadget) {
  const GadgetRecord* record = FindGadget(gadget);
  return record && record->kind == &ImageGadgetKind ? Data(*record).image : nullptr;
}

}  // namespace toolkit
