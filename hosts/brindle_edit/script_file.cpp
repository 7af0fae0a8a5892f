#include "hosts/brindle_edit/script_file.h"

#include <limits>

#include "hosts/brindle_edit/owned_handles.h"
#include "hosts/console_code_page.h"

namespace brindle_edit {

namespace {

UINT CodePageOf(ScriptEncoding encoding) { return encoding == ScriptEncoding::Utf8WithMark ? CP_UTF8 : CP_OEMCP; }

// CreateFile fails with INVALID_HANDLE_VALUE, not null.
OwnedHandle Owned(HANDLE file) { return OwnedHandle(file == INVALID_HANDLE_VALUE ? nullptr : file); }

std::wstring Decode(std::string_view bytes, UINT codePage) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  std::wstring text(static_cast<std::size_t>(MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0)), L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), size, text.data(), static_cast<int>(text.size()));
  return text;
}

std::string Encode(std::wstring_view text, UINT codePage) {
  if (codePage == CP_OEMCP) return hosts::ToConsoleCodePage(text);
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  std::string bytes(static_cast<std::size_t>(WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr)), '\0');
  WideCharToMultiByte(codePage, 0, text.data(), size, bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr);
  return bytes;
}

// A script another program holds open for a moment is replaced this often,
// this far apart.
constexpr int ReplaceAttempts = 10;
constexpr DWORD ReplacePauseMs = 100;

}  // namespace

Script ReadScript(const std::wstring& path, DWORD& error) {
  error = 0;
  OwnedHandle file = Owned(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size = {};
  if (!file || !GetFileSizeEx(file.get(), &size)) {
    error = GetLastError();
    return {};
  }
  if (size.QuadPart > static_cast<LONGLONG>(LargestScript)) {
    error = ERROR_FILE_TOO_LARGE;
    return {};
  }
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t read = 0;
  while (read < bytes.size()) {
    DWORD chunk = 0;
    if (!ReadFile(file.get(), bytes.data() + read, static_cast<DWORD>(bytes.size() - read), &chunk, nullptr)) {
      error = GetLastError();
      return {};
    }
    if (chunk == 0) break;  // the file shrank meanwhile
    read += chunk;
  }
  bytes.resize(read);
  Script script;
  script.encoding = DetectEncoding(bytes);
  script.text = WithCrLf(Decode(WithoutMark(bytes), CodePageOf(script.encoding)));
  return script;
}

std::wstring CharactersLost(std::wstring_view text, ScriptEncoding encoding) {
  std::wstring lost;
  if (encoding == ScriptEncoding::ConsoleOem) hosts::ToConsoleCodePage(text, &lost);
  return lost;
}

DWORD WriteScript(const std::wstring& path, std::wstring_view text, ScriptEncoding encoding) {
  std::string bytes = encoding == ScriptEncoding::Utf8WithMark ? std::string("\xEF\xBB\xBF") : std::string();
  bytes += Encode(WithFinalLineBreak(text), CodePageOf(encoding));
  if (bytes.size() > std::numeric_limits<DWORD>::max()) return ERROR_FILE_TOO_LARGE;

  const std::wstring temporary = path + L".brindle-neu";
  {
    OwnedHandle file = Owned(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return GetLastError();
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size() || !FlushFileBuffers(file.get())) {
      const DWORD error = GetLastError() ? GetLastError() : ERROR_WRITE_FAULT;
      file.reset();
      DeleteFileW(temporary.c_str());
      return error;
    }
  }
  // Another program reading the script for a moment (a virus scanner, an
  // indexer, a viewer) keeps it from being replaced: tried again for a second.
  for (int attempt = 0;; ++attempt) {
    if (MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return 0;
    const DWORD error = GetLastError();
    if (attempt == ReplaceAttempts || (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED)) {
      DeleteFileW(temporary.c_str());
      return error;
    }
    Sleep(ReplacePauseMs);
  }
}

}  // namespace brindle_edit
