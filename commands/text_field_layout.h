// The layout that the echo and title dialogs share: a label, one text
// field, "Hinzufügen" and "Abbrechen" in a 260 x 70 window.
#pragma once

namespace commands {

enum TextFieldGadget { FieldLabel = 1, TextField = 2, AddButton = 3, CancelButton = 4 };

inline constexpr int TextFieldDialogWidth = 260;
inline constexpr int TextFieldDialogHeight = 70;
inline constexpr int TextFieldButtonRowTop = 40;

// Creates the four gadgets; the label reaches under the left of the field,
// which is drawn over it.
void CreateTextFieldGadgets(const char* labelCaption);

}  // namespace commands
