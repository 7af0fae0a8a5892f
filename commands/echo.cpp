#include "commands/echo_text.h"
#include "commands/text_field_layout.h"
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

  void ShowLine(std::string_view line, plugin::UnshownParts& unshown) override {
    EchoLine read = ReadEchoLine(line);
    toolkit::SetGadgetText(TextField, read.typed.c_str());
    unshown = std::move(read.unshown);
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

// The procedure that the library's command list names for "echo".
const char* RunEchoDialog(const char* line) {
  EchoDialog dialog;
  return plugin::RunCommandDialog(dialog, line);
}

}  // namespace commands
