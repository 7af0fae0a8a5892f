// The library entry: start-up on process attach, shut-down on detach.
#include <windows.h>

#include <version>  // tells which standard library this is

#include "plugin/library.h"

#if defined(__GLIBCXX__)
namespace __gnu_cxx {
// libstdc++'s release of its emergency exception pool, which it otherwise
// keeps after the library is unloaded (18,944 bytes a load, GCC 12, 32-bit).
void __freeres() noexcept;
}  // namespace __gnu_cxx
#endif

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved) {
  switch (reason) {
    case DLL_PROCESS_ATTACH: plugin::StartUp(module); break;
    case DLL_PROCESS_DETACH:
      // The process is ending (reserved is not null): its other threads are
      // gone already, a dialog of one of them among them, and the system
      // takes back windows, fonts and heaps itself. Closing them here would
      // work on half-dead state.
      if (reserved) break;
      plugin::ShutDown();
#if defined(__GLIBCXX__)
      __gnu_cxx::__freeres();
#endif
      break;
    default: break;  // threads coming and going need nothing
  }
  return TRUE;
}
