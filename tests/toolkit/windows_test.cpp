// Opening, placing and closing toolkit windows, and the window-level events.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/leak_counts.h"
#include "tests/support/toolkit_fixture.h"
#include "tests/support/user_input.h"

namespace {

using support::PumpEvents;
using support::RecordedEvent;
namespace event = toolkit::event;

std::string ClassName(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

SIZE ClientSize(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  return {r.right, r.bottom};
}

TEST(Windows, CommandDialogIsCentredWithExactClientAreaAndNoSizeBoxes) {
  const int window = toolkit::OpenWindow(toolkit::AnyNumber, 5, 5, 260, 70, "Echo",
                                         toolkit::window_flag::CommandDialog);
  ASSERT_NE(window, 0);
  HWND handle = toolkit::WindowHandle(window);
  EXPECT_EQ(ClientSize(handle).cx, 260);
  EXPECT_EQ(ClientSize(handle).cy, 70);

  RECT frame;
  GetWindowRect(handle, &frame);
  EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - (frame.right - frame.left)) / 2);
  EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - (frame.bottom - frame.top)) / 2);

  const LONG style = GetWindowLongA(handle, GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
  EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
  // Wine reports WS_EX_WINDOWEDGE for caption windows on its own.
  EXPECT_EQ(GetWindowLongA(handle, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
  EXPECT_TRUE(IsWindowVisible(handle));
  EXPECT_EQ(GetActiveWindow(), handle);

  const std::string className = ClassName(handle);
  EXPECT_EQ(className, "WindowClass_" + std::to_string(window));
  toolkit::CloseWindow(window);
  EXPECT_FALSE(IsWindow(handle));
  EXPECT_EQ(toolkit::WindowHandle(window), nullptr);
  EXPECT_FALSE(support::ClassRegistered(GetModuleHandleA(nullptr), className.c_str()));
  PumpEvents();
}

TEST(Windows, PlacedWindowHasItsOuterCornerAtThePosition) {
  const int window = toolkit::OpenWindow(toolkit::AnyNumber, 100, 100, 434, 490, "XCOPY", 0xC80000);
  ASSERT_NE(window, 0);
  RECT frame;
  GetWindowRect(toolkit::WindowHandle(window), &frame);
  EXPECT_EQ(frame.left, 100);
  EXPECT_EQ(frame.top, 100);
  EXPECT_EQ(ClientSize(toolkit::WindowHandle(window)).cx, 434);
  EXPECT_EQ(ClientSize(toolkit::WindowHandle(window)).cy, 490);
  toolkit::CloseWindow(window);
  PumpEvents();
}

TEST(Windows, ShowBitsChooseHowTheWindowIsShown) {
  const int hidden = toolkit::OpenWindow(toolkit::AnyNumber, 0, 0, 100, 50, "hidden", 0x10C80001);
  const int maximised = toolkit::OpenWindow(toolkit::AnyNumber, 0, 0, 100, 50, "max", 0x01CF0000);
  const int minimised = toolkit::OpenWindow(toolkit::AnyNumber, 0, 0, 100, 50, "min", 0x20CF0000);
  EXPECT_FALSE(IsWindowVisible(toolkit::WindowHandle(hidden)));
  EXPECT_TRUE(IsZoomed(toolkit::WindowHandle(maximised)));
  EXPECT_TRUE(IsIconic(toolkit::WindowHandle(minimised)));
  for (int window : {hidden, maximised, minimised}) toolkit::CloseWindow(window);
  PumpEvents();
}

TEST(Windows, DynamicNumbersAreDistinctAndStaleNumbersDoNothing) {
  const int first = toolkit::OpenWindow(toolkit::AnyNumber, 0, 0, 100, 50, "a", 0xC80001);
  const int second = toolkit::OpenWindow(toolkit::AnyNumber, 0, 0, 100, 50, "b", 0xC80001);
  EXPECT_NE(first, 0);
  EXPECT_NE(first, second);
  toolkit::CloseWindow(first);
  toolkit::CloseWindow(first);  // a second close of the same number is harmless
  EXPECT_EQ(toolkit::WindowHandle(first), nullptr);
  EXPECT_NE(toolkit::WindowHandle(second), nullptr);
  const int third = toolkit::OpenWindow(toolkit::AnyNumber, 0, 0, 100, 50, "c", 0xC80001);
  EXPECT_NE(third, first) << "a number must not come back while a dialog may still hold it";
  toolkit::CloseWindow(second);
  toolkit::CloseWindow(third);
  EXPECT_EQ(toolkit::WindowHandle(0), nullptr);
  EXPECT_EQ(toolkit::WindowHandle(-5), nullptr);
  PumpEvents();
}

// A host can refuse a window with a CBT hook; the toolkit must then give 0
// and leave no class behind.
std::string refusedClass;
LRESULT CALLBACK RefuseToolkitWindows(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    const auto* creation = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
    if (!IS_INTRESOURCE(creation->lpszClass) &&
        std::string(creation->lpszClass).rfind("WindowClass_", 0) == 0) {
      refusedClass = creation->lpszClass;
      return 1;
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(Windows, RefusedWindowGivesZeroAndLeavesNoTrace) {
  HHOOK hook = SetWindowsHookExA(WH_CBT, RefuseToolkitWindows, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  const int window = toolkit::OpenWindow(toolkit::AnyNumber, 0, 0, 260, 70, "Echo", 0xC80001);
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(window, 0);
  ASSERT_FALSE(refusedClass.empty());
  EXPECT_FALSE(support::ClassRegistered(GetModuleHandleA(nullptr), refusedClass.c_str()));
  // With no window there is no gadget list: gadgets cannot be made.
  EXPECT_EQ(toolkit::CreateButton(1, 0, 0, 10, 10, "x", 0), 0);
  EXPECT_EQ(toolkit::GadgetHandle(1), nullptr);
}

TEST(Windows, OptionEightKeepsTheCurrentGadgetList) {
  const int list = toolkit::OpenWindow(toolkit::AnyNumber, 0, 0, 200, 100, "list", 0xC80001);
  const int other = toolkit::OpenWindow(toolkit::AnyNumber, 0, 0, 200, 100, "other", 0xC80009);
  ASSERT_EQ(toolkit::CreateButton(1, 0, 0, 50, 20, "x", 0), 1);
  EXPECT_EQ(GetParent(toolkit::GadgetHandle(1)), toolkit::WindowHandle(list));
  toolkit::CloseWindow(list);
  EXPECT_EQ(toolkit::GadgetHandle(1), nullptr) << "the gadget goes with its window";
  EXPECT_EQ(toolkit::CreateButton(1, 0, 0, 50, 20, "x", 0), 0) << "closing the list leaves none";
  toolkit::CloseWindow(other);
  PumpEvents();
}

using WindowEvents = support::ToolkitTest;

TEST_F(WindowEvents, CloseBoxReportsCloseAndTheWindowStays) {
  support::ClickAt(support::CloseBoxPoint(handle_));
  EXPECT_EQ(PumpEvents(), (std::vector<RecordedEvent>{{event::Close}}));
  EXPECT_TRUE(IsWindowVisible(handle_));
  EXPECT_EQ(toolkit::EventWindow(), window_);
}

TEST_F(WindowEvents, AltF4AndTheSystemMenuCloseReportClose) {
  support::PressKey(VK_F4, {VK_MENU});
  EXPECT_EQ(PumpEvents(), (std::vector<RecordedEvent>{{event::Close}}));
  PostMessageA(handle_, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(PumpEvents(), (std::vector<RecordedEvent>{{event::Close}}));
  EXPECT_TRUE(IsWindow(handle_));
}

TEST_F(WindowEvents, PostedCloseIsReportedOnceAndLeavesNothingQueued) {
  PostMessageA(handle_, WM_CLOSE, 0, 0);
  EXPECT_EQ(toolkit::WaitEvent(1000), event::Close);
  EXPECT_EQ(PumpEvents(), std::vector<RecordedEvent>{});
}

TEST_F(WindowEvents, ConsecutiveMovesAreReportedOnce) {
  SetWindowPos(handle_, nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SetWindowPos(handle_, nullptr, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_EQ(PumpEvents(), (std::vector<RecordedEvent>{{event::WindowMoved}}));
  EXPECT_EQ(toolkit::EventWindow(), window_);
}

TEST_F(WindowEvents, MinimiseMaximiseRestore) {
  auto sizeEvents = [] {
    std::vector<RecordedEvent> kept;
    for (const RecordedEvent& e : PumpEvents())
      if (e.kind != event::WindowMoved) kept.push_back(e);
    return kept;
  };
  ShowWindow(handle_, SW_MINIMIZE);
  EXPECT_EQ(sizeEvents(), (std::vector<RecordedEvent>{{event::Minimised}}));
  ShowWindow(handle_, SW_RESTORE);
  EXPECT_EQ(sizeEvents(), (std::vector<RecordedEvent>{{event::Restored}, {event::WindowSized}}));
  ShowWindow(handle_, SW_SHOWMAXIMIZED);
  EXPECT_EQ(sizeEvents(), (std::vector<RecordedEvent>{{event::Maximised}, {event::WindowSized}}));
  ShowWindow(handle_, SW_RESTORE);
  EXPECT_EQ(sizeEvents(), (std::vector<RecordedEvent>{{event::Restored}, {event::WindowSized}}));
  SetWindowPos(handle_, nullptr, 0, 0, 200, 150, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(sizeEvents(), (std::vector<RecordedEvent>{{event::WindowSized}}));
}

TEST_F(WindowEvents, ActivationAndBackgroundAreReported) {
  InvalidateRect(handle_, nullptr, TRUE);
  bool background = false;
  for (const RecordedEvent& e : support::PumpAllEvents())
    background |= e.kind == event::BackgroundRepainted;
  EXPECT_TRUE(background);
}

TEST_F(WindowEvents, WindowColourFillsTheBackground) {
  toolkit::SetWindowColour(window_, RGB(50, 150, 250));
  UpdateWindow(handle_);
  PumpEvents();
  HDC dc = GetDC(handle_);
  EXPECT_EQ(GetPixel(dc, 150, 100), RGB(50, 150, 250));
  ReleaseDC(handle_, dc);
}

LRESULT CountingCallback(HWND, UINT message, WPARAM, LPARAM) {
  static int closes = 0;
  if (message == WM_CLOSE) return ++closes > 1 ? 0 : LRESULT(toolkit::NotHandled);
  return LRESULT(toolkit::NotHandled);
}

TEST_F(WindowEvents, WindowCallbackSeesMessagesFirst) {
  toolkit::SetWindowCallback(CountingCallback);
  PostMessageA(handle_, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(PumpEvents(), (std::vector<RecordedEvent>{{event::Close}})) << "not-handled goes on";
  PostMessageA(handle_, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(PumpEvents(), std::vector<RecordedEvent>{}) << "a handled message stops at the callback";
}

TEST_F(WindowEvents, WaitLimits) {
  PumpEvents();
  EXPECT_EQ(toolkit::WaitEvent(0), event::None);
  const ULONGLONG start = GetTickCount64();
  EXPECT_EQ(toolkit::WaitEvent(120), event::None);
  EXPECT_GE(GetTickCount64() - start, 100u);

  PostThreadMessageA(GetCurrentThreadId(), WM_APP + 7, 0, 0);
  EXPECT_EQ(toolkit::WaitEvent(-1), WM_APP + 7) << "other messages come back as their identifier";
  PostQuitMessage(3);
  EXPECT_EQ(toolkit::WaitEvent(-1), WM_QUIT) << "a quit message is returned like any other";
  EXPECT_EQ(toolkit::EventMessageWParam(), 3u);
}

TEST_F(WindowEvents, OtherCommandsAreMenuEvents) {
  PostMessageA(handle_, WM_COMMAND, MAKEWPARAM(42, 0), 0);
  EXPECT_EQ(PumpEvents(), (std::vector<RecordedEvent>{{event::Menu}}));
}

// The wait dispatches every message of the thread, the host's windows' too.
LRESULT CALLBACK HostWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP) *reinterpret_cast<int*>(lParam) += 1;
  return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(WindowEvents, HostWindowsKeepWorking) {
  WNDCLASSA hostClass = {};
  hostClass.lpfnWndProc = HostWindowProcedure;
  hostClass.hInstance = GetModuleHandleA(nullptr);
  hostClass.lpszClassName = "HostWindow";
  RegisterClassA(&hostClass);
  HWND host = CreateWindowExA(0, "HostWindow", "host", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                              hostClass.hInstance, nullptr);
  int received = 0;
  PostMessageA(host, WM_APP, 0, reinterpret_cast<LPARAM>(&received));
  PumpEvents();
  EXPECT_EQ(received, 1);
  DestroyWindow(host);
  UnregisterClassA("HostWindow", hostClass.hInstance);
}

}  // namespace
