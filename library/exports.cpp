// The command procedures the host calls, two for every command of the list.
// Each shows its dialog on the calling thread and returns a pointer to its
// command text, valid until the next call of any of them; never null.
#include <windows.h>

#include "library/command_list.h"

namespace commands {
#define DECLARE_DIALOG(word, ordinal, editOrdinal, run) const char* run(const char* line);
BRINDLE_COMMANDS(DECLARE_DIALOG)
#undef DECLARE_DIALOG
}  // namespace commands

extern "C" {
// word(): the dialog on a new line. word_edit(line): the dialog opened from
// `line`, code page 1252, null counting as empty; it takes the system's
// calling convention for exported procedures with arguments.
#define EXPORT_COMMAND(word, ordinal, editOrdinal, run)  \
  const char* word() { return commands::run(nullptr); } \
  const char* WINAPI word##_edit(const char* line) { return commands::run(line ? line : ""); }
BRINDLE_COMMANDS(EXPORT_COMMAND)
#undef EXPORT_COMMAND
}
