#include "toolkit/tab_order.h"

namespace toolkit {

std::optional<std::size_t> NextTabStop(const std::vector<bool>& canTakeFocus,
                                       std::optional<std::size_t> current,
                                       TabDirection direction) {
  const std::size_t count = canTakeFocus.size();
  const bool forward = direction == TabDirection::Forward;
  const bool hasCurrent = current && *current < count;
  // Step through all gadgets once; from the focused one the last step comes
  // back to it, so a lone candidate keeps the focus.
  for (std::size_t step = 1; step <= count; ++step) {
    std::size_t position;
    if (hasCurrent)
      position = forward ? (*current + step) % count : (*current + count - step) % count;
    else
      position = forward ? step - 1 : count - step;
    if (canTakeFocus[position]) return position;
  }
  return std::nullopt;
}

}  // namespace toolkit
