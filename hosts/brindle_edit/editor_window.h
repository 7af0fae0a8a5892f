// BrindleEdit's main window: a script in a rich edit control, the five
// command dialogs of Brindlework.dll behind a menu, and a status line that
// explains the command line under the caret and warns where it will
// misbehave.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "hosts/brindle_edit/command_library.h"
#include "hosts/brindle_edit/find_dialog.h"
#include "hosts/brindle_edit/owned_handles.h"
#include "hosts/brindle_edit/recovery_copy.h"
#include "hosts/brindle_edit/script_edit.h"
#include "hosts/brindle_edit/script_text.h"
#include "hosts/brindle_edit/status_line.h"
#include "hosts/brindle_edit/trial_window.h"

namespace brindle_edit {

class EditorWindow {
 public:
  EditorWindow();
  EditorWindow(const EditorWindow&) = delete;
  EditorWindow& operator=(const EditorWindow&) = delete;

  // Opens the window with the script at `path` (a new, empty one when the
  // file does not exist yet, or with no path). A script not saved yet has
  // its trial runs in `startFolder`, where the editor was started. Null on failure.
  HWND Create(const std::wstring& path, int showCommand, const std::wstring& startFolder);
  // Runs the message loop until the window is gone; returns the exit code.
  int Run();

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCreate();
  void OnCommand(UINT id);
  void Layout();

  // File commands. Each returns false when the user cancelled or it failed.
  bool LoadFile(const std::wstring& path);
  bool Save();
  bool SaveAs();
  bool SaveTo(const std::wstring& path);
  bool ConfirmDiscard();  // asks to save unsaved changes
  // The system's open or save dialog for a script; empty when cancelled.
  std::wstring AskForScript(bool saving) const;
  void NewScript();
  void OpenScript();
  void RunScript();
  // A UTF-8 script is saved in the console's code page first, if the user
  // agrees; false when the script is not to run.
  bool ReadyForConsole();
  void FindNext();
  void Replace(DWORD flags);
  void GoToLine();
  void OpenRecent(std::size_t index);

  void InsertCommand(const char* command);
  void EditLine();
  // F6: the trial run of the caret's line in its window.
  void TrialRun();
  // Shows a command's dialog, opened from `line` when there is one, modal
  // over the editor; its line, empty on cancel. False when none can show.
  bool RunCommandDialog(const char* command, const std::string* line, std::wstring& result);
  void ShowHelp();
  void UpdateTitle();
  void UpdateStatus(bool force);

  int Ask(const std::wstring& question, UINT buttons) const;

  // The recovery copy (recovery_copy.h): offered at the start when an
  // editor left one behind; kept a few seconds after a change, at once
  // before the library is called; removed once nothing is unsaved.
  void OfferRecovery();
  void ScheduleRecoveryCopy();
  void KeepRecoveryCopy(bool now);
  void TakeRecoveryPiece();

  HWND window_ = nullptr;
  ScriptEdit edit_;
  StatusLine status_;
  FindDialog find_;
  TrialWindow trial_;
  OwnedFont font_;
  OwnedAccelerators accelerators_;
  std::wstring programFolder_;
  CommandLibrary library_;
  std::wstring path_;  // empty for a script not saved yet
  std::wstring startFolder_;
  std::vector<std::wstring> recentShown_;  // the recent files as the "Datei" menu shows them
  ScriptEncoding encoding_ = ScriptEncoding::ConsoleOem;
  bool commandRunning_ = false;
  // What the status line shows now, to update it only on change.
  LONG shownCaret_ = -1;
  unsigned changes_ = 0, shownChanges_ = static_cast<unsigned>(-1);
  std::wstring notice_;  // a one-time message that replaces the explanation
  RecoveryCopy recovery_;
  bool recoveryScheduled_ = false;
  // The text being taken for the copy, a piece at a time, and the change it
  // was started at and when.
  struct RecoverySnapshot {
    bool running = false;
    unsigned changes = 0;
    ULONGLONG started = 0;
    std::wstring text;
  } snapshot_;
};

}  // namespace brindle_edit
