#include "toolkit/shell_look.h"

#include <shellapi.h>
#include <shlobj.h>

#include <memory>

#include "toolkit/folder_paths.h"
#include "toolkit/quiet_drive_errors.h"

namespace toolkit {

namespace {

// What the 32-bit shell takes: the size this file relies on.
static_assert(sizeof(void*) == 8 || sizeof(SHFILEINFOA) == 352);

std::unique_ptr<SharedLook> shared;  // the shell's icons are its own

ShellLook AskShell(const char* pathOrPidl, UINT extraFlags) {
  QuietDriveErrors quiet;
  SHFILEINFOA info = {};
  if (!SHGetFileInfoA(pathOrPidl, 0, &info, sizeof info,
                      SHGFI_DISPLAYNAME | SHGFI_SYSICONINDEX | SHGFI_SMALLICON | extraFlags))
    return {};
  return {info.szDisplayName, info.iIcon};
}

// A special folder's look, and its path when asked for.
ShellLook SpecialFolderLook(int folder, std::string* path) {
  LPITEMIDLIST pidl = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, folder, &pidl)) || !pidl) return {};
  const ShellLook look = AskShell(reinterpret_cast<const char*>(pidl), SHGFI_PIDL);
  if (path) {
    QuietDriveErrors quiet;
    char buffer[MAX_PATH] = {};
    if (SHGetPathFromIDListA(pidl, buffer)) *path = WithTrailingBackslash(buffer);
  }
  CoTaskMemFree(pidl);  // the shell's identifier is ours to free
  return look;
}

}  // namespace

ShellLook LookOf(const std::string& path) { return AskShell(path.c_str(), 0); }

SharedLook& SharedTreeLook() {
  if (shared) return *shared;
  shared = std::make_unique<SharedLook>();
  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  shared->folderIcon = LookOf(windows).icon;
  if (const ShellLook computer = SpecialFolderLook(CSIDL_DRIVES, nullptr); !computer.label.empty()) {
    shared->computerLabel = computer.label;
    shared->computerIcon = computer.icon;
  }
  if (const ShellLook documents = SpecialFolderLook(CSIDL_PERSONAL, &shared->documentsPath);
      !documents.label.empty()) {
    shared->documentsLabel = documents.label;
    shared->documentsIcon = documents.icon;
  }
  return *shared;
}

void ForgetSharedLook() { shared.reset(); }

HIMAGELIST SystemSmallIcons() {
  SHFILEINFOA info = {};
  return reinterpret_cast<HIMAGELIST>(SHGetFileInfoA("Ordner", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof info,
                                                     SHGFI_USEFILEATTRIBUTES | SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
}

}  // namespace toolkit
