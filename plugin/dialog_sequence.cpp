#include "plugin/dialog_sequence.h"

#include <windows.h>

#include <cstring>

#include "plugin/command_text_buffer.h"
#include "plugin/library.h"
#include "plugin/line_limit.h"
#include "plugin/notice_line.h"
#include "toolkit/dialog.h"
#include "toolkit/room.h"

namespace plugin {

namespace {

// Runs the event loop until "Hinzufügen", "Abbrechen" or the close event
// ends it; returns the result text. A quit message that the loop took from
// the host's queue is posted again once the dialog is over, so that the
// host's own loop still sees it. Only events of the dialog's own window
// count: a close that came in the same wait as "Hinzufügen" stays queued
// for a window that is gone, and must not end the next dialog. A call that
// ran out of room (toolkit/room.h) ends with empty text.
std::string RunEventLoop(CommandDialog& dialog, int window, bool& quitSeen, WPARAM& quitCode) {
  for (;;) {
    const int event = toolkit::WaitEvent(-1);
    if (toolkit::OutOfRoom()) return {};
    if ((event == toolkit::event::Gadget || event == toolkit::event::Close) && toolkit::EventWindow() != window)
      continue;
    if (event == toolkit::event::Gadget) {
      GadgetOutcome outcome = dialog.OnGadgetEvent(toolkit::EventGadget(), toolkit::EventType());
      if (toolkit::OutOfRoom()) return {};
      if (outcome.action == GadgetOutcome::Action::Add) return std::move(outcome.commandText);
      if (outcome.action == GadgetOutcome::Action::Cancel) return {};
    } else if (event == toolkit::event::Close) {
      return {};
    } else if (event == WM_QUIT) {
      quitSeen = true;
      quitCode = toolkit::EventMessageWParam();
    }
  }
}

}  // namespace

const char* RunCommandDialog(CommandDialog& dialog, const char* line) {
  toolkit::ClearOutOfRoom();
  // A line longer than cmd.exe takes is measured before anything is made
  // for it; none of it is taken over, and the notice says why.
  const bool lineTooLong = line && LengthUpToLimit(line) > LongestLine;
  std::string resultText;
  dialog.Prepare();
  const DialogWindow w = dialog.Window();
  const int window =
      toolkit::OpenWindow(toolkit::AnyNumber, w.x, w.y, w.innerWidth, w.innerHeight, w.title, w.flags);
  if (window != 0) {
    dialog.CreateGadgets(window);
    ArmContextHelp(window, dialog.CommandWord());
    dialog.AfterHelpArmed();
    if (lineTooLong) {
      ShowNoticeLine(window, w.flags, dialog.ButtonRowTop(), LineTooLongNotice(std::strlen(line)));
    } else if (line) {
      lines::Remarks remarks;
      dialog.ShowLine(line, remarks);
      if (!remarks.Empty()) ShowNoticeLine(window, w.flags, dialog.ButtonRowTop(), remarks.Notice().Text());
    }
    bool quitSeen = false;
    WPARAM quitCode = 0;
    if (!toolkit::OutOfRoom()) resultText = RunEventLoop(dialog, window, quitSeen, quitCode);
    toolkit::CloseWindow(window);
    if (quitSeen) PostQuitMessage(static_cast<int>(quitCode));
  }
  return CommandTexts().Store(toolkit::OutOfRoom() ? std::string_view() : resultText);
}

}  // namespace plugin
