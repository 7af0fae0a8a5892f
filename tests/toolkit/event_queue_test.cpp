#include "toolkit/event_queue.h"

#include <gtest/gtest.h>

#include <vector>

namespace toolkit {
namespace {

std::vector<QueuedEvent> Drain(EventQueue<>& queue) {
  std::vector<QueuedEvent> taken;
  while (auto event = queue.Pop()) taken.push_back(*event);
  return taken;
}

TEST(EventQueue, FoldsOnlyConsecutiveDuplicates) {
  struct Case {
    const char* what;
    std::vector<QueuedEvent> pushed, expected;
  };
  const Case cases[] = {
      {"two moves of one window", {{3, 7}, {3, 7}}, {{3, 7}}},
      {"moves of two windows", {{3, 7}, {3, 8}, {3, 7}}, {{3, 7}, {3, 8}, {3, 7}}},
      {"a size between two moves", {{3, 7}, {5, 7}, {3, 7}}, {{3, 7}, {5, 7}, {3, 7}}},
      {"a burst then another kind", {{16, 7}, {16, 7}, {16, 7}, {5, 7}}, {{16, 7}, {5, 7}}},
  };
  for (const Case& c : cases) {
    EventQueue<> queue;
    for (const QueuedEvent& event : c.pushed) queue.Push(event);
    EXPECT_EQ(Drain(queue), c.expected) << c.what;
  }
}

}  // namespace
}  // namespace toolkit
