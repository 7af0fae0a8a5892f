// brindle.exe COMMAND...: loads Brindlework.dll from beside the program,
// shows the named commands' dialogs and writes the command lines they
// return. See UsageText() for the options.
#include <windows.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "hosts/brindle/arguments.h"
#include "hosts/command_names.h"

namespace {

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

class Library {
 public:
  Library() : module_(LoadLibraryA(LibraryBesideProgram().c_str())) {}
  ~Library() {
    if (module_) FreeLibrary(module_);
  }
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;
  bool Loaded() const { return module_ != nullptr; }
  // The command's line, copied at once: the library's text lives only
  // until its next call. Empty on cancel.
  std::string Call(const std::string& command) const {
    using CommandProcedure = const char* (*)();
    auto procedure = reinterpret_cast<CommandProcedure>(
        reinterpret_cast<void*>(GetProcAddress(module_, command.c_str())));
    const char* line = procedure ? procedure() : nullptr;
    return line ? line : "";
  }

 private:
  HMODULE module_;
};

std::wstring Widened(const std::string& text, UINT codePage) {
  std::wstring wide(text.size(), L'\0');
  wide.resize(static_cast<std::size_t>(
      MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), static_cast<int>(wide.size()))));
  return wide;
}

// Writes library text (code page 1252): readable in a console window, and
// as bytes of 1252 or of the console's code page into a file or pipe.
void Write(const std::string& text, bool consoleCodePage) {
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  if (GetConsoleMode(out, &mode)) {
    std::fflush(stdout);
    const std::wstring wide = Widened(text, 1252);
    DWORD written = 0;
    WriteConsoleW(out, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  if (!consoleCodePage) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    return;
  }
  const std::wstring wide = Widened(text, 1252);
  std::string oem(wide.size() * 2, '\0');
  oem.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_OEMCP, 0, wide.data(), static_cast<int>(wide.size()),
                                                          oem.data(), static_cast<int>(oem.size()), nullptr, nullptr)));
  std::fwrite(oem.data(), 1, oem.size(), stdout);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> given(argv + 1, argv + argc);
  const brindle::Arguments arguments = brindle::ParseArguments(given);
  switch (arguments.mode) {
    case brindle::Arguments::Mode::Wrong:
      std::fprintf(stderr, "brindle: %s\n\n%s", arguments.problem.c_str(), brindle::UsageText().c_str());
      return brindle::WrongUsage;
    case brindle::Arguments::Mode::Help:
      Write(brindle::UsageText(), false);
      return brindle::AllLines;
    case brindle::Arguments::Mode::List:
      for (const char* command : hosts::CommandNames) Write(std::string(command) + "\n", false);
      return brindle::AllLines;
    case brindle::Arguments::Mode::Run:
      break;
  }
  Library library;
  if (!library.Loaded()) {
    std::fprintf(stderr, "brindle: Brindlework.dll kann nicht geladen werden (%s, Fehler %lu)\n",
                 LibraryBesideProgram().c_str(), GetLastError());
    return brindle::NoLibrary;
  }
  for (std::size_t i = 0; i < arguments.commands.size(); ++i) {
    const std::string line = library.Call(arguments.commands[i]);
    if (line.empty()) return brindle::Cancelled;
    const bool last = i + 1 == arguments.commands.size();
    Write(line + (last && !arguments.finalLineBreak ? "" : "\n"), arguments.consoleCodePage);
  }
  return brindle::AllLines;
}
