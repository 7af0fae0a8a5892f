#include "plugin/context_help.h"

#include <windows.h>

#include "plugin/help_argument.h"
#include "plugin/run_program.h"
#include "toolkit/dialog.h"

namespace plugin {

namespace {

const char* CommandWord(HelpPage page) {
  switch (page) {
    case HelpPage::Chkdsk: return "chkdsk";
    case HelpPage::Color: return "color";
    case HelpPage::Echo: return "echo";
    case HelpPage::Title: return "title";
    case HelpPage::Xcopy: return "xcopy";
  }
  return "";
}

// One callback per dialog, differing only in the page. Every message goes
// on to the toolkit and the system, so that after the viewer has started
// the system's question-mark pointer follows as usual.
template <HelpPage page>
LRESULT HelpCallback(HWND, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CONTEXTHELP)
    RunProgram("hh.exe", HelpArgument(CurrentDirectory(), HelpTopic(CommandWord(page))), "");
  return static_cast<LRESULT>(toolkit::NotHandled);
}

toolkit::WindowCallback CallbackFor(HelpPage page) {
  switch (page) {
    case HelpPage::Chkdsk: return HelpCallback<HelpPage::Chkdsk>;
    case HelpPage::Color: return HelpCallback<HelpPage::Color>;
    case HelpPage::Echo: return HelpCallback<HelpPage::Echo>;
    case HelpPage::Title: return HelpCallback<HelpPage::Title>;
    case HelpPage::Xcopy: return HelpCallback<HelpPage::Xcopy>;
  }
  return nullptr;
}

}  // namespace

void ArmContextHelp(int window, HelpPage page) {
  HWND handle = toolkit::WindowHandle(window);
  if (!handle) return;
  // Set, not added: the toolkit opens its windows with no extended style.
  SetWindowLongA(handle, GWL_EXSTYLE, WS_EX_CONTEXTHELP);
  SendMessageA(handle, WM_NCPAINT, 1, 0);
  toolkit::SetWindowCallback(CallbackFor(page));
}

std::string CurrentDirectory() {
  // Beyond 260 bytes the system reports the size it needs: read it whole
  // then rather than cut it or write past the buffer.
  return HelpArgument(ReadGrowingText([](unsigned size, char* buffer) {
                        return static_cast<unsigned>(GetCurrentDirectoryA(size, buffer));
                      }),
                      "");
}

}  // namespace plugin
