// The library entry: start-up on process attach, shut-down on detach.
#include <windows.h>

#include "plugin/library.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved) {
  switch (reason) {
    // A start-up that cannot complete has undone itself: the load fails, and the host goes on.
    case DLL_PROCESS_ATTACH: return plugin::StartUp(module) ? TRUE : FALSE;
    case DLL_PROCESS_DETACH:
      // The process is ending (reserved is not null): its other threads are
      // gone already, a dialog of one of them among them, and the system
      // takes back windows, fonts and heaps itself. Closing them here would
      // work on half-dead state.
      if (reserved) break;
      plugin::ShutDown();
      break;
    default: break;  // threads coming and going need nothing
  }
  return TRUE;
}
