#include "toolkit/balloon_tooltip.h"

#include <commctrl.h>

#include <cstddef>
#include <string>

#include "toolkit/dialog.h"

namespace toolkit {

namespace {
// WS_POPUP | TTS_BALLOON | TTS_NOPREFIX: an ampersand shows as itself. Without
// TTS_ALWAYSTIP the tip shows only while the dialog is active.
constexpr DWORD TooltipStyle = WS_POPUP | TTS_BALLOON | TTS_NOPREFIX;
constexpr LPARAM MaximumTipWidth = 180;
constexpr LPARAM ShownMilliseconds = 32767;
}  // namespace

int AttachBalloonTooltip(HWND dialogWindow, int gadget, const char* text, const char* title, int icon) {
  // Our own copies: the caller may pass texts that change while the
  // messages below are sent.
  std::string tipText = text ? text : "";
  const std::string titleText = title ? title : "";
  HWND control = GadgetHandle(gadget);

  // The tooltip belongs to the running program's module, like the host's windows.
  HWND tooltip = CreateWindowExA(0, TOOLTIPS_CLASSA, "", TooltipStyle, 0, 0, 0, 0, dialogWindow, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
  SendMessageA(tooltip, TTM_SETTIPTEXTCOLOR, GetSysColor(COLOR_INFOTEXT), 0);
  SendMessageA(tooltip, TTM_SETTIPBKCOLOR, GetSysColor(COLOR_INFOBK), 0);
  SendMessageA(tooltip, TTM_SETMAXTIPWIDTH, 0, MaximumTipWidth);
  SendMessageA(tooltip, TTM_SETDELAYTIME, TTDT_AUTOPOP, ShownMilliseconds);

  // The 44-byte form of the description: with lParam, without the reserved field.
  TTTOOLINFOA tool = {};
  tool.cbSize = offsetof(TTTOOLINFOA, lParam) + sizeof tool.lParam;
  static_assert(sizeof(void*) == 8 || offsetof(TTTOOLINFOA, lParam) + sizeof(LPARAM) == 44);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = control;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = tipText.data();
  SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));

  if (!titleText.empty())
    SendMessageA(tooltip, TTM_SETTITLEA, static_cast<WPARAM>(icon), reinterpret_cast<LPARAM>(titleText.c_str()));
  return 0;
}

}  // namespace toolkit
