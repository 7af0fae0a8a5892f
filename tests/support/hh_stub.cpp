// Stands in for the help viewer: appends its command line to the file that
// BRINDLE_HH_LOG names, one line per start, and exits at once.
#include <windows.h>

#include <string>

int main() {
  char log[MAX_PATH];
  if (!GetEnvironmentVariableA("BRINDLE_HH_LOG", log, sizeof log)) return 1;
  // Viewers started together take turns: the log opens for one writer at a
  // time. (The C runtime's append seeks to the end, then writes: of two
  // viewers at once, one line was written over the other.)
  HANDLE file;
  while ((file = CreateFileA(log, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr)) ==
         INVALID_HANDLE_VALUE) {
    if (GetLastError() != ERROR_SHARING_VIOLATION) return 1;
    Sleep(1);
  }
  const std::string line = std::string(GetCommandLineA()) + "\n";
  DWORD written = 0;
  SetFilePointer(file, 0, nullptr, FILE_END);
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
  return 0;
}
