#include "hosts/brindle_edit/recent_files.h"

#include <windows.h>

#include <algorithm>

namespace brindle_edit {

namespace {

constexpr wchar_t Key[] = L"Software\\Brindlework\\BrindleEdit";
constexpr wchar_t Value[] = L"Zuletzt";
constexpr std::size_t LongestItem = 64;

bool SamePath(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

void Store(const std::vector<std::wstring>& files) {
  std::wstring list;  // REG_MULTI_SZ: each name ended by a null, the list by one more
  for (const std::wstring& file : files) list.append(file).push_back(L'\0');
  list.push_back(L'\0');
  RegSetKeyValueW(HKEY_CURRENT_USER, Key, Value, REG_MULTI_SZ, list.data(),
                  static_cast<DWORD>(list.size() * sizeof(wchar_t)));
}

}  // namespace

std::vector<std::wstring> RecentFiles() {
  DWORD bytes = 0;
  if (RegGetValueW(HKEY_CURRENT_USER, Key, Value, RRF_RT_REG_MULTI_SZ, nullptr, nullptr, &bytes) != ERROR_SUCCESS)
    return {};
  std::wstring list(bytes / sizeof(wchar_t) + 1, L'\0');
  if (RegGetValueW(HKEY_CURRENT_USER, Key, Value, RRF_RT_REG_MULTI_SZ, nullptr, list.data(), &bytes) != ERROR_SUCCESS)
    return {};
  std::vector<std::wstring> files;
  for (std::size_t at = 0; at < list.size() && list[at] && files.size() < RecentFileCount;) {
    const std::size_t end = std::min(list.find(L'\0', at), list.size());
    files.push_back(list.substr(at, end - at));
    at = end + 1;
  }
  return files;
}

void RememberFile(const std::wstring& path) {
  std::vector<std::wstring> files = RecentFiles();
  std::erase_if(files, [&](const std::wstring& file) { return SamePath(file, path); });
  files.insert(files.begin(), path);
  if (files.size() > RecentFileCount) files.resize(RecentFileCount);
  Store(files);
}

void ForgetFile(const std::wstring& path) {
  std::vector<std::wstring> files = RecentFiles();
  std::erase_if(files, [&](const std::wstring& file) { return SamePath(file, path); });
  Store(files);
}

std::wstring RecentFileItem(std::size_t index, const std::wstring& path) {
  std::wstring shown = path;
  // The drive, "…" and the end: the file's name stays whole.
  if (shown.size() > LongestItem) shown = shown.substr(0, 3) + L"…" + shown.substr(shown.size() - (LongestItem - 4));
  std::wstring item = L"&" + std::to_wstring(index + 1) + L" ";
  for (wchar_t c : shown) item.append(c == L'&' ? 2 : 1, c);
  return item;
}

}  // namespace brindle_edit
