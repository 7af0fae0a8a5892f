#include "commands/text_field_layout.h"

#include "toolkit/dialog.h"

namespace commands {

void CreateTextFieldGadgets(const char* labelCaption) {
  toolkit::CreateTextLabel(FieldLabel, 10, 10, 100, 20, labelCaption, 0);
  toolkit::CreateStringField(TextField, 50, 10, 200, 20, "", 0);
  toolkit::CreateButton(AddButton, 40, TextFieldButtonRowTop, 100, 20, "Hinzufügen", 0);
  toolkit::CreateButton(CancelButton, 150, TextFieldButtonRowTop, 100, 20, "Abbrechen", 0);
}

}  // namespace commands
