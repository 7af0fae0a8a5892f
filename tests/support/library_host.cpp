#include "tests/support/library_host.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <utility>

#include "tests/support/user_input.h"

namespace support {

LoadedLibrary::LoadedLibrary() : module_(LoadLibraryA("Brindlework.dll")) {}

LoadedLibrary::~LoadedLibrary() {
  if (module_) FreeLibrary(module_);
}

CommandProcedure LoadedLibrary::Procedure(const char* name) const {
  return reinterpret_cast<CommandProcedure>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
}

UserThread::UserThread(std::function<void()> work)
    : work_(std::move(work)), thread_(CreateThread(nullptr, 0, Run, this, 0, nullptr)) {}

DWORD WINAPI UserThread::Run(LPVOID self) {
  static_cast<UserThread*>(self)->work_();
  return 0;
}

UserThread::~UserThread() {
  WaitForSingleObject(thread_, INFINITE);
  CloseHandle(thread_);
}

namespace {

// The system's dialogs (a folder chooser, a message box) of the dialog's
// thread, other than the dialog itself.
BOOL CALLBACK CloseSystemDialogs(HWND window, LPARAM dialog) {
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  if (window != reinterpret_cast<HWND>(dialog) && std::string(className) == "#32770")
    PostMessageA(window, WM_CLOSE, 0, 0);
  return TRUE;
}

}  // namespace

CommandResult CallWithUser(const std::function<const char*()>& procedure, const char* title,
                           const std::function<void(HWND dialog)>& user) {
  CommandResult result;
  UserThread userThread([&] {
    HWND dialog = WaitForDialog(title);
    if (!dialog) {
      ADD_FAILURE() << "no window titled " << title << " appeared";
      return;
    }
    user(dialog);
    if (!WaitForWindowGone(dialog)) {
      ADD_FAILURE() << "the dialog " << title << " is still open after the user's actions";
      // A window it opened (a folder chooser, a message) is closed first: the
      // dialog waits for it and would not close, and the test would hang.
      EnumThreadWindows(GetWindowThreadProcessId(dialog, nullptr), CloseSystemDialogs,
                        reinterpret_cast<LPARAM>(dialog));
      PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
  });
  result.pointer = procedure();
  result.text = result.pointer ? result.pointer : "";
  return result;  // once the user is done
}

void ClickGadget(HWND dialog, int gadget) {
  HWND control = GetDlgItem(dialog, gadget);
  ASSERT_NE(control, nullptr) << "gadget " << gadget;
  // A change sent to another gadget is acted on by the dialog's own loop a
  // moment later: a button that it enables is clicked once it is.
  ASSERT_TRUE(WaitUntil([&] { return Enabled(dialog, gadget); })) << "gadget " << gadget << " is disabled";
  Click(control);
}

bool Enabled(HWND dialog, int gadget) { return IsWindowEnabled(GetDlgItem(dialog, gadget)) != FALSE; }

bool Checked(HWND dialog, int box) { return SendMessageA(GetDlgItem(dialog, box), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void Toggle(HWND dialog, int box) {
  const bool before = Checked(dialog, box);
  ClickGadget(dialog, box);
  ASSERT_TRUE(WaitUntil([&] { return Checked(dialog, box) != before; })) << "box " << box;
}

void SetControlText(HWND dialog, int gadget, const std::string& text) {
  HWND control = GetDlgItem(dialog, gadget);
  ASSERT_NE(control, nullptr) << "gadget " << gadget;
  SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  // The change reaches the dialog while it waits for a message; a posted one
  // makes it take the change at once (a user's keys would), before another
  // text sent from here could take its place.
  PostMessageA(dialog, WM_NULL, 0, 0);
  ASSERT_EQ(WindowText(control), text);
}

void TypeInto(HWND dialog, int field, const std::string& text) {
  HWND control = GetDlgItem(dialog, field);
  if (FocusIn(dialog) != control) Click(control);
  ASSERT_TRUE(WaitUntil([&] { return FocusIn(dialog) == control; })) << KeyboardState(dialog);
  const std::string expected = WindowText(control) + text;
  TypeText(text);
  ASSERT_TRUE(WaitUntil([&] { return WindowText(control) == expected; })) << "shows '" << WindowText(control) << "'";
}

StandInViewer::StandInViewer() {
  char program[MAX_PATH];
  folder.assign(program, GetModuleFileNameA(nullptr, program, MAX_PATH));
  folder.erase(folder.find_last_of('\\') + 1);
  viewer = folder + "hh.exe";
  log = folder + "hh-starts-" + std::to_string(GetCurrentProcessId()) + ".log";
  CopyFileA((folder + "hh_stub.exe").c_str(), viewer.c_str(), FALSE);
  DeleteFileA(log.c_str());
  SetEnvironmentVariableA("BRINDLE_HH_LOG", log.c_str());  // started programs inherit it
}

StandInViewer::~StandInViewer() {
  SetEnvironmentVariableA("BRINDLE_HH_LOG", nullptr);
  DeleteFileA(log.c_str());
  DeleteFileA(viewer.c_str());
}

std::vector<std::string> StandInViewer::Starts(std::size_t count) const {
  std::vector<std::string> lines;
  WaitUntil([&] {
    lines.clear();
    std::ifstream file(log);
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines.size() >= count;
  });
  return lines;
}

}  // namespace support
