// What a recovery copy of BrindleEdit holds and how its file lays it out:
// a mark, the script's encoding, its file name and its text, both as the
// editor's own UTF-16, so that a copy gives back every character it had
// (also one that the script's code page lacks and saving would change).
// Each editor process has a copy of its own, named after the process.
// No windows.h.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "hosts/brindle_edit/script_text.h"

namespace brindle_edit {

struct RecoveryContent {
  std::wstring path;  // empty for a script never saved
  ScriptEncoding encoding = ScriptEncoding::ConsoleOem;
  std::wstring text;  // as the edit control gives it
};

// The bytes of a copy's file.
std::string EncodeRecovery(const RecoveryContent& content);
// The copy in a file's bytes; nothing for bytes that are not one whole copy
// (another file, or one cut short).
std::optional<RecoveryContent> DecodeRecovery(std::string_view bytes);

// The editor process a copy belongs to: its id and its start time (a
// FILETIME), which together name one process, even once the id is reused.
struct RecoveryOwner {
  std::uint32_t processId = 0;
  std::uint64_t startTime = 0;
  bool operator==(const RecoveryOwner&) const = default;
};

// "<id>-<start time in 16 hexadecimal digits>.kopie", and back; nothing
// for a name of another form.
std::wstring RecoveryFileName(const RecoveryOwner& owner);
std::optional<RecoveryOwner> OwnerOfRecoveryFile(std::wstring_view fileName);

}  // namespace brindle_edit
