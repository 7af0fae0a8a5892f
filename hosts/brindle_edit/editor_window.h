// BrindleEdit's main window: a script in an edit control, the five command
// dialogs of Brindlework.dll behind a menu, and a status line that explains
// the command line under the caret.
#pragma once

#include <windows.h>

#include <string>

#include "hosts/brindle_edit/command_library.h"
#include "hosts/brindle_edit/owned_handles.h"
#include "hosts/brindle_edit/script_text.h"

namespace brindle_edit {

class EditorWindow {
 public:
  EditorWindow();
  EditorWindow(const EditorWindow&) = delete;
  EditorWindow& operator=(const EditorWindow&) = delete;

  // Opens the window with the script at `path` (a new, empty one when the
  // file does not exist yet, or with no path). Null on failure.
  HWND Create(const std::wstring& path, int showCommand);
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

  void InsertCommand(const char* command);
  void ShowHelp();
  void UpdateTitle();
  void UpdateStatus(bool force);
  void SetStatusPart(int part, const std::wstring& text);

  std::wstring Text() const;
  bool Modified() const;
  int Ask(const std::wstring& question, UINT buttons) const;

  HWND window_ = nullptr;
  HWND edit_ = nullptr;
  HWND status_ = nullptr;
  OwnedFont font_;
  OwnedAccelerators accelerators_;
  std::wstring programFolder_;
  CommandLibrary library_;
  std::wstring path_;  // empty for a script not saved yet
  ScriptEncoding encoding_ = ScriptEncoding::ConsoleOem;
  bool commandRunning_ = false;
  // What the status line shows now, to update it only on change.
  DWORD shownCaret_ = static_cast<DWORD>(-1);
  unsigned changes_ = 0, shownChanges_ = static_cast<unsigned>(-1);
  std::wstring notice_;  // a one-time message that replaces the explanation
};

}  // namespace brindle_edit
