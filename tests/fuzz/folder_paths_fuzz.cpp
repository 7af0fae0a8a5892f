// Folder tree and chooser paths: whatever text a host sets, the parts keep
// their rules.
#include "tests/fuzz/fuzz_driver.h"
#include "toolkit/folder_paths.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (const auto parts = toolkit::SplitFolderPath(text)) {
    FUZZ_CHECK(parts->driveNumber >= 0 && parts->driveNumber < 26);
    for (const std::string& name : parts->names) FUZZ_CHECK(!name.empty() && name.find('\\') == std::string::npos);
  }
  const std::string initial = toolkit::ChooserInitialFolder(text);
  FUZZ_CHECK(initial.size() <= 259 && text.substr(0, initial.size()) == initial);
  const std::string folder = toolkit::WithTrailingBackslash(text);
  FUZZ_CHECK(folder.back() == '\\' && folder.substr(0, text.size()) == text);
  return 0;
}
