// Stands in for robocopy.exe, which Wine 8 has only as a stub that answers
// 16 and lists nothing, and for any program a test must see started or not.
// Put into the folder a line runs in, where cmd.exe looks first, it adds
// its process id and command line to "aufrufe.txt" beside it, writes what
// "ausgabe.txt" there holds after its first line, and ends with the exit
// code that line starts with. The line's further numbers: how many new files
// to list then, as robocopy lists them (a listing of any length), and 1 to
// start a copy of itself that waits, before it writes anything, and to wait
// too halfway through the listing instead of going on: a process tree that
// only its end ends, cancelled while its listing is unfinished however
// quickly the files were listed up to there.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

namespace {

std::wstring Beside(const wchar_t* name) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder = path;
  return folder.substr(0, folder.find_last_of(L'\\') + 1) + name;
}

void Write(const std::string& text) {
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

constexpr wchar_t Waiting[] = L" --warten";

}  // namespace

int main() {
  const std::wstring line = GetCommandLineW();
  if (FILE* calls = _wfopen(Beside(L"aufrufe.txt").c_str(), L"ab")) {
    std::string bytes(line.size() * 3 + 1, '\0');
    bytes.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, bytes.data(),
                                                              static_cast<int>(bytes.size()), nullptr, nullptr) - 1));
    std::fprintf(calls, "%lu %s\n", GetCurrentProcessId(), bytes.c_str());
    std::fclose(calls);
  }
  if (line.ends_with(Waiting)) Sleep(INFINITE);
  FILE* file = _wfopen(Beside(L"ausgabe.txt").c_str(), L"rb");
  if (!file) return 16;
  int code = 16, hold = 0;
  long count = 0;
  char first[64] = {};
  if (!std::fgets(first, sizeof first, file) || std::sscanf(first, "%d %ld %d", &code, &count, &hold) < 1) code = 16;
  std::string output;
  char buffer[4096];
  for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, file)) > 0;) output.append(buffer, read);
  std::fclose(file);
  if (hold) {  // the child first: a tree from the start
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring child = L"\"" + std::wstring(self) + L"\"" + Waiting;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    if (CreateProcessW(self, child.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
      CloseHandle(started.hThread);
      CloseHandle(started.hProcess);
    }
  }
  Write(output);
  std::string files;
  for (long i = 1; i <= count; ++i) {
    files += "\t    New File  \t\t      12\tdatei" + std::to_string(i) + ".txt\r\n";
    if (files.size() > 60000 || i == count || (hold && i == count / 2)) Write(std::exchange(files, {}));
    if (hold && i == count / 2) Sleep(INFINITE);
  }
  return code;
}
