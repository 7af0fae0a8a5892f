// Keeps the system from asking about missing media (an empty floppy or card
// drive) while drives are queried, for the calling thread only, and puts
// the thread's earlier mode back on every path.
#pragma once

#include <windows.h>

namespace toolkit {

class QuietDriveErrors {
 public:
  QuietDriveErrors() { SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previous_); }
  ~QuietDriveErrors() { SetThreadErrorMode(previous_, nullptr); }
  QuietDriveErrors(const QuietDriveErrors&) = delete;
  QuietDriveErrors& operator=(const QuietDriveErrors&) = delete;

 private:
  DWORD previous_ = 0;
};

}  // namespace toolkit
