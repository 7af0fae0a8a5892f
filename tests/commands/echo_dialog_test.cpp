// The echo dialog, called as a host calls it and worked by a user with
// real clicks and keys.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>

#include "tests/support/library_host.h"
#include "tests/support/user_input.h"

namespace {

using support::CallWithUser;
using support::ClickGadget;
using support::WaitUntil;

enum { TextLabel = 1, TextField = 2, AddButton = 3, CancelButton = 4 };

class EchoDialog : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(library_.Module(), nullptr); }

  support::CommandResult Echo(const std::function<void(HWND)>& user) {
    return CallWithUser(library_.Procedure("echo"), "Echo", user);
  }

  // Types into the field with real keys and waits until it shows the text.
  static void Type(HWND dialog, const std::string& text) {
    HWND field = GetDlgItem(dialog, TextField);
    if (support::FocusIn(dialog) != field) support::Click(field);
    ASSERT_TRUE(WaitUntil([&] { return support::FocusIn(dialog) == field; }));
    const std::string before = support::WindowText(field);
    support::TypeText(text);
    ASSERT_TRUE(WaitUntil([&] { return support::WindowText(field) == before + text; }))
        << "field shows '" << support::WindowText(field) << "'";
  }

  support::LoadedLibrary library_;
};

TEST_F(EchoDialog, AddBuildsTheEchoLine) {
  struct Case {
    std::string typed;
    std::string expected;
  };
  const Case cases[] = {
      {"", "echo."},
      {"Hallo Welt", "echo Hallo Welt"},
      {"  ", "echo   "},  // seven characters: blanks are not empty
      {"  vorn und hinten  ", "echo   vorn und hinten  "},
      {"Grüße & <Größe> | 100%", "echo Grüße & <Größe> | 100%"},
  };
  for (const Case& c : cases) {
    const support::CommandResult result = Echo([&](HWND dialog) {
      if (!c.typed.empty()) Type(dialog, c.typed);
      ClickGadget(dialog, AddButton);
    });
    EXPECT_EQ(result.text, c.expected);
  }
}

TEST_F(EchoDialog, CancelCloseBoxAndAltF4GiveEmptyNonNullText) {
  const std::pair<const char*, std::function<void(HWND)>> ways[] = {
      {"Abbrechen", [](HWND dialog) { ClickGadget(dialog, CancelButton); }},
      {"close box", [](HWND dialog) { support::ClickAt(support::CloseBoxPoint(dialog)); }},
      {"Alt+F4", [](HWND) { support::PressKey(VK_F4, {VK_MENU}); }},
      {"system menu", [](HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }},
  };
  for (const auto& [way, user] : ways) {
    const support::CommandResult result = Echo([&](HWND dialog) {
      Type(dialog, "nicht");
      user(dialog);
    });
    ASSERT_NE(result.pointer, nullptr) << way;
    EXPECT_EQ(result.pointer[0], '\0') << way;
  }
}

TEST_F(EchoDialog, EnterAndEscapeNeitherAddNorCancel) {
  const support::CommandResult result = Echo([](HWND dialog) {
    Type(dialog, "x");
    support::PressKey(VK_RETURN);
    support::PressKey(VK_ESCAPE);
    // Keys are handled in order: once the y shows, Enter and Escape were handled.
    Type(dialog, "y");
    EXPECT_TRUE(IsWindowVisible(dialog));
    support::PressKey(VK_TAB);  // from the field to "Hinzufügen"
    ASSERT_TRUE(WaitUntil([&] { return support::FocusIn(dialog) == GetDlgItem(dialog, AddButton); }));
    support::PressKey(VK_RETURN);
    support::PressKey(VK_ESCAPE);
    Type(dialog, "z");
    ClickGadget(dialog, AddButton);
  });
  EXPECT_EQ(result.text, "echo xyz");
}

TEST_F(EchoDialog, TabWalksFieldAddCancelAndShiftTabBack) {
  std::vector<int> forward, backward;
  Echo([&](HWND dialog) {
    auto step = [&](std::initializer_list<WORD> modifiers, std::vector<int>& walked) {
      HWND before = support::FocusIn(dialog);
      support::PressKey(VK_TAB, modifiers);
      WaitUntil([&] { return support::FocusIn(dialog) != before; });
      walked.push_back(GetDlgCtrlID(support::FocusIn(dialog)));
    };
    for (int i = 0; i < 4; ++i) step({}, forward);
    for (int i = 0; i < 3; ++i) step({VK_SHIFT}, backward);
    ClickGadget(dialog, CancelButton);
  });
  EXPECT_EQ(forward, (std::vector<int>{TextField, AddButton, CancelButton, TextField}));
  EXPECT_EQ(backward, (std::vector<int>{CancelButton, AddButton, TextField}));
}

TEST_F(EchoDialog, WindowIsACentredFixedDialog) {
  Echo([](HWND dialog) {
    RECT client, frame;
    GetClientRect(dialog, &client);
    GetWindowRect(dialog, &frame);
    EXPECT_EQ(client.right, 260);
    EXPECT_EQ(client.bottom, 70);
    EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - (frame.right - frame.left)) / 2);
    EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - (frame.bottom - frame.top)) / 2);
    const LONG style = GetWindowLongA(dialog, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);

    const char* const captions[] = {"Text:", "", "Hinzufügen", "Abbrechen"};
    for (int gadget = TextLabel; gadget <= CancelButton; ++gadget)
      EXPECT_EQ(support::WindowText(GetDlgItem(dialog, gadget)), captions[gadget - 1]);
    ClickGadget(dialog, CancelButton);
  });
}

TEST_F(EchoDialog, SecondCallStartsAfreshAndReusesTheBuffer) {
  const support::CommandResult first = Echo([](HWND dialog) {
    support::SetControlText(dialog, TextField, "ein recht langer erster Text");
    ClickGadget(dialog, AddButton);
  });
  const support::CommandResult second = Echo([](HWND dialog) {
    EXPECT_EQ(support::WindowText(GetDlgItem(dialog, TextField)), "") << "nothing kept from the last call";
    support::SetControlText(dialog, TextField, "kurz");
    ClickGadget(dialog, AddButton);
  });
  EXPECT_EQ(first.text, "echo ein recht langer erster Text");
  EXPECT_EQ(second.text, "echo kurz");
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
    WaitForSingleObject(released, support::PatienceMs);
  }
  static inline UINT_PTR timer = 0;
};

// A close is for its own dialog only: one posted, and one from another
// thread that comes in the same wait as a click on "Hinzufügen", leave the
// next dialog open.
TEST_F(EchoDialog, CloseEndsOnlyItsOwnDialog) {
  const support::CommandResult closed =
      Echo([](HWND dialog) { PostMessageA(dialog, WM_CLOSE, 0, 0); });
  EXPECT_EQ(closed.text, "");
  HeldDialogThread::held = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  HeldDialogThread::released = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  HeldDialogThread::timer = SetTimer(nullptr, 0, 10, HeldDialogThread::Hold);
  const support::CommandResult added = Echo([](HWND dialog) {
    HeldDialogThread::userReady = true;
    ASSERT_EQ(WaitForSingleObject(HeldDialogThread::held, support::PatienceMs), WAIT_OBJECT_0);
    PostMessageA(GetDlgItem(dialog, AddButton), BM_CLICK, 0, 0);
    SendNotifyMessageA(dialog, WM_CLOSE, 0, 0);  // taken in before the posted click
    SetEvent(HeldDialogThread::released);
  });
  CloseHandle(HeldDialogThread::held);
  CloseHandle(HeldDialogThread::released);
  EXPECT_EQ(added.text, "echo.");
  // Its wait has taken the queue in when it is found: a stale close would have ended it.
  const support::CommandResult next = Echo([](HWND dialog) { ClickGadget(dialog, AddButton); });
  EXPECT_EQ(next.text, "echo.");
}

TEST_F(EchoDialog, QuitMessageTakenByTheDialogReachesTheHostAfterwards) {
  const DWORD hostThread = GetCurrentThreadId();
  const support::CommandResult result = Echo([&](HWND dialog) {
    PostThreadMessageA(hostThread, WM_QUIT, 42, 0);
    Type(dialog, "weiter");
    ClickGadget(dialog, AddButton);
  });
  EXPECT_EQ(result.text, "echo weiter") << "the dialog stays usable";
  MSG message;
  ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(message.wParam, 42u);
}

// A host can refuse every window (a CBT hook here); the procedure must then
// return empty text at once instead of waiting for a window that never comes.
LRESULT CALLBACK RefuseWindows(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) return 1;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(EchoDialog, WindowThatCannotBeOpenedGivesEmptyTextAtOnce) {
  HHOOK hook = SetWindowsHookExA(WH_CBT, RefuseWindows, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  const ULONGLONG start = GetTickCount64();
  const char* text = library_.Procedure("echo")();
  const ULONGLONG elapsed = GetTickCount64() - start;
  UnhookWindowsHookEx(hook);
  ASSERT_NE(text, nullptr);
  EXPECT_STREQ(text, "");
  EXPECT_LT(elapsed, 2000u);
}

}  // namespace
