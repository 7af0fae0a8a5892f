#include "toolkit/window_placement.h"

#include <algorithm>

#include "toolkit/constants.h"

namespace toolkit {

namespace {
constexpr std::uint32_t OptionBits = window_flag::CentreOnScreen | window_flag::CentreOnActiveWindow |
                                     window_flag::NotGadgetList | window_flag::Hidden;
constexpr int MeasuringFieldHeight = 15;
}  // namespace

std::uint32_t WindowStyleFromFlags(std::uint32_t flags) { return flags & ~OptionBits; }

ShowMode ShowModeFromFlags(std::uint32_t flags) {
  if (flags & window_flag::Hidden) return ShowMode::Hidden;
  if (flags & window_flag::Maximised) return ShowMode::Maximised;
  if (flags & window_flag::Minimised) return ShowMode::Minimised;
  return ShowMode::Normal;
}

ScreenArea PlaceWindow(std::uint32_t flags, int x, int y, int outerWidth, int outerHeight,
                      int screenWidth, int screenHeight, const ScreenArea* activeWindow) {
  if (flags & window_flag::CentreOnScreen) {
    const int width = std::min(outerWidth, screenWidth);
    const int height = std::min(outerHeight, screenHeight);
    return {(screenWidth - width) / 2, (screenHeight - height) / 2, width, height};
  }
  if ((flags & window_flag::CentreOnActiveWindow) && activeWindow) {
    return {activeWindow->x + (activeWindow->width - outerWidth) / 2,
            activeWindow->y + (activeWindow->height - outerHeight) / 2, outerWidth, outerHeight};
  }
  return {x, y, outerWidth, outerHeight};
}

int SelectionFieldHeight(int wantedHeight, int measuredHeight) {
  return wantedHeight - (measuredHeight - MeasuringFieldHeight);
}

}  // namespace toolkit
