// What the copy dialogs (xcopy, robocopy) do with a folder for one of their
// trees: one that the tree cannot show (gone, on another machine, a file)
// leaves nothing selected, so that the earlier folder is never named as if
// it had been chosen.
#pragma once

#include <string>

namespace commands {

// Leads the tree to `folder` (nothing to do for none); false, with nothing
// selected, when the tree cannot show it.
bool LeadTreeTo(int tree, const std::string& folder);

// The system's folder chooser, opened on the tree's folder, where a new
// folder can be made; its answer is selected in the tree, and a cancel
// brings back the tree's starting view.
void ChooseIntoTree(int tree, const char* title);

}  // namespace commands
