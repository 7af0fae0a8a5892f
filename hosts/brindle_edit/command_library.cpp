#include "hosts/brindle_edit/command_library.h"

namespace brindle_edit {

CommandLibrary::CommandLibrary(const std::wstring& folder)
    : module_(LoadLibraryW((folder + L"Brindlework.dll").c_str())) {}

std::wstring CommandLibrary::Call(const char* command) const {
  if (!module_) return {};
  using CommandProcedure = const char* (*)();
  auto procedure =
      reinterpret_cast<CommandProcedure>(reinterpret_cast<void*>(GetProcAddress(module_.get(), command)));
  if (!procedure) return {};
  // The text is the library's until its next call: converted at once.
  const char* line = procedure();
  if (!line || !*line) return {};
  const int length = MultiByteToWideChar(1252, 0, line, -1, nullptr, 0);
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(1252, 0, line, -1, text.data(), length);
  text.resize(static_cast<std::size_t>(length - 1));
  return text;
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
