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
// memory, pointed to from the PEB (GdiSharedHandleTable: offset 0x94 of the
// 32-bit PEB, 0xF8 of the 64-bit one; the entries are the same in both). A
// live entry has a non-zero object field and its type in byte 12: 0x01 DC,
// 0x04 region, 0x05 surface, 0x08 palette, 0x09 bitmap, 0x0a font, 0x10 brush,
// 0x30 pen, 0x41 memory DC, 0x50 extended pen; 0x80 marks a stock object.
// Wine caches the DCs of windows, each with a region and a surface of its own
// (measured: as many surfaces as DCs, and a region or three more).
void CountGdiObjectsInWineTable(ResourceCounts& counts) {
  counts.gdiObjects = counts.gdiDrawingObjects = counts.gdiWindowDcs = -1;
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
  counts.gdiObjects = counts.gdiDrawingObjects = counts.gdiWindowDcs = 0;
  for (std::size_t i = 0; i < Entries; ++i) {
    const unsigned char* entry = table + i * EntrySize;
    unsigned long long object;
    std::memcpy(&object, entry, sizeof object);
    if (object == 0) continue;
    ++counts.gdiObjects;
    switch (entry[12]) {
      case 0x01: ++counts.gdiWindowDcs; break;
      case 0x04: case 0x05: break;
      default: ++counts.gdiDrawingObjects;
    }
  }
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
  CountGdiObjectsInWineTable(counts);
  CountHeaps(counts.heaps, counts.heapBytes, counts.heapBlocks);
  return counts;
}

std::string Describe(const ResourceCounts& c) {
  return "windows " + std::to_string(c.windows) + ", GDI objects " + std::to_string(c.gdiObjects) +
         " (drawing objects " + std::to_string(c.gdiDrawingObjects) +
         ", window DCs " + std::to_string(c.gdiWindowDcs) + ")" +
         ", heaps " + std::to_string(c.heaps) + ", heap bytes " + std::to_string(c.heapBytes) +
         " in " + std::to_string(c.heapBlocks) + " blocks";
}

bool ClassRegistered(HINSTANCE module, const char* className) {
  WNDCLASSEXA info = {};
  info.cbSize = sizeof info;
  return GetClassInfoExA(module, className, &info) != 0;
}

// Wine 8 makes some thirty bitmaps and memory DCs of its own once per
// process, at a moment that varies (the pointer's images among them), and
// defers deleting a pen or font that a cached device context still holds, so
// a count may be one or two off either way. A leak of one object a call grows
// every batch by its number of calls; Wine's one-time objects grow one batch
// at most, and a few that it keeps for a while may go again in the next:
// one batch must not grow. The window DCs, with their regions and
// surfaces, are left out of the rule: Wine fills its cache of them over many
// calls, by up to some forty in one batch and in both batches of one test
// alike (measured with the 32-bit and the 64-bit build), until it holds
// about sixty.
void ExpectNoGdiGrowth(const ResourceCounts& start, const ResourceCounts& middle, const ResourceCounts& end) {
  const int first = middle.gdiDrawingObjects - start.gdiDrawingObjects;
  const int second = end.gdiDrawingObjects - middle.gdiDrawingObjects;
  EXPECT_LE(std::min(first, second), 2) << first << " then " << second;
  EXPECT_LE(std::abs(first + second), 50) << first << " then " << second;
}

}  // namespace support
