// The scripts last opened or saved, newest first, for the "Datei" menu.
// Kept in the user's registry (value "Zuletzt" of the key
// HKEY_CURRENT_USER\Software\Brindlework\BrindleEdit), so that every
// editor of the user shares them and finds them at its next start.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace brindle_edit {

inline constexpr std::size_t RecentFileCount = 6;

std::vector<std::wstring> RecentFiles();
// `path` first, once (names are compared without their case), at most RecentFileCount.
void RememberFile(const std::wstring& path);
void ForgetFile(const std::wstring& path);

// A menu item's text for the file at `index` (from 0): "&1 C:\Skripte\sicherung.bat",
// a long path shortened in its middle, a "&" in it shown as such.
std::wstring RecentFileItem(std::size_t index, const std::wstring& path);

}  // namespace brindle_edit
