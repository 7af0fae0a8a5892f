// Balloon tooltips: a speech-bubble hint with a bold title line that the
// system shows while the pointer rests over one gadget.
#pragma once

#include <windows.h>

namespace toolkit {

// Gives `gadget` a tooltip window of its own, owned by `dialogWindow` and
// destroyed with it. An empty title shows no title line and no icon; `icon`
// is the system's title icon code (0 for none). Nothing is checked or
// reported: a gadget number without a gadget simply never shows a tip.
// Returns 0.
int AttachBalloonTooltip(HWND dialogWindow, int gadget, const char* text, const char* title, int icon);

}  // namespace toolkit
