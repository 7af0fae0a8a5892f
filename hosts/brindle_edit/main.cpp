// BrindleEdit.exe [SCRIPT]: an editor for command scripts that builds
// command lines with the dialogs of Brindlework.dll.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <string>

#include "hosts/brindle_edit/editor_window.h"

namespace {

// A script named on the command line, made absolute against the directory
// the editor was started in, before the editor moves to its own folder.
std::wstring ScriptArgument() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::wstring path;
  if (arguments && count > 1) {
    const DWORD size = GetFullPathNameW(arguments[1], 0, nullptr, nullptr);
    path.resize(size);
    path.resize(GetFullPathNameW(arguments[1], size, path.data(), nullptr));
  }
  if (arguments) LocalFree(arguments);
  return path;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
  INITCOMMONCONTROLSEX controls = {};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_BAR_CLASSES;
  InitCommonControlsEx(&controls);

  const std::wstring script = ScriptArgument();
  std::wstring startFolder(GetCurrentDirectoryW(0, nullptr), L'\0');
  startFolder.resize(GetCurrentDirectoryW(static_cast<DWORD>(startFolder.size()), startFolder.data()));
  brindle_edit::EditorWindow editor;
  // The command dialogs' "?" buttons find Hilfe.chm in the current directory.
  SetCurrentDirectoryW(brindle_edit::ExecutableFolder().c_str());
  if (!editor.Create(script, showCommand, startFolder)) return 1;
  return editor.Run();
}
