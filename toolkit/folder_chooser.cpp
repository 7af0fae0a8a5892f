#include "toolkit/folder_chooser.h"

#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/folder_listing.h"
#include "toolkit/folder_paths.h"
#include "toolkit/quiet_drive_errors.h"
#include "toolkit/scoped_com.h"

namespace toolkit {

namespace {

using BrowseForFolder = LPITEMIDLIST(WINAPI*)(LPBROWSEINFOA);
using PathFromItem = BOOL(WINAPI*)(LPCITEMIDLIST, LPWSTR);

// The shell library, loaded by name for one use.
class ShellLibrary {
 public:
  ShellLibrary() : module_(LoadLibraryA("SHELL32.DLL")) {}
  ~ShellLibrary() {
    if (module_) FreeLibrary(module_);
  }
  ShellLibrary(const ShellLibrary&) = delete;
  ShellLibrary& operator=(const ShellLibrary&) = delete;
  template <class Function>
  Function Find(const char* name) const {
    return module_ ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module_, name))) : nullptr;
  }

 private:
  HMODULE module_;
};

// Disables the thread's visible, enabled top-level windows other than
// `keep` and enables exactly those again at the end of the scope.
class DisabledThreadWindows {
 public:
  explicit DisabledThreadWindows(HWND keep) : keep_(keep) {
    EnumThreadWindows(GetCurrentThreadId(), Disable, reinterpret_cast<LPARAM>(this));
  }
  ~DisabledThreadWindows() {
    for (HWND window : disabled_) EnableWindow(window, TRUE);
  }
  DisabledThreadWindows(const DisabledThreadWindows&) = delete;
  DisabledThreadWindows& operator=(const DisabledThreadWindows&) = delete;

 private:
  static BOOL CALLBACK Disable(HWND window, LPARAM self) {
    auto* windows = reinterpret_cast<DisabledThreadWindows*>(self);
    if (window != windows->keep_ && IsWindowVisible(window) && IsWindowEnabled(window)) {
      EnableWindow(window, FALSE);
      windows->disabled_.push_back(window);
    }
    return TRUE;
  }
  HWND keep_;
  std::vector<HWND> disabled_;
};

// The 8-bit form of a chosen path, name by name as the folder listing hands
// names on: a name with characters outside the code page goes by its short
// name, which names the same folder (and is what the folder tree shows for
// it). A path with such a name that has no short name cannot be handed on:
// empty, as if nothing was chosen, rather than a path with "?" that names
// no folder or another one.
std::string ReachablePath(const std::wstring& path) {
  std::string result;
  std::size_t start = 0;
  while (start < path.size()) {
    const std::size_t end = std::min(path.find(L'\\', start), path.size());
    std::optional<std::string> name = NarrowName(std::wstring_view(path).substr(start, end - start));
    if (!name) {
      WIN32_FIND_DATAW found = {};
      HANDLE search = FindFirstFileW(path.substr(0, end).c_str(), &found);
      if (search == INVALID_HANDLE_VALUE) return {};
      FindClose(search);
      name = NarrowName(found.cAlternateFileName);
      if (!name) return {};
    }
    result += *name;
    if (end < path.size()) result += '\\';
    start = end + 1;
  }
  return result;
}

int CALLBACK SelectInitialFolder(HWND chooser, UINT message, LPARAM, LPARAM initialFolder) {
  if (message == BFFM_INITIALIZED) SendMessageA(chooser, BFFM_SETSELECTIONA, TRUE, initialFolder);
  return 0;
}

}  // namespace

std::string ChooseFolder(const char* title, const char* initialFolder) {
  ScopedCom com;
  ShellLibrary shell;
  auto browse = shell.Find<BrowseForFolder>("SHBrowseForFolder");
  auto pathFromItem = shell.Find<PathFromItem>("SHGetPathFromIDListW");
  if (!browse || !pathFromItem) return {};

  const std::string initial = ChooserInitialFolder(initialFolder ? initialFolder : "");
  HWND foreground = GetForegroundWindow();
  DWORD foregroundProcess = 0;
  GetWindowThreadProcessId(foreground, &foregroundProcess);
  HWND owner = foregroundProcess == GetCurrentProcessId() ? foreground : nullptr;

  char displayName[MAX_PATH] = {};
  BROWSEINFOA browseInfo = {};
  static_assert(sizeof(void*) == 8 || sizeof browseInfo == 32);
  browseInfo.hwndOwner = owner;
  browseInfo.pszDisplayName = displayName;
  browseInfo.lpszTitle = title;
  browseInfo.ulFlags = BIF_NEWDIALOGSTYLE;
  browseInfo.lpfn = SelectInitialFolder;
  browseInfo.lParam = reinterpret_cast<LPARAM>(initial.c_str());

  LPITEMIDLIST chosen;
  {
    DisabledThreadWindows disabled(foreground);
    // The chooser opens on a folder and lists the drives: an empty one must
    // not bring up the system's box about a missing medium.
    QuietDriveErrors quiet;
    chosen = browse(&browseInfo);
  }
  if (!chosen) return {};
  wchar_t path[MAX_PATH] = {};
  const bool hasPath = pathFromItem(chosen, path);
  CoTaskMemFree(chosen);  // the shell's identifier is ours to free
  // A virtual folder (the computer itself) has no path: empty text.
  const std::string reachable = hasPath ? ReachablePath(path) : std::string();
  return reachable.empty() ? reachable : WithTrailingBackslash(reachable);
}

}  // namespace toolkit
