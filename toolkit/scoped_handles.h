// Move-only owners for the handles the library creates, so that nothing
// leaks on any path. A borrowed handle stays a plain handle, marked
// "not owned" where it is kept.
#pragma once

#include <windows.h>

#include <utility>

namespace toolkit {

template <class Handle, void (*Release)(Handle)>
class Scoped {
 public:
  Scoped() = default;
  explicit Scoped(Handle handle) : handle_(handle) {}
  Scoped(Scoped&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  Scoped& operator=(Scoped&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  Scoped(const Scoped&) = delete;
  Scoped& operator=(const Scoped&) = delete;
  ~Scoped() { Reset(); }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

  // Frees the held handle and takes `handle` instead.
  void Reset(Handle handle = nullptr) {
    if (handle_) Release(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

template <class Handle>
void DeleteGdiObject(Handle handle) { DeleteObject(handle); }
inline void DestroyAccelerators(HACCEL table) { DestroyAcceleratorTable(table); }
inline void DestroyHeap(HANDLE heap) { HeapDestroy(heap); }
inline void DeleteMemoryDC(HDC dc) { DeleteDC(dc); }

using ScopedFont = Scoped<HFONT, DeleteGdiObject<HFONT>>;
using ScopedBrush = Scoped<HBRUSH, DeleteGdiObject<HBRUSH>>;
using ScopedPen = Scoped<HPEN, DeleteGdiObject<HPEN>>;
using ScopedBitmap = Scoped<HBITMAP, DeleteGdiObject<HBITMAP>>;
using ScopedMemoryDC = Scoped<HDC, DeleteMemoryDC>;
using ScopedAcceleratorTable = Scoped<HACCEL, DestroyAccelerators>;
using ScopedHeap = Scoped<HANDLE, DestroyHeap>;

// A screen device context for reading device capabilities.
class ScreenDC {
 public:
  ScreenDC() : dc_(GetDC(nullptr)) {}
  ~ScreenDC() {
    if (dc_) ReleaseDC(nullptr, dc_);
  }
  ScreenDC(const ScreenDC&) = delete;
  ScreenDC& operator=(const ScreenDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// Selects an object into a context for one scope and puts the old one back.
class ScopedSelection {
 public:
  ScopedSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~ScopedSelection() {
    if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }
  ScopedSelection(const ScopedSelection&) = delete;
  ScopedSelection& operator=(const ScopedSelection&) = delete;
  bool Selected() const { return previous_ && previous_ != HGDI_ERROR; }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace toolkit
