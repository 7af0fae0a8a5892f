#include "hosts/brindle_edit/listing_process.h"

namespace brindle_edit {

namespace {

constexpr DWORD ReadSize = 64 * 1024;
// What the job's processes end with when the run is cancelled.
constexpr UINT CancelledCode = 1;

std::wstring FromConsoleCodePage(std::string_view bytes) {
  if (bytes.empty()) return {};
  std::wstring text(bytes.size(), L'\0');
  text.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_OEMCP, 0, bytes.data(), static_cast<int>(bytes.size()),
                                                           text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace

DWORD ListingProcess::Start(const std::wstring& program, std::wstring commandLine, const std::wstring& folder,
                            LineHandler takeLine, EndHandler ended) {
  Stop();
  takeLine_ = std::move(takeLine);
  ended_ = std::move(ended);
  SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
  HANDLE read = nullptr, write = nullptr;
  if (!CreatePipe(&read, &write, &inherited, ReadSize)) return GetLastError();
  output_.reset(read);
  const OwnedHandle writeEnd(write);
  SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
  // Nothing to read: a question waits for no answer (Wine 8's xcopy asks again and again).
  HANDLE nothing = CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited, OPEN_EXISTING, 0, nullptr);
  const OwnedHandle input(nothing == INVALID_HANDLE_VALUE ? nullptr : nothing);

  job_.reset(CreateJobObjectW(nullptr, nullptr));
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  if (!job_ || !SetInformationJobObject(job_.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits))
    return GetLastError();

  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  startup.hStdInput = input.get();
  startup.hStdOutput = write;
  startup.hStdError = write;
  PROCESS_INFORMATION started = {};
  // Suspended until it is in the job, so that whatever it starts is in the job too.
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW | CREATE_SUSPENDED,
                      nullptr, folder.c_str(), &startup, &started))
    return GetLastError();
  process_.reset(started.hProcess);
  const OwnedHandle thread(started.hThread);
  if (!AssignProcessToJobObject(job_.get(), started.hProcess)) {
    const DWORD error = GetLastError();
    TerminateProcess(started.hProcess, CancelledCode);
    process_.reset();
    return error;
  }
  ResumeThread(started.hThread);
  reader_.reset(CreateThread(nullptr, 0, Reader, this, 0, nullptr));
  if (!reader_) {
    const DWORD error = GetLastError();
    TerminateJobObject(job_.get(), CancelledCode);
    return error;
  }
  return 0;
}

DWORD WINAPI ListingProcess::Reader(void* self) {
  static_cast<ListingProcess*>(self)->Read();
  return 0;
}

void ListingProcess::Read() {
  std::string pending;
  std::string buffer(ReadSize, '\0');
  DWORD read = 0;
  // The pipe breaks once every process that holds its writing end has ended.
  while (ReadFile(output_.get(), buffer.data(), ReadSize, &read, nullptr) && read > 0) {
    pending.append(buffer.data(), read);
    // Lines end in "\n": a byte that no character of a console code page holds in its middle.
    std::size_t start = 0;
    for (std::size_t end; (end = pending.find('\n', start)) != std::string::npos; start = end + 1)
      takeLine_(FromConsoleCodePage(std::string_view(pending).substr(start, end - start)));
    pending.erase(0, start);
  }
  if (!pending.empty()) takeLine_(FromConsoleCodePage(pending));
  WaitForSingleObject(process_.get(), INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(process_.get(), &code);
  ended_(code);
}

void ListingProcess::Cancel() {
  if (job_) TerminateJobObject(job_.get(), CancelledCode);
}

void ListingProcess::Stop() {
  Cancel();
  if (reader_ && WaitForSingleObject(reader_.get(), 5000) == WAIT_TIMEOUT) {
    // A process outside the job that holds the pipe (none should): the read gives up.
    CancelSynchronousIo(reader_.get());
    WaitForSingleObject(reader_.get(), INFINITE);
  }
  reader_.reset();
  process_.reset();
  output_.reset();
  job_.reset();
}

}  // namespace brindle_edit
