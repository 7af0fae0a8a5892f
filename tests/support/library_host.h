// A host in a test: loads Brindlework.dll, calls a command procedure on the
// test's thread and lets a "user" on a second thread work the dialog.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace support {

using CommandProcedure = const char* (*)();

// A dialog as a host meets it: its procedure, its window's title and the
// gadget numbers of its "Hinzufügen" and "Abbrechen".
struct CommandDialog {
  const char* procedure;
  const char* title;
  int add, cancel;
};
inline constexpr CommandDialog Chkdsk{"chkdsk", "Chkdsk", 16, 17}, Color{"color", "Color", 9, 10},
    Echo{"echo", "Echo", 3, 4}, Title{"title", "Title", 3, 4}, Xcopy{"xcopy", "XCOPY", 31, 30},
    Robocopy{"robocopy", "Robocopy", 15, 16};
inline constexpr CommandDialog Dialogs[] = {Chkdsk, Color, Echo, Title, Xcopy, Robocopy};
inline constexpr int TextField = 2;  // of echo and title

struct CommandResult {
  const char* pointer = nullptr;  // as returned
  std::string text;               // copied at once, as a host must
};

// Runs `work` on a thread of its own and waits for it at the end of the
// scope. A system thread, not std::thread: the C++ runtime's threads
// (winpthreads) keep one more kernel handle now and then, after some
// hundred threads or after the first (seen with Wine 8), which a leak
// count would take for the library's.
class UserThread {
 public:
  explicit UserThread(std::function<void()> work);
  ~UserThread();
  UserThread(const UserThread&) = delete;
  UserThread& operator=(const UserThread&) = delete;

 private:
  static DWORD WINAPI Run(LPVOID self);
  std::function<void()> work_;
  HANDLE thread_;
};

// Calls `procedure` and, once a window titled `title` shows, runs `user` on
// another thread with that window. A dialog still open after `user` is done
// is a test failure; it is then closed so that the call returns.
CommandResult CallWithUser(const std::function<const char*()>& procedure, const char* title,
                           const std::function<void(HWND dialog)>& user);

// Owns one load of the library.
class LoadedLibrary {
 public:
  LoadedLibrary();
  ~LoadedLibrary();
  LoadedLibrary(const LoadedLibrary&) = delete;
  LoadedLibrary& operator=(const LoadedLibrary&) = delete;

  HMODULE Module() const { return module_; }
  CommandProcedure Procedure(const char* name) const;
  CommandResult Call(const CommandDialog& dialog, const std::function<void(HWND dialog)>& user) const {
    return CallWithUser(Procedure(dialog.procedure), dialog.title, user);
  }

 private:
  HMODULE module_;
};

// Clicks the dialog's control with that identifier (its gadget number).
void ClickGadget(HWND dialog, int gadget);
bool Enabled(HWND dialog, int gadget);
bool Checked(HWND dialog, int box);
// Clicks a check box and waits until it shows the click.
void Toggle(HWND dialog, int box);
// Puts text into a control as a paste would, and waits until it shows it.
void SetControlText(HWND dialog, int gadget, const std::string& text);
// Types into a field with real keys, and waits until it shows the text.
void TypeInto(HWND dialog, int field, const std::string& text);

// The help viewer's recording stand-in (hh_stub.exe) as hh.exe beside the
// test program, where CreateProcessA looks first; gone again afterwards.
class StandInViewer {
 public:
  StandInViewer();
  ~StandInViewer();
  StandInViewer(const StandInViewer&) = delete;
  StandInViewer& operator=(const StandInViewer&) = delete;
  // The command lines the viewer was started with, once `count` have come.
  std::vector<std::string> Starts(std::size_t count) const;
  std::string folder, viewer, log;  // the program's folder, with its backslash
};

}  // namespace support
