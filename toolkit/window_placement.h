// How open window turns its flags and sizes into a window style and a
// position. Plain arithmetic, no windows.h.
#pragma once

#include <cstdint>

namespace toolkit {

struct ScreenArea {
  int x = 0, y = 0, width = 0, height = 0;
  friend bool operator==(const ScreenArea&, const ScreenArea&) = default;
};

// The window style: the flags without the toolkit's option bit.
std::uint32_t WindowStyleFromFlags(std::uint32_t flags);

// Places a window of the given outer size. Centred on the screen, the size is
// first limited to the screen's; otherwise (x, y) is the outer top-left corner.
ScreenArea PlaceWindow(std::uint32_t flags, int x, int y, int outerWidth, int outerHeight,
                      int screenWidth, int screenHeight);

// The combo box height rule: the selection field height that makes the closed
// box `wantedHeight` tall, given its height `measuredHeight` with a field of 15.
int SelectionFieldHeight(int wantedHeight, int measuredHeight);

}  // namespace toolkit
