#include "toolkit/folder_listing.h"

#include <algorithm>

namespace toolkit {

std::optional<std::string> NarrowName(std::wstring_view wide) {
  if (wide.empty()) return std::nullopt;
  // Most names are plain ASCII: those need no conversion call.
  if (std::all_of(wide.begin(), wide.end(), [](wchar_t c) { return c < 0x80; }))
    return std::string(wide.begin(), wide.end());
  std::string narrow(wide.size() * 2, '\0');
  BOOL lost = FALSE;
  const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                                         narrow.data(), static_cast<int>(narrow.size()), nullptr, &lost);
  if (length <= 0 || lost) return std::nullopt;
  narrow.resize(static_cast<std::size_t>(length));
  return narrow;
}

bool SameFolderPath(const std::string& a, const std::string& b) {
  auto wide = [](const std::string& narrow) {
    std::wstring text(narrow.size(), L'\0');
    text.resize(static_cast<std::size_t>(MultiByteToWideChar(
        CP_ACP, 0, narrow.data(), static_cast<int>(narrow.size()), text.data(), static_cast<int>(text.size()))));
    return text;
  };
  const std::wstring wideA = wide(a), wideB = wide(b);
  return CompareStringOrdinal(wideA.data(), static_cast<int>(wideA.size()), wideB.data(),
                              static_cast<int>(wideB.size()), TRUE) == CSTR_EQUAL;
}

FileSearch::FileSearch(const std::string& pattern) {
  if (pattern.size() >= MAX_PATH) return;
  wchar_t widePattern[MAX_PATH] = {};
  if (!MultiByteToWideChar(CP_ACP, 0, pattern.c_str(), -1, widePattern, MAX_PATH)) return;
  handle_ = FindFirstFileW(widePattern, &found_);
}

FileSearch::~FileSearch() {
  if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
}

const FoundEntry* FileSearch::NextFound() {
  while (handle_ != INVALID_HANDLE_VALUE) {
    if (!first_ && !FindNextFileW(handle_, &found_)) return nullptr;
    first_ = false;
    std::optional<std::string> name = NarrowName(found_.cFileName);
    if (!name) name = NarrowName(found_.cAlternateFileName);
    if (name) {
      entry_.name = std::move(*name);
      entry_.attributes = found_.dwFileAttributes;
      return &entry_;
    }
  }
  return nullptr;
}

}  // namespace toolkit
