#include "toolkit/not_ready_notice.h"

#include <string>
#include <utility>

#include "toolkit/toolkit_state.h"

namespace toolkit {

namespace {

constexpr char NoticeClass[] = "BrindleworkNotReadyNotice";
constexpr int NoticeCancel = 2;
// Registered with the first notice; only then does the stop unregister it,
// since asking the system costs every unload some microseconds.
bool classRegistered = false;

}  // namespace

LRESULT CALLBACK NotReadyNotice::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if ((message == WM_COMMAND && LOWORD(wParam) == NoticeCancel) || message == WM_CLOSE) {
    // The window carries the notice it belongs to.
    if (auto* notice = reinterpret_cast<NotReadyNotice*>(GetWindowLongPtrA(window, GWLP_USERDATA)))
      notice->Close();
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void NotReadyNotice::Show(HWND tree, int drive) {
  Close();
  if (!classRegistered) {
    WNDCLASSA noticeClass = {};
    noticeClass.lpfnWndProc = Procedure;
    noticeClass.hInstance = State().module;
    noticeClass.hCursor = ArrowCursor();
    noticeClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    noticeClass.lpszClassName = NoticeClass;
    classRegistered = RegisterClassA(&noticeClass) != 0;
  }
  HWND owner = GetAncestor(tree, GA_ROOT);
  RECT ownerFrame;
  GetWindowRect(owner, &ownerFrame);
  HWND window = CreateWindowExA(WS_EX_DLGMODALFRAME, NoticeClass, "Laufwerk nicht bereit",
                                WS_POPUP | WS_CAPTION | WS_SYSMENU, ownerFrame.left + 30, ownerFrame.top + 60,
                                300, 120, owner, nullptr, State().module, nullptr);
  if (!window) return;
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  std::string text = "Das Laufwerk ";
  text.append(1, static_cast<char>('A' + drive)).append(": ist nicht bereit. Legen Sie einen Datenträger ein.");
  HWND label = CreateWindowExA(0, "Static", text.c_str(), WS_CHILD | WS_VISIBLE, 12, 12, 270, 36, window,
                               nullptr, State().module, nullptr);
  HWND cancel = CreateWindowExA(0, "Button", "Abbrechen", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 190, 55, 90, 22,
                                window, reinterpret_cast<HMENU>(NoticeCancel), State().module, nullptr);
  for (HWND control : {label, cancel})
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
  window_ = window;
  tree_ = tree;
  drive_ = drive;
  EnableWindow(tree, FALSE);
  ShowWindow(window, SW_SHOWNORMAL);
}

void NotReadyNotice::Close() {
  if (!window_) return;
  HWND window = std::exchange(window_, nullptr);
  drive_ = -1;
  EnableWindow(tree_, TRUE);
  DestroyWindow(window);
}

void UnregisterNotReadyNotice() {
  if (classRegistered) UnregisterClassA(NoticeClass, State().module);
  classRegistered = false;
}

}  // namespace toolkit
