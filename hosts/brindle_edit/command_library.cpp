#include "hosts/brindle_edit/command_library.h"

namespace brindle_edit {

CommandLibrary::CommandLibrary(const std::wstring& folder)
    : module_(LoadLibraryW((folder + L"Brindlework.dll").c_str())) {}

namespace {

// The library's text is its own until its next call: converted at once.
std::wstring FromLibrary(const char* line) {
  if (!line || !*line) return {};
  const int length = MultiByteToWideChar(1252, 0, line, -1, nullptr, 0);
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(1252, 0, line, -1, text.data(), length);
  text.resize(static_cast<std::size_t>(length - 1));
  return text;
}

}  // namespace

std::wstring CommandLibrary::Call(const char* command) const {
  using CommandProcedure = const char* (*)();
  auto procedure = reinterpret_cast<CommandProcedure>(
      reinterpret_cast<void*>(module_ ? GetProcAddress(module_.get(), command) : nullptr));
  return procedure ? FromLibrary(procedure()) : std::wstring();
}

std::wstring CommandLibrary::Edit(const char* command, const std::string& line) const {
  using EditProcedure = const char*(WINAPI*)(const char*);
  auto procedure = reinterpret_cast<EditProcedure>(reinterpret_cast<void*>(
      module_ ? GetProcAddress(module_.get(), hosts::EditProcedureName(command).c_str()) : nullptr));
  return procedure ? FromLibrary(procedure(line.c_str())) : std::wstring();
}

std::optional<std::string> InLibraryCodePage(std::wstring_view text) {
  if (text.empty()) return std::string();
  const int wideLength = static_cast<int>(text.size());
  const int length = WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, text.data(), wideLength, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  BOOL lost = FALSE;
  WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, text.data(), wideLength, bytes.data(), length, nullptr, &lost);
  if (lost) return std::nullopt;
  return bytes;
}

std::wstring ExecutableFolder() {
  std::wstring path(MAX_PATH, L'\0');
  DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  while (length == path.size()) {
    path.resize(path.size() * 2);
    length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  }
  path.resize(length);
  path.erase(path.find_last_of(L'\\') + 1);
  return path;
}

}  // namespace brindle_edit
