#include "plugin/command_text_buffer.h"

#include <cstdlib>
#include <cstring>

#include "plugin/buffer_growth.h"

namespace plugin {

CommandTextBuffer::CommandTextBuffer(HANDLE heap) : heap_(heap), capacity_(InitialCommandTextCapacity) {
  data_ = static_cast<char*>(HeapAlloc(heap_, 0, capacity_));
  if (!data_) std::abort();
  data_[0] = '\0';
}

CommandTextBuffer::~CommandTextBuffer() { HeapFree(heap_, 0, data_); }

const char* CommandTextBuffer::Store(std::string_view text) {
  const std::size_t needed = text.size() + 1;
  if (needed > capacity_) {
    const std::size_t grown = GrownCapacity(capacity_, needed);
    // The old contents need not survive: the previous text is dead once a new call stores.
    char* bigger = static_cast<char*>(HeapAlloc(heap_, 0, grown));
    if (!bigger) std::abort();  // never hand back a pointer into storage that is too small
    HeapFree(heap_, 0, data_);
    data_ = bigger;
    capacity_ = grown;
  }
  if (!text.empty()) std::memcpy(data_, text.data(), text.size());
  data_[text.size()] = '\0';
  return data_;
}

}  // namespace plugin
