// The image store and the drawing pass.
#include "toolkit/images.h"

#include "toolkit/toolkit_state.h"

namespace toolkit {

namespace {

constexpr std::size_t ImageRoomAhead = 16;

HBITMAP FindImage(int image) {
  const auto& images = State().images;
  if (image < 0 || static_cast<std::size_t>(image) >= images.size()) return nullptr;
  return images[image].Get();
}

// Closes the image drawing context, ending a drawing pass that uses it.
void CloseImageTarget() {
  ToolkitState& s = State();
  if (s.pass.dc && s.pass.dc == s.imageTarget.Get()) StopDrawing();
  s.imageTarget.Reset();
}

HBITMAP MakeBlackImage(int width, int height, int bitsPerPixel) {
  BITMAPINFO info = {};
  static_assert(sizeof info.bmiHeader == 40);
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // positive: rows bottom-up
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap;
  {
    ScreenDC screen;
    if (!screen.Get()) return nullptr;
    bitmap = CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  }
  if (!bitmap) return nullptr;
  ScopedMemoryDC dc(CreateCompatibleDC(nullptr));
  if (dc) {
    ScopedSelection selected(dc.Get(), bitmap);
    RECT whole = {0, 0, width, height};
    FillRect(dc.Get(), &whole, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
  return bitmap;
}

}  // namespace

HBITMAP CreateImage(int image, int width, int height, int bitsPerPixel) {
  auto& images = State().images;
  if (image < 0) return nullptr;
  if (static_cast<std::size_t>(image) >= images.size()) images.resize(image + ImageRoomAhead);
  // An open drawing context may still hold the old bitmap: close it first.
  if (images[image]) CloseImageTarget();
  images[image].Reset(MakeBlackImage(width, height, bitsPerPixel));
  return images[image].Get();
}

HBITMAP ImageHandle(int image) { return FindImage(image); }

HDC ImageDrawingTarget(int image) {
  ToolkitState& s = State();
  CloseImageTarget();
  HBITMAP bitmap = FindImage(image);
  if (!bitmap) return nullptr;
  ScopedMemoryDC dc(CreateCompatibleDC(nullptr));
  // The bitmap stays selected until the context is deleted, which deselects it.
  if (!dc || !SelectObject(dc.Get(), bitmap)) return nullptr;
  s.imageTarget = std::move(dc);
  return s.imageTarget.Get();
}

void StartDrawing(HDC target) {
  ToolkitState& s = State();
  StopDrawing();
  if (!target) return;
  RunAtStop(StopDrawing);  // a pass still going then gives the context its own tools back
  s.pass.dc = target;
  s.pass.keptPen = SelectObject(target, s.drawingPen.Get());
  s.pass.keptBrush = SelectObject(target, s.drawingBrush.Get());
  s.pass.colour = RGB(0, 0, 0);
}

void FilledBox(int x, int y, int width, int height, std::uint32_t colour) {
  const DrawingPass& pass = State().pass;
  if (!pass.dc) return;
  const auto colourRef = static_cast<COLORREF>(colour);
  if (colourRef == pass.colour) {  // the pass's own pen and brush are selected
    Rectangle(pass.dc, x, y, x + width, y + height);
    return;
  }
  ScopedPen pen(CreatePen(PS_SOLID, 0, colourRef));
  ScopedBrush brush(CreateSolidBrush(colourRef));
  ScopedSelection penSelected(pass.dc, pen.Get());
  ScopedSelection brushSelected(pass.dc, brush.Get());
  Rectangle(pass.dc, x, y, x + width, y + height);
}

void StopDrawing() {
  ToolkitState& s = State();
  if (!s.pass.dc) return;
  SelectObject(s.pass.dc, s.pass.keptPen);
  SelectObject(s.pass.dc, s.pass.keptBrush);
  const bool imageTarget = s.pass.dc == s.imageTarget.Get();
  s.pass = DrawingPass{};
  if (imageTarget) s.imageTarget.Reset();
}

}  // namespace toolkit
