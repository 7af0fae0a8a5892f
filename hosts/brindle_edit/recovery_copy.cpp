#include "hosts/brindle_edit/recovery_copy.h"

#include <shlobj.h>

#include <algorithm>
#include <utility>

#include "hosts/brindle_edit/owned_handles.h"
#include "hosts/brindle_edit/script_file.h"

namespace brindle_edit {

namespace {

constexpr wchar_t Unfinished[] = L".neu";  // a copy being written
// Room for the largest script, its file name and the head: a larger file is none of ours.
constexpr ULONGLONG LargestCopy = 2 * (LargestScript + 32768) + 64;

std::wstring Folder() {
  wchar_t appData[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData))) return {};
  return std::wstring(appData) + L"\\BrindleEdit\\Wiederherstellung\\";
}

std::uint64_t StartTime(HANDLE process) {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
  return static_cast<std::uint64_t>(created.dwHighDateTime) << 32 | created.dwLowDateTime;
}

// Whether the editor process that owns a copy is still running: a process
// of that id that started at that time and has not ended (an ended one can
// still be opened while something holds a handle to it).
bool Running(const RecoveryOwner& owner) {
  OwnedHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, owner.processId));
  return process && StartTime(process.get()) == owner.startTime &&
         WaitForSingleObject(process.get(), 0) == WAIT_TIMEOUT;
}

DWORD WriteWhole(const std::wstring& file, const std::string& bytes) {
  const std::wstring unfinished = file + Unfinished;
  HANDLE handle = CreateFileW(unfinished.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return GetLastError();
  DWORD written = 0;
  const bool whole = WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                     written == bytes.size() && FlushFileBuffers(handle);
  const DWORD error = whole ? 0 : (GetLastError() ? GetLastError() : ERROR_WRITE_FAULT);
  CloseHandle(handle);
  if (!error && MoveFileExW(unfinished.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return 0;
  const DWORD failure = error ? error : GetLastError();
  DeleteFileW(unfinished.c_str());
  return failure;
}

}  // namespace

RecoveryCopy::RecoveryCopy() {
  const std::wstring folder = Folder();
  if (folder.empty()) return;
  file_ = folder + RecoveryFileName({GetCurrentProcessId(), StartTime(GetCurrentProcess())});
  thread_ = CreateThread(nullptr, 0, Writer, this, 0, nullptr);
}

RecoveryCopy::~RecoveryCopy() {
  if (!thread_) return;
  AcquireSRWLockExclusive(&lock_);
  stopping_ = true;
  ReleaseSRWLockExclusive(&lock_);
  WakeConditionVariable(&wake_);
  WaitForSingleObject(thread_, INFINITE);
  CloseHandle(thread_);
}

void RecoveryCopy::Keep(RecoveryContent content) {
  if (!thread_) return KeepNow(std::move(content));
  AcquireSRWLockExclusive(&lock_);
  pending_ = Pending{++generation_, std::move(content)};
  ReleaseSRWLockExclusive(&lock_);
  WakeConditionVariable(&wake_);
}

void RecoveryCopy::KeepNow(RecoveryContent content) {
  AcquireSRWLockExclusive(&lock_);
  pending_.reset();
  const std::uint64_t generation = ++generation_;
  ReleaseSRWLockExclusive(&lock_);
  Settle(generation, &content);
}

void RecoveryCopy::Remove() {
  AcquireSRWLockExclusive(&lock_);
  pending_.reset();
  const std::uint64_t generation = ++generation_;
  ReleaseSRWLockExclusive(&lock_);
  Settle(generation, nullptr);
}

void RecoveryCopy::Settle(std::uint64_t generation, const RecoveryContent* content) {
  if (file_.empty()) return;
  AcquireSRWLockExclusive(&fileLock_);
  if (generation > settled_) {
    settled_ = generation;
    if (!content) {
      DeleteFileW(file_.c_str());
    } else {
      const std::wstring folder = file_.substr(0, file_.find_last_of(L'\\'));
      CreateDirectoryW(folder.substr(0, folder.find_last_of(L'\\')).c_str(), nullptr);
      CreateDirectoryW(folder.c_str(), nullptr);
      if (const DWORD error = WriteWhole(file_, EncodeRecovery(*content))) error_ = error;
    }
  }
  ReleaseSRWLockExclusive(&fileLock_);
}

DWORD WINAPI RecoveryCopy::Writer(void* self) {
  auto& copy = *static_cast<RecoveryCopy*>(self);
  for (;;) {
    AcquireSRWLockExclusive(&copy.lock_);
    while (!copy.pending_ && !copy.stopping_) SleepConditionVariableSRW(&copy.wake_, &copy.lock_, INFINITE, 0);
    if (copy.stopping_) {
      ReleaseSRWLockExclusive(&copy.lock_);
      return 0;
    }
    Pending pending = std::move(*copy.pending_);
    copy.pending_.reset();
    ReleaseSRWLockExclusive(&copy.lock_);
    copy.Settle(pending.generation, &pending.content);
  }
}

std::vector<LeftCopy> CopiesLeftBehind() {
  std::vector<LeftCopy> left;
  const std::wstring folder = Folder();
  WIN32_FIND_DATAW found = {};
  HANDLE search = folder.empty() ? INVALID_HANDLE_VALUE : FindFirstFileW((folder + L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return left;
  do {
    std::wstring_view name = found.cFileName;
    const bool unfinished = name.ends_with(Unfinished);
    if (unfinished) name.remove_suffix(std::size(Unfinished) - 1);
    const std::optional<RecoveryOwner> owner = OwnerOfRecoveryFile(name);
    if (!owner || Running(*owner)) continue;
    // Half a copy of a process that ended while writing it: the whole one before it stays.
    if (unfinished) DeleteFileW((folder + found.cFileName).c_str());
    else left.push_back({folder + found.cFileName, found.ftLastWriteTime});
  } while (FindNextFileW(search, &found));
  FindClose(search);
  std::sort(left.begin(), left.end(),
            [](const LeftCopy& a, const LeftCopy& b) { return CompareFileTime(&a.written, &b.written) > 0; });
  return left;
}

std::optional<RecoveryContent> ReadLeftCopy(const LeftCopy& copy) {
  HANDLE handle = CreateFileW(copy.file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  OwnedHandle file(handle);
  LARGE_INTEGER size = {};
  if (!GetFileSizeEx(handle, &size) || static_cast<ULONGLONG>(size.QuadPart) > LargestCopy) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  if (!ReadFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) || read != bytes.size())
    return std::nullopt;
  return DecodeRecovery(bytes);
}

}  // namespace brindle_edit
