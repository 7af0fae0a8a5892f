// A host that ends its process while a dialog of the library is open:
// loads Brindlework.dll, calls COMMAND on its main thread, and once the
// dialog is up a second thread calls ExitProcess(EXIT_CODE).
//   exit_host COMMAND TITLE EXIT_CODE
#include <windows.h>

#include <cstdlib>
#include <thread>

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  HMODULE library = LoadLibraryA("Brindlework.dll");
  if (!library) return 3;
  auto procedure = reinterpret_cast<const char* (*)()>(reinterpret_cast<void*>(GetProcAddress(library, argv[1])));
  if (!procedure) return 4;
  const char* title = argv[2];
  const UINT exitCode = static_cast<UINT>(std::atoi(argv[3]));
  std::thread ender([title, exitCode] {
    HWND dialog;
    while (!(dialog = FindWindowA(nullptr, title))) Sleep(10);
    // Taken in only by the dialog's event wait: its gadgets are made.
    DWORD_PTR ignored;
    SendMessageTimeoutA(dialog, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
    ExitProcess(exitCode);
  });
  procedure();
  ender.join();
  return 5;  // not reached: the process ends while the dialog is open
}
