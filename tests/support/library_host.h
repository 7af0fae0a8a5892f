// A host in a test: loads Brindlework.dll, calls a command procedure on the
// test's thread and lets a "user" on a second thread work the dialog.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace support {

using CommandProcedure = const char* (*)();

// Owns one load of the library.
class LoadedLibrary {
 public:
  LoadedLibrary();
  ~LoadedLibrary();
  LoadedLibrary(const LoadedLibrary&) = delete;
  LoadedLibrary& operator=(const LoadedLibrary&) = delete;

  HMODULE Module() const { return module_; }
  CommandProcedure Procedure(const char* name) const;

 private:
  HMODULE module_;
};

struct CommandResult {
  const char* pointer = nullptr;  // as returned
  std::string text;               // copied at once, as a host must
};

// Calls `procedure` and, once a window titled `title` shows, runs `user` on
// another thread with that window. A dialog still open after `user` is done
// is a test failure; it is then closed so that the call returns.
CommandResult CallWithUser(const std::function<const char*()>& procedure, const char* title,
                           const std::function<void(HWND dialog)>& user);

// Clicks the dialog's control with that identifier (its gadget number).
void ClickGadget(HWND dialog, int gadget);
// Puts text into a control as a paste would, and waits until it shows it.
void SetControlText(HWND dialog, int gadget, const std::string& text);

}  // namespace support
