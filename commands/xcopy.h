// The xcopy dialog: a source and a target folder tree and 25 switch boxes,
// each explained by a balloon tooltip.
#pragma once

namespace commands {

// Shows the "XCOPY" dialog and returns its command text (see plugin/dialog_sequence.h).
const char* RunXcopyDialog();

}  // namespace commands
