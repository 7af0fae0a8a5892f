#include "commands/title.h"

#include "commands/title_text.h"
#include "plugin/dialog_sequence.h"
#include "toolkit/dialog.h"

namespace commands {

namespace {

enum TitleGadget { TitleLabel = 1, TitleField = 2, AddButton = 3, CancelButton = 4 };

class TitleDialog final : public plugin::CommandDialog {
 public:
  plugin::DialogWindow Window() const override {
    return {"Title", 260, 70, toolkit::window_flag::CommandDialog};
  }
  plugin::HelpPage Help() const override { return plugin::HelpPage::Title; }

  void CreateGadgets() override {
    toolkit::CreateTextLabel(TitleLabel, 10, 10, 100, 20, "Titel:", 0);
    toolkit::CreateStringField(TitleField, 50, 10, 200, 20, "", 0);
    toolkit::CreateButton(AddButton, 40, 40, 100, 20, "Hinzufügen", 0);
    toolkit::CreateButton(CancelButton, 150, 40, 100, 20, "Abbrechen", 0);
  }

  void AfterHelpArmed() override { toolkit::DisableGadget(AddButton, 1); }

  plugin::GadgetOutcome OnGadgetEvent(int gadget, int) override {
    switch (gadget) {
      case TitleField: {
        // Every event of the field (edits, focus) re-checks the rule.
        const bool onlyBlanks = BlankFreeText(toolkit::GetGadgetText(TitleField)).empty();
        toolkit::DisableGadget(AddButton, onlyBlanks ? 1 : 0);
        return plugin::GadgetOutcome::Continue();
      }
      case AddButton:
        return plugin::GadgetOutcome::Add(TitleCommandText(toolkit::GetGadgetText(TitleField)));
      case CancelButton:
        return plugin::GadgetOutcome::Cancel();
      default:
        return plugin::GadgetOutcome::Continue();
    }
  }
};

}  // namespace

const char* RunTitleDialog() {
  TitleDialog dialog;
  return plugin::RunCommandDialog(dialog);
}

}  // namespace commands
