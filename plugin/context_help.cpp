#include "plugin/context_help.h"

#include <windows.h>

#include "plugin/help_argument.h"
#include "plugin/run_program.h"
#include "toolkit/dialog.h"

namespace plugin {

namespace {

// One callback for every dialog: the window it sees carries its command
// word. Every message goes on to the toolkit and the system, so that after
// the viewer has started the system's question-mark pointer follows as usual.
LRESULT HelpCallback(HWND window, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CONTEXTHELP) {
    if (const auto* word = reinterpret_cast<const char*>(GetWindowLongPtrA(window, GWLP_USERDATA)))
      RunProgram("hh.exe", HelpArgument(CurrentDirectory(), HelpTopic(word)), "");
  }
  return static_cast<LRESULT>(toolkit::NotHandled);
}

}  // namespace

void ArmContextHelp(int window, const char* commandWord) {
  HWND handle = toolkit::WindowHandle(window);
  if (!handle) return;
  SetWindowLongPtrA(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(commandWord));
  // Set, not added: the toolkit opens its windows with no extended style.
  SetWindowLongA(handle, GWL_EXSTYLE, WS_EX_CONTEXTHELP);
  SendMessageA(handle, WM_NCPAINT, 1, 0);
  toolkit::SetWindowCallback(HelpCallback);
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
