#include "commands/text_field_layout.h"
#include "lines/title_line.h"
#include "plugin/dialog_sequence.h"
#include "toolkit/dialog.h"

namespace commands {

namespace {

class TitleDialog final : public plugin::CommandDialog {
 public:
  plugin::DialogWindow Window() const override {
    return {"Title", TextFieldDialogWidth, TextFieldDialogHeight, toolkit::window_flag::CommandDialog};
  }
  const char* CommandWord() const override { return "title"; }

  void CreateGadgets(int) override { CreateTextFieldGadgets("Titel:"); }

  int ButtonRowTop() const override { return TextFieldButtonRowTop; }

  void AfterHelpArmed() override { toolkit::DisableGadget(AddButton, 1); }

  // A text of blanks is shown as it is; "Hinzufügen" stays off for it.
  void ShowLine(std::string_view line, lines::Remarks& remarks) override {
    reading_ = lines::title::Read(line);
    toolkit::SetGadgetText(TextField, reading_.state.text.c_str());
    toolkit::DisableGadget(AddButton, lines::title::BlankFreeText(reading_.state.text).empty() ? 1 : 0);
    remarks = reading_.frame.remarks;
  }

  plugin::GadgetOutcome OnGadgetEvent(int gadget, int) override {
    switch (gadget) {
      case TextField: {
        // Every event of the field (edits, focus) re-checks the rule.
        const bool onlyBlanks = lines::title::BlankFreeText(toolkit::GetGadgetText(TextField)).empty();
        toolkit::DisableGadget(AddButton, onlyBlanks ? 1 : 0);
        return plugin::GadgetOutcome::Continue();
      }
      case AddButton:
        return plugin::GadgetOutcome::Add(lines::title::Build({toolkit::GetGadgetText(TextField)}, reading_));
      case CancelButton:
        return plugin::GadgetOutcome::Cancel();
      default:
        return plugin::GadgetOutcome::Continue();
    }
  }

 private:
  lines::title::Reading reading_;  // of the line the dialog opened from, if any
};

}  // namespace

// The procedure that the library's command list names for "title".
const char* RunTitleDialog(const char* line) {
  TitleDialog dialog;
  return plugin::RunCommandDialog(dialog, line);
}

}  // namespace commands
