// The chkdsk command's line: "chkdsk ", a drive, and the switches /f /v /r
// /x /i /c in this order, or /l alone, which stands for itself.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "lines/line_frame.h"
#include "lines/line_model.h"
#include "lines/switch_table.h"

namespace lines::chkdsk {

inline constexpr WordForms Forms{"chkdsk", "", "/", true};

// The dialog's seven boxes, in their order, then the switches the editor
// explains that the dialog has no box for.
inline constexpr std::size_t BoxCount = 7;
inline constexpr std::size_t LogSize = 6;  // /l, which stands alone
extern const std::array<Switch, 15> Switches;
// The captions of the dialog's boxes, in the same order.
extern const std::array<std::string_view, BoxCount> Captions;

// The drive ("C:"; empty when none) and the boxes.
struct State {
  std::string drive;
  std::array<bool, BoxCount> checked{};
};

// A line's volume is its first word that is no switch: a drive ("C:",
// "c:") the list shows, or one it cannot (another drive, a folder, a
// volume's name), which goes back into its place as it stood.
struct Reading {
  State state;
  LineFrame frame;
  Argument volume;         // as the line has it; none: empty
  bool volumeKept = false;  // written back while the list stays as opened
  std::array<std::string, BoxCount> values;  // ":4096" of "/l:4096", written back while /l is checked
  std::size_t restAt = 0;
};
Reading Read(std::string_view line);

// Which item of the drive list, whose items start with the letters
// `listed` in their order, shows the line's drive; -1 for none. A drive
// the list lacks goes back as it stood while nothing is chosen; a line
// without a drive gets the list's first, and a remark says so.
int ShowDrive(Reading& reading, std::string_view listed);

// "chkdsk ", the drive, then the checked switches in table order; with /l
// checked, " /l" alone. `state.drive` is the list item's first two characters.
std::string Build(const State& state, const Reading& from = {});

// "NTFS", "FAT" or "FAT32", byte for byte, case included.
bool AcceptedFileSystem(std::string_view fileSystemName);
// The drive list's item: the letter, ":\ " and the volume label.
std::string DriveListItem(char letter, std::string_view volumeLabel);

extern const Model model;

}  // namespace lines::chkdsk
