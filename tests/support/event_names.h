// Names for event kinds and system messages, so that a failing sequence
// prints "gadget 3 BN_CLICKED" rather than numbers.
#pragma once

#include <string>
#include <vector>

namespace support {

struct RecordedEvent {
  int kind = 0;
  int gadget = 0;  // only for gadget events
  int type = 0;    // only for gadget events
  bool operator==(const RecordedEvent&) const = default;
};

std::string EventKindName(int kind);
std::string Describe(const RecordedEvent& event);
std::string Describe(const std::vector<RecordedEvent>& events);

}  // namespace support
