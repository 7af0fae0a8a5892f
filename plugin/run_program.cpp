#include "plugin/run_program.h"

#include <windows.h>
#include <shellapi.h>

#include "plugin/help_argument.h"

namespace plugin {

namespace {

// The sizes the 32-bit system takes these descriptions in.
static_assert(sizeof(void*) == 8 || (sizeof(STARTUPINFOA) == 68 && sizeof(SHELLEXECUTEINFOA) == 60));

bool CreateProgramProcess(const std::string& program, const std::string& parameter,
                          const std::string& workingDirectory) {
  // CreateProcessA may write into the command line: give it a copy of its own.
  std::string commandLine = ProgramCommandLine(program, parameter);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION started = {};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS,
                      nullptr, workingDirectory.empty() ? nullptr : workingDirectory.c_str(),
                      &startup, &started))
    return false;
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  return true;
}

bool ShellExecuteProgram(const std::string& program, const std::string& parameter,
                         const std::string& workingDirectory) {
  const std::string directory = workingDirectory.empty() ? FolderOf(program) : workingDirectory;
  SHELLEXECUTEINFOA execute = {};
  execute.cbSize = sizeof execute;
  execute.fMask = SEE_MASK_NOCLOSEPROCESS;
  execute.lpVerb = "";  // the file's default verb
  execute.lpFile = program.c_str();
  execute.lpParameters = parameter.c_str();
  execute.lpDirectory = directory.empty() ? nullptr : directory.c_str();
  execute.nShow = SW_SHOWNORMAL;
  if (!ShellExecuteExA(&execute)) return false;
  if (execute.hProcess) CloseHandle(execute.hProcess);
  return true;
}

}  // namespace

bool RunProgram(const std::string& program, const std::string& parameter,
                const std::string& workingDirectory) {
  return CreateProgramProcess(program, parameter, workingDirectory) ||
         ShellExecuteProgram(program, parameter, workingDirectory);
}

}  // namespace plugin
