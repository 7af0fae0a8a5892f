// Starting a program without waiting for it, as context help starts the
// help viewer.
#pragma once

#include <string>

namespace plugin {

// Starts `program` with `parameter` (added unquoted) in `workingDirectory`
// (empty: the caller's). Tries CreateProcessA, then the shell. Keeps no
// handle. True when the program was started.
bool RunProgram(const std::string& program, const std::string& parameter,
                const std::string& workingDirectory);

}  // namespace plugin
