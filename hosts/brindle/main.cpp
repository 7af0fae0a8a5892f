// brindle.exe COMMAND: loads Brindlework.dll from beside the program, calls
// the named command procedure and prints the command line it returned.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

const char* const Commands[] = {"chkdsk", "color", "echo", "title", "xcopy"};

bool IsCommand(const char* name) {
  for (const char* command : Commands)
    if (std::strcmp(command, name) == 0) return true;
  return false;
}

std::string LibraryBesideProgram() {
  std::string path(MAX_PATH, '\0');
  DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
  while (length == path.size()) {
    path.resize(path.size() * 2);
    length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
  }
  path.resize(length);
  path.erase(path.find_last_of('\\') + 1);
  return path + "Brindlework.dll";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || !IsCommand(argv[1])) {
    std::fprintf(stderr, "usage: brindle COMMAND   (chkdsk, color, echo, title or xcopy)\n");
    return 2;
  }
  HMODULE library = LoadLibraryA(LibraryBesideProgram().c_str());
  if (!library) {
    std::fprintf(stderr, "brindle: cannot load Brindlework.dll (error %lu)\n", GetLastError());
    return 2;
  }
  using CommandProcedure = const char* (*)();
  auto procedure = reinterpret_cast<CommandProcedure>(
      reinterpret_cast<void*>(GetProcAddress(library, argv[1])));
  if (!procedure) {
    std::fprintf(stderr, "brindle: Brindlework.dll has no procedure %s\n", argv[1]);
    FreeLibrary(library);
    return 2;
  }
  // Copy at once: the text is the library's and lives only until its next call.
  const std::string line = procedure();
  FreeLibrary(library);
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
  return line.empty() ? 1 : 0;
}
