// The one buffer through which every command procedure hands its command
// text to the host. A text stays valid until the next Store, which may move it.
#pragma once

#include <windows.h>

#include <string_view>

namespace plugin {

class CommandTextBuffer {
 public:
  // Keeps its text in `heap`, which outlives it.
  explicit CommandTextBuffer(HANDLE heap);
  ~CommandTextBuffer();
  CommandTextBuffer(const CommandTextBuffer&) = delete;
  CommandTextBuffer& operator=(const CommandTextBuffer&) = delete;

  // Copies `text` with a terminating zero into the buffer and returns the
  // copy; never null, and empty text gives a single zero byte, as does a
  // text for which the buffer cannot grow.
  const char* Store(std::string_view text);

  // Whether the buffer got its first bytes (a start-up without them fails).
  bool Ready() const { return data_ != nullptr; }
  std::size_t Capacity() const { return capacity_; }

 private:
  HANDLE heap_;  // not owned: the library's heap
  char* data_ = nullptr;
  std::size_t capacity_ = 0;
};

}  // namespace plugin
