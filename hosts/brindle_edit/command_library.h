// Brindlework.dll, loaded from the editor's own folder, and its command
// procedures: each command's dialog on a new line or opened from a line.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

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
  // The same with the dialog opened from `line`, in code page 1252.
  std::wstring Edit(const char* command, const std::string& line) const;

 private:
  OwnedLibrary module_;
};

// `text` in the library's code page 1252; none when a character has no byte there.
std::optional<std::string> InLibraryCodePage(std::wstring_view text);

// The folder of the running program, ending in a backslash.
std::wstring ExecutableFolder();

}  // namespace brindle_edit
