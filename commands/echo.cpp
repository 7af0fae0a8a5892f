#include "commands/text_field_layout.h"
#include "lines/echo_line.h"
#include "plugin/dialog_sequence.h"
#include "toolkit/dialog.h"

namespace commands {

namespace {

class EchoDialog final : public plugin::CommandDialog {
 public:
  plugin::DialogWindow Window() const override {
    return {"Echo", TextFieldDialogWidth, TextFieldDialogHeight, toolkit::window_flag::CommandDialog};
  }
  const char* CommandWord() const override { return "echo"; }

  int ButtonRowTop() const override { return TextFieldButtonRowTop; }

  void CreateGadgets(int) override { CreateTextFieldGadgets("Text:"); }

  void ShowLine(std::string_view line, lines::Remarks& remarks) override {
    reading_ = lines::echo::Read(line);
    toolkit::SetGadgetText(TextField, reading_.state.text.c_str());
    remarks = reading_.frame.remarks;
  }

  plugin::GadgetOutcome OnGadgetEvent(int gadget, int) override {
    switch (gadget) {
      case AddButton:
        return plugin::GadgetOutcome::Add(lines::echo::Build({toolkit::GetGadgetText(TextField)}, reading_));
      case CancelButton:
        return plugin::GadgetOutcome::Cancel();
      default:
        return plugin::GadgetOutcome::Continue();  // typing and focus changes
    }
  }

 private:
  lines::echo::Reading reading_;  // of the line the dialog opened from, if any
};

}  // namespace

// The procedure that the library's command list names for "echo".
const char* RunEchoDialog(const char* line) {
  EchoDialog dialog;
  return plugin::RunCommandDialog(dialog, line);
}

}  // namespace commands
