// The floors of the dialogs: plain Win32 windows with the same number and
// kinds of controls as each dialog (same classes, styles and sizes, the
// stock GUI font), made, shown and run by a bare message loop until closed.
#pragma once

namespace bench {

void RunBareTextFieldWindow();  // echo and title
void RunBareChkdskWindow(int driveLines);
void RunBareColorWindow();
void RunBareXcopyWindow();
// robocopy's window with its 47 boxes, 10 fields beside them and a balloon
// tooltip window for each box, field and tree, as the dialog has them.
void RunBareRobocopyWindow();

}  // namespace bench
