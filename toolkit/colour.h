// Colour values: red + 256 x green + 65536 x blue, as the platform's
// colour references hold them. Components are not masked: one above 255
// carries into the next.
#pragma once

#include <cstdint>

namespace toolkit {

constexpr std::uint32_t MakeColour(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
  return red + 256 * green + 65536 * blue;
}

}  // namespace toolkit
