#include "plugin/notice_line.h"

#include <windows.h>

#include "toolkit/balloon_tooltip.h"
#include "toolkit/dialog.h"

namespace plugin {

namespace {
constexpr int LineHeight = 20;
constexpr int Room = LineHeight + 5;  // the line and a gap before the buttons
constexpr int Margin = 10;
// A "&" is a character of the line, not a mnemonic; a line too long for
// the window ends in "..." (Wine 8 draws both as Windows does), and its tip
// shows it whole, for which the label takes the mouse's messages.
constexpr std::uint32_t NoticeStyle = SS_NOPREFIX | SS_ENDELLIPSIS | SS_NOTIFY;
}  // namespace

void ShowNoticeLine(int window, std::uint32_t flags, int buttonRowTop, const std::string& text) {
  HWND dialog = toolkit::WindowHandle(window);
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&r), 2);
    if (r.top >= buttonRowTop)
      SetWindowPos(child, nullptr, r.left, r.top + Room, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  RECT frame, client;
  GetWindowRect(dialog, &frame);
  GetClientRect(dialog, &client);
  // A centred window stays centred; the others keep their top-left corner.
  const int up = (flags & toolkit::window_flag::CentreOnScreen) ? Room / 2 : 0;
  SetWindowPos(dialog, nullptr, frame.left, frame.top - up, frame.right - frame.left, frame.bottom - frame.top + Room,
               SWP_NOZORDER | SWP_NOACTIVATE);
  toolkit::CreateTextLabel(NoticeGadget, Margin, buttonRowTop, client.right - 2 * Margin, LineHeight, text.c_str(),
                           NoticeStyle);
  toolkit::AttachBalloonTooltip(dialog, NoticeGadget, text.c_str(), "Info", 0);
}

}  // namespace plugin
