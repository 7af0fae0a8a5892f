#include "toolkit/window_placement.h"

#include <algorithm>

#include "toolkit/constants.h"

namespace toolkit {

namespace {
constexpr int MeasuringFieldHeight = 15;
}  // namespace

std::uint32_t WindowStyleFromFlags(std::uint32_t flags) { return flags & ~window_flag::CentreOnScreen; }

ScreenArea PlaceWindow(std::uint32_t flags, int x, int y, int outerWidth, int outerHeight,
                      int screenWidth, int screenHeight) {
  if (flags & window_flag::CentreOnScreen) {
    const int width = std::min(outerWidth, screenWidth);
    const int height = std::min(outerHeight, screenHeight);
    return {(screenWidth - width) / 2, (screenHeight - height) / 2, width, height};
  }
  return {x, y, outerWidth, outerHeight};
}

int SelectionFieldHeight(int wantedHeight, int measuredHeight) {
  return wantedHeight - (measuredHeight - MeasuringFieldHeight);
}

}  // namespace toolkit
