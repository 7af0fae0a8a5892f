// Which gadget Tab and Shift+Tab move the keyboard focus to. The candidates
// are a window's gadgets in creation order; `canTakeFocus[i]` says whether
// gadget i is enabled, visible and a tab stop.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace toolkit {

enum class TabDirection { Forward, Backward };

// From `current` (the index of the focused gadget, or none) to the next
// candidate in `direction`, wrapping at either end. Without a focused gadget
// Tab goes to the first candidate and Shift+Tab to the last. None when no
// gadget can take the focus.
std::optional<std::size_t> NextTabStop(const std::vector<bool>& canTakeFocus,
                                       std::optional<std::size_t> current,
                                       TabDirection direction);

}  // namespace toolkit
