#include "hosts/brindle_edit/script_runner.h"

namespace brindle_edit {

namespace {
std::wstring Interpreter() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableW(L"ComSpec", path, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::wstring(path) : std::wstring(L"cmd.exe");
}
}  // namespace

DWORD RunInConsole(const std::wstring& scriptPath) {
  const std::wstring folder = scriptPath.substr(0, scriptPath.find_last_of(L'\\') + 1);
  // cmd takes the outer quotes off and keeps the inner ones around the path,
  // so that blanks and "&" in a folder name are safe.
  std::wstring commandLine = L"\"" + Interpreter() + L"\" /k \"\"" + scriptPath + L"\"\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &process))
    return GetLastError();
  // The console lives on its own; the editor does not wait for it.
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return 0;
}

}  // namespace brindle_edit
