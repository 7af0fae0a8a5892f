// Start-up and shut-down of the library, and what they make: the private
// heaps, the command text buffer and the toolkit's services.
#pragma once

#include <windows.h>

namespace plugin {

class CommandTextBuffer;

// Process attach: heaps, command text buffer, then the toolkit's services.
// False, with nothing of it left behind, when they cannot all be made.
bool StartUp(HINSTANCE module);
// Process detach: closes what is still open, then destroys the heaps.
void ShutDown();

// The command text buffer of a started library.
CommandTextBuffer& CommandTexts();

}  // namespace plugin
