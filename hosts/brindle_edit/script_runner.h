// F5: the saved script in a console window of its own.
#pragma once

#include <windows.h>

#include <string>

namespace brindle_edit {

// Starts the command interpreter with /k on the script, in the script's
// folder, in a new console that stays open after the script. Returns the
// system error code, 0 on success.
DWORD RunInConsole(const std::wstring& scriptPath);

}  // namespace brindle_edit
