// The queue of happenings of the toolkit's windows (moved, sized, closed ...),
// first in, first out. A happening that repeats the last queued one is kept
// once, so a burst of moves of one window is reported as one move.
#pragma once

#include <deque>
#include <memory>
#include <optional>

namespace toolkit {

struct QueuedEvent {
  int kind = 0;
  int window = 0;
  friend bool operator==(const QueuedEvent&, const QueuedEvent&) = default;
};

template <class Allocator = std::allocator<QueuedEvent>>
class EventQueue {
 public:
  EventQueue() = default;
  explicit EventQueue(const Allocator& allocator) : entries_(allocator) {}

  // Appends the event unless it equals the last entry still queued.
  void Push(QueuedEvent event) {
    if (!entries_.empty() && entries_.back() == event) return;
    entries_.push_back(event);
  }

  // Takes the oldest entry, if any.
  std::optional<QueuedEvent> Pop() {
    if (entries_.empty()) return std::nullopt;
    QueuedEvent first = entries_.front();
    entries_.pop_front();
    return first;
  }

  bool Empty() const { return entries_.empty(); }
  std::size_t Size() const { return entries_.size(); }
  void Clear() { entries_.clear(); }

 private:
  std::deque<QueuedEvent, Allocator> entries_;
};

}  // namespace toolkit
