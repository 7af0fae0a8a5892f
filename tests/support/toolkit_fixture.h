// A test dialog of the toolkit's own on the test's thread, with the event
// recorder that pumps until the thread is quiet (no sleeping and hoping).
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/event_names.h"
#include "toolkit/dialog.h"

namespace support {

// Runs the toolkit's wait until no message came for `quietMs`, and returns
// the events it reported, without the ones that every repaint and
// activation produces.
std::vector<RecordedEvent> PumpEvents(int quietMs = 60);
// Every event, background repaints and activations included.
std::vector<RecordedEvent> PumpAllEvents(int quietMs = 60);

class ToolkitTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  int window_ = 0;
  HWND handle_ = nullptr;
};

}  // namespace support
