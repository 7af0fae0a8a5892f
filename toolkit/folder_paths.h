// The texts of folder trees, apart from windows.h: what a text given to a
// tree asks for, a folder path split into its drive and names, and the list
// of file patterns.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace toolkit {

struct TreeTextRequest {
  enum class Form { StartingView, Pattern, LeadToFolder, PatternAndFolder };
  Form form;
  std::string pattern;     // Pattern, PatternAndFolder
  std::string folderPath;  // LeadToFolder, PatternAndFolder: ends with a backslash
};

// Empty text or "\": the starting view; no backslash: a file pattern; a
// trailing backslash: a folder to lead the tree to; otherwise the part
// after the last backslash is the pattern and the rest the folder.
TreeTextRequest ClassifyTreeText(std::string_view text);

struct FolderPathParts {
  int driveNumber;                 // 0 for A
  std::vector<std::string> names;  // the folders below the drive's root
};

// "c:\Daten\Projekte\" gives drive 2 and {"Daten", "Projekte"}; none for a
// text that does not start with a drive letter and a colon.
std::optional<FolderPathParts> SplitFolderPath(std::string_view path);

// "*.txt;*.bat" gives {"*.txt", "*.bat"}; empty parts are dropped.
std::vector<std::string> SplitPatterns(std::string_view patterns);

// The folder chooser's initial folder: at most 259 characters, and without
// its trailing backslash unless it is a drive's root (C:\ stays C:\).
std::string ChooserInitialFolder(std::string_view folder);

// A chosen folder's path with one trailing backslash.
std::string WithTrailingBackslash(std::string_view path);

}  // namespace toolkit
