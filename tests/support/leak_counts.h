// Counts of what a library could leave in its host process, taken before
// and after many calls or loads. Wine's GetGuiResources and
// GetProcessHandleCount are stubs, so GDI objects are counted in Wine's
// shared handle table, windows by enumeration, kernel handles one by one.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace support {

struct ResourceCounts {
  int windows = 0;  // of the process, children included
  // What a library creates: fonts, brushes, pens, bitmaps, palettes, memory
  // DCs. Window DCs with their regions and surfaces are left out: Wine makes
  // and caches them for its own window management (up to some sixty), and
  // how many live at one moment varies.
  int gdiDrawingObjects = 0;
  int gdiWindowDcs = 0;       // Wine's cache of them, shown for a failing count
  int heaps = 0;              // of the process
  std::size_t heapBytes = 0;  // busy bytes in every heap of the process
  int kernelHandles = 0;
  int threads = 0;
};

ResourceCounts CountResources();
std::string Describe(const ResourceCounts& counts);

// Expects the process to hold `after` what it held `before`: as many windows,
// heaps, kernel handles and threads, the drawing objects within the eight
// that Wine deletes late or makes of its own at a varying moment, and the
// heap bytes within `heapBytes`.
void ExpectAsBefore(const ResourceCounts& before, const ResourceCounts& after, std::size_t heapBytes,
                    const std::string& when);

// Whether a window class of that name is still registered for `module`.
bool ClassRegistered(HINSTANCE module, const char* className);

}  // namespace support
