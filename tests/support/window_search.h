// Windows a test looks for beside its dialog: the balloon tooltips it owns,
// the system's folder chooser, and how many windows the process shows.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "tests/support/user_input.h"

namespace support {

// The tooltip windows owned by `owner`, of any process.
std::vector<HWND> Tooltips(HWND owner);

// A tooltip window's first tool and its whole text (any length).
struct Tool {
  TTTOOLINFOA info = {};
  std::string text;
};
Tool ReadTool(HWND tooltip);

// The folder chooser of this process, once its own loop has opened it on
// its folder (a selection made earlier could still give way to that one).
HWND WaitForChooser(DWORD timeoutMs = PatienceMs);
// The label of the folder the chooser shows selected.
std::string ChooserSelection(HWND chooser);
// Presses OK or Cancel, after selecting `folder` if one is given and then
// running `meanwhile`, and waits until the chooser is gone.
void AnswerChooser(HWND chooser, int button, const wchar_t* folder = nullptr);

// A child window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND child);
// The first child of `parent` that shows `text`, null if none.
HWND ChildWithText(HWND parent, const std::string& text);

// The visible top-level windows of this process.
int VisibleWindows();
// Every window of this process, children included.
int ProcessWindows();

}  // namespace support
