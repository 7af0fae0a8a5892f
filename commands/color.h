// The color dialog: the console's text and background colours, stepped
// through swatches with arrow buttons; never both the same.
#pragma once

namespace commands {

// Makes the 16 swatch images under image numbers 1 to 16, replacing
// those of an earlier call.
void MakeSwatches();

// Shows the "Color" dialog and returns its command text (see plugin/dialog_sequence.h).
const char* RunColorDialog();

}  // namespace commands
