#include "plugin/command_text_buffer.h"

#include <cstring>

#include "plugin/buffer_growth.h"

namespace plugin {

CommandTextBuffer::CommandTextBuffer(HANDLE heap) : heap_(heap) {
  data_ = static_cast<char*>(HeapAlloc(heap_, 0, InitialCommandTextCapacity));
  if (!data_) return;
  capacity_ = InitialCommandTextCapacity;
  data_[0] = '\0';
}

CommandTextBuffer::~CommandTextBuffer() {
  if (data_) HeapFree(heap_, 0, data_);
}

const char* CommandTextBuffer::Store(std::string_view text) {
  const std::size_t needed = text.size() + 1;
  if (needed > capacity_) {
    const std::size_t grown = GrownCapacity(capacity_, needed);
    // The old contents need not survive: the previous text is dead once a new call stores.
    char* bigger = needed > text.size() ? static_cast<char*>(HeapAlloc(heap_, 0, grown)) : nullptr;
    if (!bigger) {
      // Never a pointer into storage that is too small: the call gives empty text.
      data_[0] = '\0';
      return data_;
    }
    HeapFree(heap_, 0, data_);
    data_ = bigger;
    capacity_ = grown;
  }
  if (!text.empty()) std::memcpy(data_, text.data(), text.size());
  data_[text.size()] = '\0';
  return data_;
}

}  // namespace plugin
