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
#include "hosts/console_code_page.h"
#include "hosts/script_lines.h"

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
  // until its next call. Empty on cancel. With `from`, the dialog opens from that line.
  std::string Call(const std::string& command, const std::string& from) const {
    const char* line = nullptr;
    if (from.empty()) {
      using CommandProcedure = const char* (*)();
      if (auto procedure = reinterpret_cast<CommandProcedure>(
              reinterpret_cast<void*>(GetProcAddress(module_, command.c_str()))))
        line = procedure();
    } else {
      using EditProcedure = const char*(WINAPI*)(const char*);
      if (auto procedure = reinterpret_cast<EditProcedure>(
              reinterpret_cast<void*>(GetProcAddress(module_, hosts::EditProcedureName(command).c_str()))))
        line = procedure(from.c_str());
    }
    return line ? line : "";
  }

 private:
  HMODULE module_;
};

std::wstring Widened(std::string_view text, UINT codePage) {
  std::wstring wide(text.size(), L'\0');
  wide.resize(static_cast<std::size_t>(
      MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), static_cast<int>(wide.size()))));
  return wide;
}

std::string Narrowed(std::wstring_view text, UINT codePage) {
  std::string bytes(text.size() * 2, '\0');
  bytes.resize(static_cast<std::size_t>(WideCharToMultiByte(
      codePage, 0, text.data(), static_cast<int>(text.size()), bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr)));
  return bytes;
}

bool IsConsole(std::FILE* stream) {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE), &mode) != 0;
}

// Readable in a console window, whatever its code page; into a file or pipe
// as bytes of the library's code page 1252, or with `consoleCodePage` of the
// console's, which a script needs.
void Write(std::FILE* stream, std::wstring_view text, bool consoleCodePage = false) {
  if (IsConsole(stream)) {
    std::fflush(stream);
    DWORD written = 0;
    WriteConsoleW(GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE), text.data(),
                  static_cast<DWORD>(text.size()), &written, nullptr);
    return;
  }
  const std::string bytes = consoleCodePage ? hosts::ToConsoleCodePage(text) : Narrowed(text, 1252);
  std::fwrite(bytes.data(), 1, bytes.size(), stream);
}

// The editor's warnings for the line, and with --oem into a file the
// characters that become "?", on standard error: the line is written as it is.
void WarnAbout(const std::wstring& line, bool consoleCodePage) {
  const auto warnings = hosts::WarningsFor(line);
  if (!warnings.empty()) Write(stderr, L"brindle: Achtung bei „" + line + L"“:\n");
  for (const hosts::LineWarning& warning : warnings)
    Write(stderr, L"  " + warning.label + L": " + warning.explanation + L"\n");
  if (!consoleCodePage || IsConsole(stdout)) return;
  std::wstring lost;
  hosts::ToConsoleCodePage(line, &lost);
  if (lost.empty()) return;
  std::wstring list;
  for (wchar_t c : lost) list.append(L" ").push_back(c);
  Write(stderr, L"brindle: Diese Zeichen gibt es in der Codepage der Konsole (" + std::to_wstring(GetOEMCP()) +
                    L") nicht, sie werden zu „?“:" + list + L"\n");
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> given(argv + 1, argv + argc);
  const brindle::Arguments arguments = brindle::ParseArguments(given);
  switch (arguments.mode) {
    case brindle::Arguments::Mode::Wrong:
      Write(stderr, Widened("brindle: " + arguments.problem + "\n\n" + brindle::UsageText(), CP_ACP));
      return brindle::WrongUsage;
    case brindle::Arguments::Mode::LineTooLong:
      Write(stderr, L"brindle: --edit: Zeile zu lang: " + std::to_wstring(arguments.refusedLength) +
                        L" Zeichen, höchstens " + std::to_wstring(hosts::LongestLine) + L"\n");
      return brindle::LineTooLong;
    case brindle::Arguments::Mode::Help:
      Write(stdout, Widened(brindle::UsageText(), CP_ACP));
      return brindle::AllLines;
    case brindle::Arguments::Mode::List:
      for (const char* command : hosts::CommandNames) Write(stdout, Widened(std::string(command) + "\n", CP_ACP));
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
    const std::wstring line = Widened(library.Call(arguments.commands[i], arguments.lines[i]), 1252);
    if (line.empty()) return brindle::Cancelled;
    const bool last = i + 1 == arguments.commands.size();
    Write(stdout, line + (last && !arguments.finalLineBreak ? L"" : L"\n"), arguments.consoleCodePage);
    WarnAbout(line, arguments.consoleCodePage);
  }
  return brindle::AllLines;
}
