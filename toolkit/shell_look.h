// How the folder trees show drives and folders as the shell does:
// labels, small icons from the system's icon list (which belongs to the
// shell: nothing here destroys it), and the look all trees share.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace toolkit {

struct ShellLook {
  std::string label;  // empty when the shell gives none
  int icon = 0;       // in the system's small-icon list
};

// The shell's label and icon of a path, asked without the system's box
// about a missing medium.
ShellLook LookOf(const std::string& path);

// What all trees share: prepared by the first tree of a load, on a thread
// in COM, and kept until ForgetSharedLook.
struct SharedLook {
  int folderIcon = 0;  // one icon for every folder: the Windows folder's
  std::string computerLabel = "My Computer";
  int computerIcon = 0;
  std::string documentsLabel = "My Documents";
  std::string documentsPath;  // with its trailing backslash; empty if unknown
  int documentsIcon = 0;
};
SharedLook& SharedTreeLook();
void ForgetSharedLook();

// The system's small-icon list, asked for by a folder's attributes alone:
// no drive has to exist for it (there are Windows systems without C:).
HIMAGELIST SystemSmallIcons();

}  // namespace toolkit
