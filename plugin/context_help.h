// Context help: the title bar's question-mark button starts the help viewer
// on the dialog's page of "Hilfe.chm" in the current directory.
#pragma once

#include <string>

namespace plugin {

enum class HelpPage { Chkdsk, Color, Echo, Title, Xcopy };

// Gives the window the question-mark button, repaints its frame at once and
// installs the page's help callback, which stays installed until the next
// dialog installs its own.
void ArmContextHelp(int window, HelpPage page);

// The current directory, ending in one backslash; empty if it cannot be read.
std::string CurrentDirectory();

}  // namespace plugin
