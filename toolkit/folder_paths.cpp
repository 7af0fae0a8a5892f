#include "toolkit/folder_paths.h"

namespace toolkit {

namespace {
constexpr std::size_t LongestPath = 259;
}

std::optional<FolderPathParts> SplitFolderPath(std::string_view path) {
  if (path.size() < 2 || path[1] != ':') return std::nullopt;
  char letter = path[0];
  if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
  if (letter < 'A' || letter > 'Z') return std::nullopt;
  FolderPathParts parts{letter - 'A', {}};
  std::string_view rest = path.substr(2);
  while (!rest.empty()) {
    const std::size_t backslash = rest.find('\\');
    const std::string_view name = rest.substr(0, backslash);
    if (!name.empty()) parts.names.emplace_back(name);
    if (backslash == std::string_view::npos) break;
    rest.remove_prefix(backslash + 1);
  }
  return parts;
}

std::string ChooserInitialFolder(std::string_view folder) {
  std::string initial(folder.substr(0, LongestPath));
  if (initial.size() > 3 && initial.back() == '\\') initial.pop_back();
  return initial;
}

std::string WithTrailingBackslash(std::string_view path) {
  std::string withBackslash(path);
  if (withBackslash.empty() || withBackslash.back() != '\\') withBackslash += '\\';
  return withBackslash;
}

}  // namespace toolkit
