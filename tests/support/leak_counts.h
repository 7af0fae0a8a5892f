// Counts of what a dialog could leak, taken before and after many calls.
// Wine's GetGuiResources is a stub, so GDI objects are counted in Wine's
// shared handle table and windows by enumeration.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace support {

struct ResourceCounts {
  int windows = 0;          // of the calling thread, children included
  int gdiObjects = 0;       // of the process, all types
  // What a library creates: fonts, brushes, pens, bitmaps, palettes, memory
  // DCs. Window DCs with their regions and surfaces are left out: Wine makes
  // and caches them for its own window management, and how many live at one
  // moment varies.
  int gdiDrawingObjects = 0;
  int gdiWindowDcs = 0;  // Wine's cache of them, shown for a failing count
  int heaps = 0;               // of the process
  std::size_t heapBytes = 0;  // busy bytes in every heap of the process
  std::size_t heapBlocks = 0;
};

ResourceCounts CountResources();
std::string Describe(const ResourceCounts& counts);

// Drawing object counts of three moments between two equal batches of
// calls: no growth beyond what Wine's own caches explain (see leak_counts.cpp).
void ExpectNoGdiGrowth(const ResourceCounts& start, const ResourceCounts& middle, const ResourceCounts& end);

// Whether a window class of that name is still registered for `module`.
bool ClassRegistered(HINSTANCE module, const char* className);

}  // namespace support
