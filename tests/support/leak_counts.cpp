#include "tests/support/leak_counts.h"

#include <gtest/gtest.h>
#include <tlhelp32.h>
#include <winternl.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "tests/support/window_search.h"

namespace support {

namespace {

// Wine 8 keeps a table of 65536 GDI handle entries of 24 bytes in shared
// memory, pointed to from the PEB (GdiSharedHandleTable: offset 0x94 of the
// 32-bit PEB, 0xF8 of the 64-bit one; the entries are the same in both). A
// live entry has a non-zero object field and its type in byte 12: 0x01 DC,
// 0x04 region, 0x05 surface, 0x08 palette, 0x09 bitmap, 0x0a font, 0x10 brush,
// 0x30 pen, 0x41 memory DC, 0x50 extended pen; 0x80 marks a stock object.
// Wine caches the DCs of windows, each with a region and a surface of its own
// (measured: as many surfaces as DCs, and a region or three more).
void CountGdiObjectsInWineTable(ResourceCounts& counts) {
  counts.gdiDrawingObjects = counts.gdiWindowDcs = -1;
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
  counts.gdiDrawingObjects = counts.gdiWindowDcs = 0;
  for (std::size_t i = 0; i < Entries; ++i) {
    const unsigned char* entry = table + i * EntrySize;
    unsigned long long object;
    std::memcpy(&object, entry, sizeof object);
    if (object == 0) continue;
    switch (entry[12]) {
      case 0x01: ++counts.gdiWindowDcs; break;
      case 0x04: case 0x05: break;
      default: ++counts.gdiDrawingObjects;
    }
  }
}

void CountHeaps(ResourceCounts& counts) {
  // A fixed array: counting must not allocate in the heaps it counts.
  HANDLE heaps[256];
  counts.heaps = static_cast<int>(GetProcessHeaps(256, heaps));
  for (int i = 0; i < counts.heaps && i < 256; ++i) {
    if (!HeapLock(heaps[i])) continue;
    PROCESS_HEAP_ENTRY entry = {};
    while (HeapWalk(heaps[i], &entry)) counts.heapBytes += (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) ? entry.cbData : 0;
    HeapUnlock(heaps[i]);
  }
}

// Wine hands out kernel handles in multiples of four from 4 on.
int KernelHandles() {
  int count = 0;
  for (std::uintptr_t value = 4; value < 0x10000; value += 4) {
    DWORD flags = 0;
    if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
  }
  return count;
}

int Threads() {
  int count = 0;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  THREADENTRY32 thread = {};
  thread.dwSize = sizeof thread;
  for (BOOL more = Thread32First(snapshot, &thread); more; more = Thread32Next(snapshot, &thread))
    count += thread.th32OwnerProcessID == GetCurrentProcessId() ? 1 : 0;
  CloseHandle(snapshot);
  return count;
}

}  // namespace

ResourceCounts CountResources() {
  ResourceCounts counts;
  counts.windows = ProcessWindows();
  CountGdiObjectsInWineTable(counts);
  CountHeaps(counts);
  counts.kernelHandles = KernelHandles();
  counts.threads = Threads();
  return counts;
}

std::string Describe(const ResourceCounts& c) {
  return "windows " + std::to_string(c.windows) + ", GDI drawing objects " + std::to_string(c.gdiDrawingObjects) +
         " (window DCs " + std::to_string(c.gdiWindowDcs) + "), heaps " + std::to_string(c.heaps) + ", heap bytes " +
         std::to_string(c.heapBytes) + ", kernel handles " + std::to_string(c.kernelHandles) + ", threads " +
         std::to_string(c.threads);
}

void ExpectAsBefore(const ResourceCounts& before, const ResourceCounts& after, std::size_t heapBytes,
                    const std::string& when) {
  EXPECT_EQ(after.windows, before.windows) << when;
  EXPECT_EQ(after.heaps, before.heaps) << when << ": a private heap outlived its library";
  EXPECT_EQ(after.kernelHandles, before.kernelHandles) << when;
  EXPECT_EQ(after.threads, before.threads) << when;
  EXPECT_LE(std::abs(after.gdiDrawingObjects - before.gdiDrawingObjects), 8) << when;
  const auto [fewer, more] = std::minmax(after.heapBytes, before.heapBytes);
  EXPECT_LE(more - fewer, heapBytes) << when << ": heap bytes";
}

bool ClassRegistered(HINSTANCE module, const char* className) {
  WNDCLASSEXA info = {};
  info.cbSize = sizeof info;
  return GetClassInfoExA(module, className, &info) != 0;
}

}  // namespace support
