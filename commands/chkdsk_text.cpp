#include "commands/chkdsk_text.h"

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

}  // namespace commands
