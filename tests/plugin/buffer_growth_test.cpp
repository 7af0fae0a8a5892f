#include "plugin/buffer_growth.h"

#include <gtest/gtest.h>

namespace plugin {
namespace {

TEST(CommandTextBufferGrowth, GrowsByAtLeastTheStep) {
  struct Case {
    std::size_t capacity, needed, expected;
  };
  const Case cases[] = {
      {16, 1, 16},              // an empty text fits
      {16, 16, 16},             // fifteen characters and the zero fit exactly
      {16, 17, 16 + 16384},     // one more grows by the step
      {16, 30006, 30006},       // a text longer than the step gets exactly its size
      {16400, 16401, 32784},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GrownCapacity(c.capacity, c.needed), c.expected) << c.capacity << " " << c.needed;
    EXPECT_GE(GrownCapacity(c.capacity, c.needed), c.needed);
  }
}

}  // namespace
}  // namespace plugin
