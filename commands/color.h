// The color dialog's swatches: the console's sixteen colours as images.
#pragma once

namespace commands {

// Makes the 16 swatch images under image numbers 1 to 16, replacing
// those of an earlier call.
void MakeSwatches();

}  // namespace commands
