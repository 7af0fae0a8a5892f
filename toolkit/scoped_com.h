// Enters the calling thread into COM for a scope, as the shell's folders and
// its folder chooser need, and leaves it again at the end. COM is per
// thread: a host may call from any thread, and one that set COM up its own
// way (a multithreaded apartment) keeps it as it was.
#pragma once

#include <objbase.h>

namespace toolkit {

class ScopedCom {
 public:
  ScopedCom() : entered_(SUCCEEDED(CoInitialize(nullptr))) {}  // S_FALSE too: it counts
  ~ScopedCom() {
    if (entered_) CoUninitialize();
  }
  ScopedCom(const ScopedCom&) = delete;
  ScopedCom& operator=(const ScopedCom&) = delete;

 private:
  bool entered_;
};

}  // namespace toolkit
