// A test dialog of the toolkit's own on the test's thread, with the event
// recorder that pumps until the thread is quiet (no sleeping and hoping).
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/dialog.h"

namespace support {

struct RecordedEvent {
  int kind = 0;
  int gadget = 0;  // only for gadget events
  int type = 0;    // only for gadget events
  bool operator==(const RecordedEvent&) const = default;
};

// Prints a recorded event by its names when a comparison fails: "close",
// "gadget 3 pressed" rather than "13100 3 0".
void PrintTo(const RecordedEvent& e, std::ostream* out);

// Runs the toolkit's wait until no message came for `quietMs`, and returns
// the events it reported, without the ones that every repaint and
// activation produces.
std::vector<RecordedEvent> PumpEvents(int quietMs = 60);

class ToolkitTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  int window_ = 0;
  HWND handle_ = nullptr;
};

}  // namespace support
