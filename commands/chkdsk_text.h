// The chkdsk drive list and command line: which file systems chkdsk can
// check, how a drive is listed, and the switches in their fixed order.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "plugin/unshown_parts.h"

namespace commands {

// "NTFS", "FAT" or "FAT32", byte for byte, case included.
bool AcceptedFileSystem(std::string_view fileSystemName);

// The letter, ":\ " and the volume label: "C:\ System", "E:\ " without one.
std::string DriveListItem(char letter, std::string_view volumeLabel);

// The switch boxes in their fixed order: /f /v /r /x /i /c, then /l.
inline constexpr std::size_t SwitchCount = 7;
inline constexpr std::array<const char*, SwitchCount> SwitchTexts = {" /f", " /v", " /r", " /x",
                                                                     " /i", " /c", " /l"};
inline constexpr std::size_t LogSizeSwitch = 6;  // /l stands alone

// "chkdsk ", the drive part of the selected item (its first two
// characters), then the checked switches in table order; with /l checked,
// " /l" alone.
std::string ChkdskCommandText(std::string_view selectedItem,
                              const std::array<bool, SwitchCount>& checked);

// The drive ("C:", upper case; empty when the line names none) and the
// switch boxes a line checks, in any order and either case. Boxes frozen
// by /l keep their marks, as in the dialog.
struct ChkdskLine {
  std::string drive;
  std::array<bool, SwitchCount> checked{};
  plugin::UnshownParts unshown;
};
ChkdskLine ReadChkdskLine(std::string_view line);

}  // namespace commands
