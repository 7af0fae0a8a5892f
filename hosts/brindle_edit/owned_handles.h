// Owners for the handles the editor makes: each one released exactly once,
// on every path.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace brindle_edit {

struct GdiObjectRelease {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct AcceleratorRelease {
  void operator()(HACCEL table) const { DestroyAcceleratorTable(table); }
};
struct LibraryRelease {
  void operator()(HMODULE module) const { FreeLibrary(module); }
};
struct KernelHandleRelease {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};

using OwnedFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectRelease>;
using OwnedBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectRelease>;
using OwnedAccelerators = std::unique_ptr<std::remove_pointer_t<HACCEL>, AcceleratorRelease>;
using OwnedLibrary = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryRelease>;
// For handles whose failure value is null; CreateFile's is not (see script_file.cpp).
using OwnedHandle = std::unique_ptr<void, KernelHandleRelease>;

}  // namespace brindle_edit
