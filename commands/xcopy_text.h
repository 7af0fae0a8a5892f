// The xcopy command line: all files of the source folder into the target
// folder, with the checked switches in the order of their boxes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace commands {

// "Hinzufügen" makes a command only when a source or a target folder is chosen.
bool XcopyHasFolder(std::string_view source, std::string_view target);

// xcopy "<source>*.*" "<target>" and one blank before each switch. The
// folder paths end in a backslash (or are empty), so the source part names
// every file of the source folder.
std::string XcopyCommandText(std::string_view source, std::string_view target,
                             const std::vector<std::string>& checkedSwitches);

}  // namespace commands
