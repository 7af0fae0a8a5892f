// The program a trial run starts: hidden (a console without a window),
// in the line's folder, reading from nothing, so that a question it asks
// gets no answer; in a job object of its own, so that ending it ends every
// process it started, also when the editor itself ends. Its output,
// standard output and error alike, is read as it comes on a thread of its
// own, a line at a time, in the console's code page, in which xcopy and
// robocopy write into a pipe.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "hosts/brindle_edit/owned_handles.h"

namespace brindle_edit {

class ListingProcess {
 public:
  using LineHandler = std::function<void(std::wstring_view line)>;
  using EndHandler = std::function<void(DWORD exitCode)>;

  ListingProcess() = default;
  ~ListingProcess() { Stop(); }
  ListingProcess(const ListingProcess&) = delete;
  ListingProcess& operator=(const ListingProcess&) = delete;

  // Starts `program` (its whole path) with `commandLine` in `folder`. Each
  // line of its output goes to `takeLine`, and at its end, once the process
  // has ended too, its exit code to `ended`: both on the reader's thread.
  // Returns the system error, 0 on success.
  DWORD Start(const std::wstring& program, std::wstring commandLine, const std::wstring& folder, LineHandler takeLine,
              EndHandler ended);
  // Ends the process and every process it started, at once; the reader
  // then reads what is left and ends.
  void Cancel();
  // Cancels and waits for the reader to end.
  void Stop();

 private:
  static DWORD WINAPI Reader(void* self);
  void Read();

  OwnedHandle job_, process_, output_, reader_;
  LineHandler takeLine_;
  EndHandler ended_;
};

}  // namespace brindle_edit
