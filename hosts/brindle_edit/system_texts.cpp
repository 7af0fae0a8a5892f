#include "hosts/brindle_edit/system_texts.h"

namespace brindle_edit {

std::wstring SystemMessage(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
      reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message = length ? std::wstring(text, length) : L"Fehler " + std::to_wstring(error);
  if (text) LocalFree(text);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r')) message.pop_back();
  return message;
}

std::optional<std::wstring> EnvironmentValue(const std::wstring& name) {
  std::wstring value(256, L'\0');
  DWORD length = GetEnvironmentVariableW(name.c_str(), value.data(), static_cast<DWORD>(value.size()));
  if (length > value.size()) {
    value.resize(length);
    length = GetEnvironmentVariableW(name.c_str(), value.data(), length);
  }
  // cmd.exe cannot set a variable to nothing: "set NAME=" removes it.
  if (length == 0 || length > value.size()) return std::nullopt;
  value.resize(length);
  return value;
}

}  // namespace brindle_edit
