// How the command text buffer grows: from 16 bytes, by at least 16 KiB at a
// time, so that a long text does not cost a reallocation per call.
#pragma once

#include <cstddef>

namespace plugin {

inline constexpr std::size_t InitialCommandTextCapacity = 16;
inline constexpr std::size_t CommandTextGrowthStep = 16 * 1024;

// The capacity that holds `needed` bytes, for a buffer of `capacity` bytes.
constexpr std::size_t GrownCapacity(std::size_t capacity, std::size_t needed) {
  if (needed <= capacity) return capacity;
  const std::size_t stepped = capacity + CommandTextGrowthStep;
  return needed > stepped ? needed : stepped;
}

}  // namespace plugin
