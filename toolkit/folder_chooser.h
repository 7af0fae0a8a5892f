// The system's modal folder chooser, with a button for making a new folder.
#pragma once

#include <string>

namespace toolkit {

// Shows the chooser with `title` above its folder list, opened on
// `initialFolder`, and returns the chosen folder's path ending with a
// backslash, or empty text on cancel. The thread's other visible windows
// are disabled while it is open, and exactly those are enabled again.
std::string ChooseFolder(const char* title, const char* initialFolder);

}  // namespace toolkit
