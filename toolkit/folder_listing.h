// Listing folders for the 8-bit interface. Names are read wide and handed
// on in the code page without best fit: a name with characters outside it
// would come back with "?" or a look-alike ("Omega" for "Ωmega") that names
// no folder, or another one. Such an entry goes by its short name, which
// reaches the same file; without one it cannot be reached.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "toolkit/quiet_drive_errors.h"

namespace toolkit {

// The code page form of a wide name; nothing when the code page cannot carry
// it, or it is empty.
std::optional<std::string> NarrowName(std::wstring_view wide);

// Whether two folder names or paths name the same folder, compared as the
// file system compares names: ordinal, ignoring case. A linguistic
// comparison would count "Straße" and "Strasse" alike and pass over
// characters without weight, such as a soft hyphen.
bool SameFolderPath(const std::string& a, const std::string& b);

// An entry of a folder as the 8-bit interface can hand it on.
struct FoundEntry {
  std::string name;
  DWORD attributes = 0;
  bool IsSubfolder() const {
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) && name != "." && name != "..";
  }
};

// The reachable entries matching a pattern (by their usual or their short
// name), without the system's box about a missing medium. A pattern past
// the path limit finds nothing.
class FileSearch {
 public:
  explicit FileSearch(const std::string& pattern);
  ~FileSearch();
  FileSearch(const FileSearch&) = delete;
  FileSearch& operator=(const FileSearch&) = delete;
  // The next reachable entry, or null when there is none.
  const FoundEntry* NextFound();

 private:
  QuietDriveErrors quiet_;
  WIN32_FIND_DATAW found_ = {};
  FoundEntry entry_;
  HANDLE handle_ = INVALID_HANDLE_VALUE;
  bool first_ = true;
};

}  // namespace toolkit
