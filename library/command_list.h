// Every command of Brindlework.dll, in the order of its ordinal: its
// command word, which is also the name of its exported procedure and of
// its help page; its ordinal; the ordinal of its procedure "<word>_edit",
// which opens the dialog from a line; and the procedure in commands/ that
// runs its dialog. The exported procedures, the export table
// (Brindlework.def, which the build writes from this list) and the hosts'
// command lists all come from here: a new command is one line here and its
// dialog file.
// No windows.h: the hosts' window-free parts read it too, and with it the
// longest line the "<word>_edit" procedures take over (plugin/line_limit.h).
#pragma once

#include "plugin/line_limit.h"

#define BRINDLE_COMMANDS(COMMAND)          \
  COMMAND(chkdsk, 1, 6, RunChkdskDialog)   \
  COMMAND(color, 2, 7, RunColorDialog)     \
  COMMAND(echo, 3, 8, RunEchoDialog)       \
  COMMAND(title, 4, 9, RunTitleDialog)     \
  COMMAND(xcopy, 5, 10, RunXcopyDialog)    \
  COMMAND(robocopy, 11, 12, RunRobocopyDialog)
