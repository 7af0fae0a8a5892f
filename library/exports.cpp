// The five command procedures the host calls. Each shows its dialog on the
// calling thread and returns a pointer to its command text, valid until the
// next call of any of them; never null.
#include "commands/chkdsk.h"
#include "commands/color.h"
#include "commands/echo.h"
#include "commands/title.h"
#include "commands/xcopy.h"

extern "C" {

const char* chkdsk() { return commands::RunChkdskDialog(); }
const char* color() { return commands::RunColorDialog(); }
const char* echo() { return commands::RunEchoDialog(); }
const char* title() { return commands::RunTitleDialog(); }
const char* xcopy() { return commands::RunXcopyDialog(); }

}
