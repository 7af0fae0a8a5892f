// Context help: the title bar's question-mark button starts the help viewer
// on the dialog's page of "Hilfe.chm" in the current directory.
#pragma once

#include <string>

namespace plugin {

// Gives the window the question-mark button, repaints its frame at once and
// installs the help callback, which stays installed until the next dialog
// installs it again. The window carries its command word (a text that lives
// as long as the program), from which the callback takes the help page.
void ArmContextHelp(int window, const char* commandWord);

// The current directory, ending in one backslash; empty if it cannot be read.
std::string CurrentDirectory();

}  // namespace plugin
