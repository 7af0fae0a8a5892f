// A standard allocator over a Win32 private heap, so that the toolkit's
// records live in the library's own heaps and go with them at unload.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdlib>
#include <new>

namespace toolkit {

template <class T>
class HeapAllocator {
 public:
  using value_type = T;

  explicit HeapAllocator(HANDLE heap) noexcept : heap_(heap) {}  // not owned
  template <class U>
  HeapAllocator(const HeapAllocator<U>& other) noexcept : heap_(other.Heap()) {}

  T* allocate(std::size_t count) {
    void* memory = HeapAlloc(heap_, 0, count * sizeof(T));
    // Built without exceptions: running out of memory ends the process
    // rather than handing out a null pointer.
    if (!memory) std::abort();
    return static_cast<T*>(memory);
  }
  void deallocate(T* pointer, std::size_t) noexcept { HeapFree(heap_, 0, pointer); }

  HANDLE Heap() const noexcept { return heap_; }
  template <class U>
  bool operator==(const HeapAllocator<U>& other) const noexcept { return heap_ == other.Heap(); }

 private:
  HANDLE heap_;
};

}  // namespace toolkit
