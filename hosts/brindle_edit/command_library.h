// Brindlework.dll, loaded from the editor's own folder, and its five
// command procedures.
#pragma once

#include <windows.h>

#include <string>

#include "hosts/brindle_edit/owned_handles.h"
#include "hosts/command_names.h"

namespace brindle_edit {

using hosts::CommandNames;

class CommandLibrary {
 public:
  explicit CommandLibrary(const std::wstring& folder);
  bool Loaded() const { return module_ != nullptr; }
  // Shows the command's dialog and returns its line, converted from the
  // library's code page 1252; empty on cancel or without the library.
  std::wstring Call(const char* command) const;

 private:
  OwnedLibrary module_;
};

// The folder of the running program, ending in a backslash.
std::wstring ExecutableFolder();

}  // namespace brindle_edit
