// The steps every command procedure runs: open the dialog, create its
// gadgets, open it from a line if there is one, run its event loop, close
// it and hand back the command text. A dialog supplies only its window,
// gadgets, event rules and how its gadgets show a line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "lines/remarks.h"
#include "plugin/context_help.h"

namespace plugin {

struct DialogWindow {
  const char* title;
  int innerWidth;
  int innerHeight;
  std::uint32_t flags;
  int x = 0;  // used only without a centring flag
  int y = 0;
};

// What a gadget event does to the dialog.
struct GadgetOutcome {
  enum class Action { Continue, Cancel, Add };
  Action action = Action::Continue;
  std::string commandText;  // with Add

  static GadgetOutcome Continue() { return {}; }
  static GadgetOutcome Cancel() { return {Action::Cancel, {}}; }
  static GadgetOutcome Add(std::string text) { return {Action::Add, std::move(text)}; }
};

class CommandDialog {
 public:
  virtual ~CommandDialog() = default;
  virtual DialogWindow Window() const = 0;
  // The command word: the dialog's help page is named after it.
  virtual const char* CommandWord() const = 0;
  // Work before the window exists (images, fonts).
  virtual void Prepare() {}
  // Creates the gadgets in the freshly opened window and sets their states.
  virtual void CreateGadgets(int window) = 0;
  // States that are set only once context help is armed.
  virtual void AfterHelpArmed() {}
  virtual GadgetOutcome OnGadgetEvent(int gadget, int type) = 0;
  // Opening from a line: sets the gadgets, once they have their start
  // states, to what the command's line model reads in the line, and gives
  // its remarks: what the dialog keeps without showing it, and where
  // "Hinzufügen" would change the line's meaning.
  virtual void ShowLine(std::string_view line, lines::Remarks& remarks) = 0;
  // Where the row of "Hinzufügen" and "Abbrechen" starts: a notice about
  // a line goes there, and the row moves down below it.
  virtual int ButtonRowTop() const = 0;
};

// Runs the dialog on the calling thread and returns its command text in the
// command text buffer: never null, empty on cancel, on the close box, when
// the window cannot be opened and when the call runs out of room
// (toolkit/room.h). With a `line` the dialog opens from it (a blank line is
// a new one; of a line longer than LongestLine nothing is taken over, and
// its notice says so). Each dialog file defines the procedure named in the
// library's command list with it.
const char* RunCommandDialog(CommandDialog& dialog, const char* line);

}  // namespace plugin
