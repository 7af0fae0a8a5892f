#include "commands/tree_folder.h"

#include "toolkit/dialog.h"
#include "toolkit/folder_chooser.h"
#include "toolkit/folder_listing.h"

namespace commands {

bool LeadTreeTo(int tree, const std::string& folder) {
  if (folder.empty()) return true;
  toolkit::SetGadgetText(tree, folder.c_str());
  if (toolkit::SameFolderPath(toolkit::GetGadgetText(tree), folder)) return true;
  toolkit::SetGadgetText(tree, "");
  return false;
}

void ChooseIntoTree(int tree, const char* title) {
  const std::string chosen = toolkit::ChooseFolder(title, toolkit::GetGadgetText(tree).c_str());
  if (chosen.empty()) toolkit::SetGadgetText(tree, "");
  else LeadTreeTo(tree, chosen);
}

}  // namespace commands
