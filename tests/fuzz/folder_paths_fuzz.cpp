// Folder tree texts and paths: whatever text a host sets, the request and
// the parts keep their rules.
#include "tests/fuzz/fuzz_driver.h"
#include "toolkit/folder_paths.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  using Form = toolkit::TreeTextRequest::Form;
  const toolkit::TreeTextRequest request = toolkit::ClassifyTreeText(text);
  if (request.form == Form::LeadToFolder || request.form == Form::PatternAndFolder)
    FUZZ_CHECK(!request.folderPath.empty() && request.folderPath.back() == '\\');
  if (request.form == Form::Pattern || request.form == Form::PatternAndFolder)
    FUZZ_CHECK(request.pattern.find('\\') == std::string::npos && request.folderPath + request.pattern == text);

  if (const auto parts = toolkit::SplitFolderPath(text)) {
    FUZZ_CHECK(parts->driveNumber >= 0 && parts->driveNumber < 26);
    for (const std::string& name : parts->names) FUZZ_CHECK(!name.empty() && name.find('\\') == std::string::npos);
  }
  for (const std::string& pattern : toolkit::SplitPatterns(text))
    FUZZ_CHECK(!pattern.empty() && pattern.find(';') == std::string::npos);

  const std::string initial = toolkit::ChooserInitialFolder(text);
  FUZZ_CHECK(initial.size() <= 259 && text.substr(0, initial.size()) == initial);
  const std::string folder = toolkit::WithTrailingBackslash(text);
  FUZZ_CHECK(folder.back() == '\\' && folder.substr(0, text.size()) == text);
  return 0;
}
