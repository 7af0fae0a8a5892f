// Image gadget: a static control that paints its bitmap itself, unscaled at
// its top-left corner.
#include <memory>

#include "toolkit/images.h"
#include "toolkit/toolkit_state.h"

namespace toolkit {

namespace {

constexpr DWORD ImageGadgetStyle = WS_CHILD | WS_VISIBLE;
constexpr int SunkenEdgeRoom = 4;

// The image shown: the store's, not owned.
struct ImageGadgetData final : GadgetData {
  HANDLE image = nullptr;
};

HANDLE ImageOf(const GadgetRecord& gadget) { return DataOf<ImageGadgetData>(gadget).image; }

bool IsBitmap(HANDLE image) { return image && GetObjectType(image) == OBJ_BITMAP; }

void Paint(const GadgetRecord& gadget) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(gadget.control, &paint);
  BITMAP size = {};
  GetObjectA(ImageOf(gadget), sizeof size, &size);
  ScopedMemoryDC source(CreateCompatibleDC(dc));
  ScopedSelection selected(source.Get(), ImageOf(gadget));
  if (selected.Selected()) BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, source.Get(), 0, 0, SRCCOPY);
  EndPaint(gadget.control, &paint);
}

// Stores the handle (not owned) and repaints at once; a bitmap also sizes
// the gadget to itself.
void ShowImage(GadgetRecord& gadget, HANDLE image) {
  DataOf<ImageGadgetData>(gadget).image = image;
  if (IsBitmap(image)) {
    BITMAP size = {};
    GetObjectA(image, sizeof size, &size);
    const int edge = (GetWindowLongA(gadget.control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) ? SunkenEdgeRoom : 0;
    SetWindowPos(gadget.control, nullptr, 0, 0, size.bmWidth + edge, size.bmHeight + edge,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(gadget.control, nullptr, TRUE);
    UpdateWindow(gadget.control);
    return;
  }
  // Nothing to show (a swatch that could not be made): erase what the
  // gadget covers in its window.
  HWND parent = GetParent(gadget.control);
  RECT covered;
  GetWindowRect(gadget.control, &covered);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&covered), 2);
  InvalidateRect(parent, &covered, TRUE);
  InvalidateRect(gadget.control, nullptr, TRUE);
  UpdateWindow(parent);
}

bool ControlMessage(GadgetRecord& gadget, UINT message, WPARAM, LPARAM, LRESULT& result) {
  if (!IsBitmap(ImageOf(gadget))) return false;  // the static paints its empty self
  if (message == WM_PAINT) {
    Paint(gadget);
    return true;
  }
  if (message == WM_ERASEBKGND) {
    result = 1;  // the image covers the whole gadget
    return true;
  }
  return false;
}

const GadgetKind ImageGadgetKind = {.controlMessage = ControlMessage};

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

}  // namespace toolkit
