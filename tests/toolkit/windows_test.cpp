// Opening and closing toolkit windows, and the window-level events.
#include <gtest/gtest.h>

#include <cstdint>

#include "tests/support/toolkit_fixture.h"
#include "tests/support/user_input.h"

namespace {

using support::PumpEvents;
using support::RecordedEvent;
using Events = std::vector<RecordedEvent>;
namespace event = toolkit::event;

// A number never comes back while a dialog may still hold it; gadgets go
// with their window.
TEST(Windows, NumbersAndTheGadgetList) {
  auto open = [](std::uint32_t flags) { return toolkit::OpenWindow(toolkit::AnyNumber, 0, 0, 200, 100, "w", flags); };
  const int closed = open(0xC80001);
  ASSERT_NE(closed, 0);
  toolkit::CloseWindow(closed);
  toolkit::CloseWindow(closed);
  EXPECT_EQ(toolkit::WindowHandle(closed), nullptr);
  EXPECT_EQ(toolkit::WindowHandle(0), nullptr);
  const int list = open(0xC80001);
  EXPECT_NE(list, closed);
  ASSERT_EQ(toolkit::CreateButton(1, 0, 0, 50, 20, "x", 0), 1);
  EXPECT_EQ(GetParent(toolkit::GadgetHandle(1)), toolkit::WindowHandle(list));
  toolkit::CloseWindow(list);
  EXPECT_EQ(toolkit::GadgetHandle(1), nullptr) << "the gadget goes with its window";
  EXPECT_EQ(toolkit::CreateButton(1, 0, 0, 50, 20, "x", 0), 0) << "closing the list leaves none";
  PumpEvents();
}

using WindowEvents = support::ToolkitTest;

TEST_F(WindowEvents, EveryWayOfClosingReportsCloseOnceAndTheWindowStays) {
  support::ClickAt(support::CloseBoxPoint(handle_));
  EXPECT_EQ(PumpEvents(), (Events{{event::Close}})) << "close box";
  support::PressKey(VK_F4, {VK_MENU});
  EXPECT_EQ(PumpEvents(), (Events{{event::Close}})) << "Alt+F4";
  PostMessageA(handle_, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(PumpEvents(), (Events{{event::Close}})) << "system menu";
  // A posted WM_CLOSE is reported once, not as its identifier 16 and again
  // as the close event it queued, which would end the next dialog at once.
  PostMessageA(handle_, WM_CLOSE, 0, 0);
  EXPECT_EQ(PumpEvents(), (Events{{event::Close}})) << "posted WM_CLOSE";
  EXPECT_TRUE(IsWindowVisible(handle_));
  EXPECT_EQ(toolkit::EventWindow(), window_);
}

LRESULT SwallowSecondClose(HWND, UINT message, WPARAM, LPARAM) {
  static int closes = 0;
  if (message == WM_CLOSE && ++closes > 1) return 0;
  return LRESULT(toolkit::NotHandled);
}

TEST_F(WindowEvents, WindowCallbackSeesMessagesFirst) {
  toolkit::SetWindowCallback(SwallowSecondClose);
  PostMessageA(handle_, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(PumpEvents(), (Events{{event::Close}})) << "not handled: the toolkit goes on";
  PostMessageA(handle_, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(PumpEvents(), Events{}) << "handled: the message stops at the callback";
}

// Other messages of the thread are dispatched, the host's windows' too, and
// come back as their identifiers.
LRESULT CALLBACK CountingHostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP) ++*reinterpret_cast<int*>(lParam);
  return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(WindowEvents, WaitLimitsAndOtherMessages) {
  PumpEvents();
  EXPECT_EQ(toolkit::WaitEvent(0), event::None);
  const ULONGLONG start = GetTickCount64();
  EXPECT_EQ(toolkit::WaitEvent(120), event::None);
  EXPECT_GE(GetTickCount64() - start, 100u);

  WNDCLASSA hostClass = {};
  hostClass.lpfnWndProc = CountingHostProcedure;
  hostClass.lpszClassName = "HostWindow";
  RegisterClassA(&hostClass);
  HWND host = CreateWindowExA(0, "HostWindow", "", 0, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
  int received = 0;
  PostMessageA(host, WM_APP, 0, reinterpret_cast<LPARAM>(&received));
  EXPECT_EQ(toolkit::WaitEvent(-1), WM_APP);
  EXPECT_EQ(received, 1);
  DestroyWindow(host);
  UnregisterClassA("HostWindow", nullptr);

  PostQuitMessage(3);
  EXPECT_EQ(toolkit::WaitEvent(-1), WM_QUIT) << "a quit message is returned like any other";
  EXPECT_EQ(toolkit::EventMessageWParam(), 3u);
}

}  // namespace
