// BrindleEdit's recovery copy. While a script has unsaved changes, its text
// is kept in a file of the editor process's own in the user's local
// application data (%LOCALAPPDATA%\BrindleEdit\Wiederherstellung\), so
// that a crash, a killed process or a power cut loses nothing that was
// typed; the next editor to start offers what a process left behind. The
// copy is written by a thread of its own, so that typing goes on meanwhile,
// or at once before a risky step; each time into a new file that then
// replaces the old one, so that a copy is always whole.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "hosts/brindle_edit/recovery_format.h"

namespace brindle_edit {

// How much of the text the editor takes at a time between the user's keys
// (Wine 8's rich edit control hands over 128K characters in under 10 ms).
inline constexpr LONG RecoveryPieceCharacters = 128 * 1024;

class RecoveryCopy {
 public:
  // The copy of this process; nothing is written until Keep.
  RecoveryCopy();
  ~RecoveryCopy();
  RecoveryCopy(const RecoveryCopy&) = delete;
  RecoveryCopy& operator=(const RecoveryCopy&) = delete;

  // `content` becomes the copy: on the writer's thread, or before KeepNow
  // returns (then a copy handed to the thread earlier is not written).
  void Keep(RecoveryContent content);
  void KeepNow(RecoveryContent content);
  // No copy any more: the script was saved, or its changes discarded.
  void Remove();
  // The system error of the last copy that could not be written, once; 0 if none.
  DWORD TakeError() { return error_.exchange(0); }

 private:
  struct Pending {
    std::uint64_t generation = 0;
    RecoveryContent content;
  };
  static DWORD WINAPI Writer(void* self);
  // Writes or removes the copy unless a newer one was settled meanwhile.
  void Settle(std::uint64_t generation, const RecoveryContent* content);

  std::wstring file_;
  std::uint64_t generation_ = 0;  // of the editor's thread
  SRWLOCK lock_ = SRWLOCK_INIT;   // guards pending_ and stopping_
  CONDITION_VARIABLE wake_ = CONDITION_VARIABLE_INIT;
  std::optional<Pending> pending_;
  bool stopping_ = false;
  SRWLOCK fileLock_ = SRWLOCK_INIT;  // guards the file and settled_
  std::uint64_t settled_ = 0;
  std::atomic<DWORD> error_ = 0;
  HANDLE thread_ = nullptr;
};

// A copy that an editor left behind: its process ended without closing.
struct LeftCopy {
  std::wstring file;
  FILETIME written = {};
};
// The copies left behind, newest first; those of running editors are not among them.
std::vector<LeftCopy> CopiesLeftBehind();
// A left copy's content; nothing when the file is not a whole copy.
std::optional<RecoveryContent> ReadLeftCopy(const LeftCopy& copy);

}  // namespace brindle_edit
