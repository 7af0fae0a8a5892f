// The time from a call until the window it opens on this thread is shown
// and the thread waits for its first event. A creation hook on this thread
// hands the new top-level window to a watcher thread, which sends it a
// marked WM_NULL at once; a sent message is taken in only by the thread's
// message wait, and a hook on this thread notes the moment it arrives.
// The watcher then closes the window, which is not part of the time.
#pragma once

#include <windows.h>

#include <functional>

namespace bench {

struct Readiness {
  double seconds = 0;  // from the call until the marked message arrived
  int controls = 0;    // child windows of the window at that moment
  bool ready = false;  // false: no window came, or it never waited
};

// Runs `call` (which must open one captioned top-level window on this
// thread and return once it is closed) and measures it.
Readiness MeasureReadiness(const std::function<void()>& call);

}  // namespace bench
