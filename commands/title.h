// The title dialog: one field for the console window's title; "Hinzufügen"
// only while the field holds more than blanks.
#pragma once

namespace commands {

// Shows the "Title" dialog and returns its command text (see plugin/dialog_sequence.h).
const char* RunTitleDialog();

}  // namespace commands
