// The xcopy command line: all files of the source folder into the target
// folder, with the checked switches in the order of their boxes.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "plugin/unshown_parts.h"

namespace commands {

// The 25 switches in the order of their boxes, each as its box is
// captioned and as the command line carries it.
inline constexpr std::size_t XcopySwitchCount = 25;
inline constexpr std::array<const char*, XcopySwitchCount> XcopySwitches = {
    "/A", "/M", "/D", "/EXCLUDE:", "/P", "/S", "/E", "/V", "/W", "/C", "/I", "/Q", "/F",
    "/L", "/H", "/R", "/T",        "/U", "/K", "/N", "/O", "/X", "/Y", "/Z", "/-Y"};
// A new line starts with /D /E /V /Q /H /R and /Y checked.
inline constexpr std::array<bool, XcopySwitchCount> XcopyCheckedAtStart = {
    false, false, true,  false, false, false, true,  true,  false, false, false, true, false,
    false, true,  true,  false, false, false, false, false, false, true,  false, false};

// "Hinzufügen" makes a command only when a source or a target folder is chosen.
bool XcopyHasFolder(std::string_view source, std::string_view target);

// xcopy "<source>*.*" "<target>" and one blank before each switch. The
// folder paths end in a backslash (or are empty), so the source part names
// every file of the source folder.
std::string XcopyCommandText(std::string_view source, std::string_view target,
                             const std::vector<std::string>& checkedSwitches);

// The folders a line leads the trees to (with a trailing backslash, or
// empty) and the boxes it checks, in any order and either case. The source
// is a folder, or a folder and the pattern *.*; another pattern is not
// shown. The start state for another command's line.
struct XcopyLine {
  std::string source, target;
  std::array<bool, XcopySwitchCount> checked = XcopyCheckedAtStart;
  plugin::UnshownParts unshown;
};
XcopyLine ReadXcopyLine(std::string_view line);

}  // namespace commands
