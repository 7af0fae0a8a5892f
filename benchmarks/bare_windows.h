// The floors of the dialogs: plain Win32 windows with the same number and
// kinds of controls as each dialog (same classes, styles and sizes, the
// stock GUI font), made, shown and run by a bare message loop until closed.
#pragma once

namespace bench {

void RunBareTextFieldWindow();  // echo and title
void RunBareChkdskWindow(int driveLines);
void RunBareColorWindow();
void RunBareXcopyWindow();

}  // namespace bench
