// The command procedures the host calls, one for every command of the list.
// Each shows its dialog on the calling thread and returns a pointer to its
// command text, valid until the next call of any of them; never null.
#include "library/command_list.h"

namespace commands {
#define DECLARE_DIALOG(word, ordinal, run) const char* run();
BRINDLE_COMMANDS(DECLARE_DIALOG)
#undef DECLARE_DIALOG
}  // namespace commands

extern "C" {
#define EXPORT_COMMAND(word, ordinal, run) \
  const char* word() { return commands::run(); }
BRINDLE_COMMANDS(EXPORT_COMMAND)
#undef EXPORT_COMMAND
}
