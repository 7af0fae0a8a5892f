#include "tests/support/library_host.h"

#include <gtest/gtest.h>

#include <thread>

#include "tests/support/user_input.h"

namespace support {

LoadedLibrary::LoadedLibrary() : module_(LoadLibraryA("Brindlework.dll")) {}

LoadedLibrary::~LoadedLibrary() {
  if (module_) FreeLibrary(module_);
}

CommandProcedure LoadedLibrary::Procedure(const char* name) const {
  return reinterpret_cast<CommandProcedure>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
}

CommandResult CallWithUser(const std::function<const char*()>& procedure, const char* title,
                           const std::function<void(HWND dialog)>& user) {
  std::thread userThread([&] {
    HWND dialog = WaitForDialog(title);
    if (!dialog) {
      ADD_FAILURE() << "no window titled " << title << " appeared";
      return;
    }
    user(dialog);
    if (!WaitForWindowGone(dialog)) {
      ADD_FAILURE() << "the dialog " << title << " is still open after the user's actions";
      PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
  });
  CommandResult result;
  result.pointer = procedure();
  result.text = result.pointer ? result.pointer : "";
  userThread.join();
  return result;
}

void ClickGadget(HWND dialog, int gadget) {
  HWND control = GetDlgItem(dialog, gadget);
  ASSERT_NE(control, nullptr) << "gadget " << gadget;
  // A change sent to another gadget is acted on by the dialog's own loop a
  // moment later: a button that it enables is clicked once it is.
  ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(control) != FALSE; })) << "gadget " << gadget << " is disabled";
  Click(control);
}

void SetControlText(HWND dialog, int gadget, const std::string& text) {
  HWND control = GetDlgItem(dialog, gadget);
  ASSERT_NE(control, nullptr) << "gadget " << gadget;
  SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  ASSERT_EQ(WindowText(control), text);
}

}  // namespace support
