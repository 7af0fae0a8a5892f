// The echo dialog, called as a host calls it and worked by a user with
// real clicks and keys.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>

#include "tests/support/library_host.h"
#include "tests/support/user_input.h"

namespace {

using namespace support;

// The typed text is the line, and a quit message the dialog took meanwhile
// reaches the host afterwards. A second call starts with an empty field, and
// its shorter line in the reused buffer is not followed by the rest of the
// first one.
TEST(EchoDialog, TypedTextIsTheLineAndASecondCallStartsAfresh) {
  LoadedLibrary library;
  const DWORD hostThread = GetCurrentThreadId();
  const CommandResult typed = library.Call(Echo, [&](HWND dialog) {
    PostThreadMessageA(hostThread, WM_QUIT, 42, 0);
    TypeInto(dialog, TextField, "  Grüße & <Größe> | 100%");
    ClickGadget(dialog, Echo.add);
  });
  EXPECT_EQ(typed.text, "echo   Grüße & <Größe> | 100%") << "the dialog stays usable";
  MSG message;
  ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 42u);
  const CommandResult second = library.Call(Echo, [](HWND dialog) {
    EXPECT_EQ(WindowText(GetDlgItem(dialog, TextField)), "") << "nothing kept from the last call";
    SetControlText(dialog, TextField, "kurz");
    ClickGadget(dialog, Echo.add);
  });
  EXPECT_STREQ(second.pointer, "echo kurz");
}

// Holds the dialog's thread inside a timer of its own, once the user is at
// work, while another thread posts a click and sends a close, so that both
// come in the same wait.
struct HeldDialogThread {
  static inline std::atomic<bool> userReady = false;
  static inline HANDLE held = nullptr, released = nullptr;
  static void CALLBACK Hold(HWND, UINT, UINT_PTR, DWORD) {
    if (!userReady) return;  // the timer comes again
    KillTimer(nullptr, timer);
    SetEvent(held);
    WaitForSingleObject(released, PatienceMs);
  }
  static inline UINT_PTR timer = 0;
};

// A close from another thread that comes in the same wait as a click on
// "Hinzufügen" is for its own dialog only: the next dialog stays open.
TEST(EchoDialog, ACloseEndsOnlyItsOwnDialog) {
  LoadedLibrary library;
  HeldDialogThread::held = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  HeldDialogThread::released = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  HeldDialogThread::timer = SetTimer(nullptr, 0, 10, HeldDialogThread::Hold);
  const CommandResult added = library.Call(Echo, [](HWND dialog) {
    HeldDialogThread::userReady = true;
    ASSERT_EQ(WaitForSingleObject(HeldDialogThread::held, PatienceMs), WAIT_OBJECT_0);
    PostMessageA(GetDlgItem(dialog, Echo.add), BM_CLICK, 0, 0);
    SendNotifyMessageA(dialog, WM_CLOSE, 0, 0);  // taken in before the posted click
    SetEvent(HeldDialogThread::released);
  });
  CloseHandle(HeldDialogThread::held);
  CloseHandle(HeldDialogThread::released);
  EXPECT_EQ(added.text, "echo.");
  // Its wait has taken the queue in when it is found: a stale close would have ended it.
  EXPECT_EQ(library.Call(Echo, [](HWND dialog) { ClickGadget(dialog, Echo.add); }).text, "echo.");
}

}  // namespace
