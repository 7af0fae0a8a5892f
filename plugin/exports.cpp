// The five command procedures the host calls. Each shows its dialog on the
// calling thread and returns a pointer to its command text, valid until the
// next call of any of them; never null.
#include "commands/chkdsk.h"
#include "commands/color.h"
#include "commands/echo.h"
#include "commands/title.h"
#include "plugin/command_text_buffer.h"
#include "plugin/library.h"

namespace {
// The xcopy dialog is not built yet: it reports what a window that cannot
// be opened reports, empty text.
const char* NoDialogYet() { return plugin::CommandTexts().Store({}); }
}  // namespace

extern "C" {

const char* chkdsk() { return commands::RunChkdskDialog(); }
const char* color() { return commands::RunColorDialog(); }
const char* echo() { return commands::RunEchoDialog(); }
const char* title() { return commands::RunTitleDialog(); }
const char* xcopy() { return NoDialogYet(); }

}
