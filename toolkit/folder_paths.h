// The paths of folder trees and the folder chooser, apart from windows.h: a
// folder path split into its drive and names, the chooser's initial folder,
// and the trailing backslash.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace toolkit {

struct FolderPathParts {
  int driveNumber;                 // 0 for A
  std::vector<std::string> names;  // the folders below the drive's root
};

// "c:\Daten\Projekte\" gives drive 2 and {"Daten", "Projekte"}; none for a
// text that does not start with a drive letter and a colon.
std::optional<FolderPathParts> SplitFolderPath(std::string_view path);

// The folder chooser's initial folder: at most 259 characters, and without
// its trailing backslash unless it is a drive's root (C:\ stays C:\).
std::string ChooserInitialFolder(std::string_view folder);

// A chosen folder's path with one trailing backslash.
std::string WithTrailingBackslash(std::string_view path);

}  // namespace toolkit
