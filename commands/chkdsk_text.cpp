#include "commands/chkdsk_text.h"

#include "commands/line_reading.h"

namespace commands {

bool AcceptedFileSystem(std::string_view fileSystemName) {
  return fileSystemName == "NTFS" || fileSystemName == "FAT" || fileSystemName == "FAT32";
}

std::string DriveListItem(char letter, std::string_view volumeLabel) {
  std::string item(1, letter);
  item.append(":\\ ").append(volumeLabel);
  return item;
}

std::string ChkdskCommandText(std::string_view selectedItem,
                              const std::array<bool, SwitchCount>& checked) {
  std::string line = "chkdsk ";
  line.append(selectedItem.substr(0, 2));
  if (checked[LogSizeSwitch]) return line.append(SwitchTexts[LogSizeSwitch]);
  for (std::size_t i = 0; i < LogSizeSwitch; ++i)
    if (checked[i]) line.append(SwitchTexts[i]);
  return line;
}

namespace {

// "C:" or "C:\" names a drive; chkdsk also takes folders and volume names,
// which the list cannot show.
bool IsDrive(std::string_view word) {
  const char letter = word.empty() ? '\0' : static_cast<char>(word[0] & ~0x20);
  return (word.size() == 2 || (word.size() == 3 && word[2] == '\\')) && letter >= 'A' && letter <= 'Z' &&
         word[1] == ':';
}

}  // namespace

ChkdskLine ReadChkdskLine(std::string_view line) {
  CommandLine split = SplitCommandLine(line, "chkdsk", " \t", "/");
  ChkdskLine read;
  read.unshown = std::move(split.unshown);
  using Kind = plugin::UnshownPart::Kind;
  for (const std::string& word : ArgumentWords(split.arguments, read.unshown)) {
    if (IsDrive(word) && read.drive.empty()) {
      read.drive = {static_cast<char>(word[0] & ~0x20), ':'};
      continue;
    }
    if (word.empty() || word[0] != '/') {
      read.unshown.push_back({Kind::Unknown, word});
      continue;
    }
    for (const std::string& given : SplitSwitches(word)) {
      std::size_t i = 0;
      while (i < SwitchCount && !EqualIgnoringCase(given, SwitchTexts[i] + 1)) ++i;  // past the blank
      if (i < SwitchCount)
        read.checked[i] = true;
      else
        read.unshown.push_back({Kind::Unknown, given});
    }
  }
  return read;
}

}  // namespace commands
