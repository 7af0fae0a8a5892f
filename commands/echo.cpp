#include "commands/echo.h"

#include "commands/echo_text.h"
#include "plugin/dialog_sequence.h"
#include "toolkit/dialog.h"

namespace commands {

namespace {

enum EchoGadget { TextLabel = 1, TextField = 2, AddButton = 3, CancelButton = 4 };

class EchoDialog final : public plugin::CommandDialog {
 public:
  plugin::DialogWindow Window() const override {
    return {"Echo", 260, 70, toolkit::window_flag::CommandDialog};
  }
  plugin::HelpPage Help() const override { return plugin::HelpPage::Echo; }

  void CreateGadgets() override {
    // The label reaches under the left of the field; the field is drawn over it.
    toolkit::CreateTextLabel(TextLabel, 10, 10, 100, 20, "Text:", 0);
    toolkit::CreateStringField(TextField, 50, 10, 200, 20, "", 0);
    toolkit::CreateButton(AddButton, 40, 40, 100, 20, "Hinzufügen", 0);
    toolkit::CreateButton(CancelButton, 150, 40, 100, 20, "Abbrechen", 0);
  }

  plugin::GadgetOutcome OnGadgetEvent(int gadget, int) override {
    switch (gadget) {
      case AddButton:
        return plugin::GadgetOutcome::Add(EchoCommandText(toolkit::GetGadgetText(TextField)));
      case CancelButton:
        return plugin::GadgetOutcome::Cancel();
      default:
        return plugin::GadgetOutcome::Continue();  // typing and focus changes
    }
  }
};

}  // namespace

const char* RunEchoDialog() {
  EchoDialog dialog;
  return plugin::RunCommandDialog(dialog);
}

}  // namespace commands
