#include "tests/support/leak_counts.h"

#include <gtest/gtest.h>

#include <winternl.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace support {

namespace {

BOOL CALLBACK CountChild(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  EnumChildWindows(window, CountChild, count);
  return TRUE;
}

// Wine 8 keeps a table of 65536 GDI handle entries of 24 bytes in shared
// memory, pointed to from the PEB; a live entry has a non-zero object field
// and its type in byte 12 (1 DC, 4 region, 5 bitmap, 8 palette, 0x0a font,
// 0x10 brush, 0x30 pen, 0x50 extended pen).
void CountGdiObjectsInWineTable(int& all, int& drawing) {
  all = drawing = -1;
  constexpr std::size_t PebOffset = sizeof(void*) == 4 ? 0x94 : 0xF8;
  constexpr std::size_t Entries = 65536;
  constexpr std::size_t EntrySize = 24;
  using QueryProcess = LONG(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
  auto query = reinterpret_cast<QueryProcess>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION basic = {};
  if (!query || query(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0)
    return;
  const auto* peb = reinterpret_cast<const unsigned char*>(basic.PebBaseAddress);
  const auto* table = *reinterpret_cast<const unsigned char* const*>(peb + PebOffset);
  if (!table) return;
  all = drawing = 0;
  int deviceContexts = 0, bitmaps = 0;
  for (std::size_t i = 0; i < Entries; ++i) {
    const unsigned char* entry = table + i * EntrySize;
    unsigned long long object;
    std::memcpy(&object, entry, sizeof object);
    if (object == 0) continue;
    ++all;
    switch (entry[12]) {
      case 0x01: ++deviceContexts; break;
      case 0x04: break;
      case 0x05: ++bitmaps; break;
      default: ++drawing; break;
    }
  }
  // Wine 8 caches device contexts for its windows, each with a region and
  // a bitmap of its own, more or fewer as windows come and go: a bitmap
  // counts only beyond one a device context.
  drawing += std::max(0, bitmaps - deviceContexts);
}

void CountHeaps(int& count, std::size_t& bytes, std::size_t& blocks) {
  // A fixed array: counting must not allocate in the heaps it counts.
  HANDLE heaps[256];
  count = static_cast<int>(GetProcessHeaps(256, heaps));
  for (int i = 0; i < count && i < 256; ++i) {
    HANDLE heap = heaps[i];
    if (!HeapLock(heap)) continue;
    PROCESS_HEAP_ENTRY entry = {};
    while (HeapWalk(heap, &entry)) {
      if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) {
        bytes += entry.cbData;
        ++blocks;
      }
    }
    HeapUnlock(heap);
  }
}

}  // namespace

ResourceCounts CountResources() {
  ResourceCounts counts;
  EnumThreadWindows(GetCurrentThreadId(), CountTopLevel, reinterpret_cast<LPARAM>(&counts.windows));
  CountGdiObjectsInWineTable(counts.gdiObjects, counts.gdiDrawingObjects);
  CountHeaps(counts.heaps, counts.heapBytes, counts.heapBlocks);
  return counts;
}

std::string Describe(const ResourceCounts& c) {
  return "windows " + std::to_string(c.windows) + ", GDI objects " + std::to_string(c.gdiObjects) +
         " (drawing objects " + std::to_string(c.gdiDrawingObjects) + ")" +
         ", heaps " + std::to_string(c.heaps) + ", heap bytes " + std::to_string(c.heapBytes) +
         " in " + std::to_string(c.heapBlocks) + " blocks";
}

bool ClassRegistered(HINSTANCE module, const char* className) {
  WNDCLASSEXA info = {};
  info.cbSize = sizeof info;
  return GetClassInfoExA(module, className, &info) != 0;
}

// Wine 8 makes some thirty bitmaps, device contexts and regions of its own
// once per process, at a moment that varies (the pointer's images among
// them), keeps a cache of device contexts for its windows that grows and
// shrinks by a few, and defers deleting a pen or font that a cached device
// context still holds. A leak of one object a call grows every batch by its
// number of calls; Wine's caches grow one batch at most, or a few objects
// each: one batch must stay quiet.
void ExpectNoGdiGrowth(const ResourceCounts& start, const ResourceCounts& middle, const ResourceCounts& end) {
  struct Rule {
    int ResourceCounts::*count;
    int quiet;  // the most the quiet batch may move
    int most;   // the most both may move together
  };
  // Wine's device context cache alone has grown by some eighty in one batch.
  const Rule rules[] = {{&ResourceCounts::gdiDrawingObjects, 2, 50}, {&ResourceCounts::gdiObjects, 8, 150}};
  for (const Rule& rule : rules) {
    const int first = middle.*rule.count - start.*rule.count;
    const int second = end.*rule.count - middle.*rule.count;
    EXPECT_LE(std::min(std::abs(first), std::abs(second)), rule.quiet) << first << " then " << second;
    EXPECT_LE(std::abs(first + second), rule.most) << first << " then " << second;
  }
}

}  // namespace support
