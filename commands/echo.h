// The echo dialog: one text field, "Hinzufügen" and "Abbrechen".
#pragma once

namespace commands {

// Shows the "Echo" dialog and returns its command text (see plugin/dialog_sequence.h).
const char* RunEchoDialog();

}  // namespace commands
