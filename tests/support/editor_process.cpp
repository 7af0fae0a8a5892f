#include "tests/support/editor_process.h"

#include <shlobj.h>
#include <tlhelp32.h>

#include <fstream>

#include "tests/support/user_input.h"

namespace support {

std::wstring WideText(HWND window) {
  const auto length = static_cast<std::size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(length + 1, L'\0');
  text.resize(static_cast<std::size_t>(SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

namespace {

// Each process started by `parent` and by those, deepest first.
void ForDescendants(DWORD parent, const std::function<void(DWORD)>& each) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return;
  PROCESSENTRY32W entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    if (entry.th32ParentProcessID != parent || entry.th32ProcessID == parent) continue;
    ForDescendants(entry.th32ProcessID, each);
    each(entry.th32ProcessID);
  }
  CloseHandle(snapshot);
}

}  // namespace

int Descendants(DWORD parent) {
  int count = 0;
  ForDescendants(parent, [&](DWORD) { ++count; });
  return count;
}

void EndDescendants(DWORD parent) {
  ForDescendants(parent, [](DWORD id) {
    if (HANDLE child = OpenProcess(PROCESS_TERMINATE, FALSE, id)) {
      TerminateProcess(child, 1);
      CloseHandle(child);
    }
  });
}

std::wstring RecoveryFolder() {
  wchar_t appData[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData);
  return std::wstring(appData) + L"\\BrindleEdit\\Wiederherstellung";
}

Editor::Editor(const std::string& name, const char* bytes, const std::function<void(const Editor&)>& atStart)
    : script(EditorFolderPath + name) {
  if (bytes) std::ofstream(script, std::ios::binary) << bytes;
  std::string commandLine = name.empty() ? "BrindleEdit.exe" : "BrindleEdit.exe \"" + script + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return;
  window = WaitForWindow(((name.empty() ? "Unbenannt" : name) + " – BrindleEdit").c_str(), PatienceMs, process.dwProcessId);
  edit = GetDlgItem(window, EditorEditId);
  status = GetDlgItem(window, EditorStatusId);
  if (atStart) atStart(*this);
  SetForegroundWindow(window);
  // The tests type at once: a window that never takes the keys is none.
  if (!WaitForKeyboardFocus(edit)) window = nullptr;
}

Editor::~Editor() {
  if (!process.hProcess) return;
  EndDescendants(process.dwProcessId);
  if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process.hProcess, 1);
  WaitForSingleObject(process.hProcess, 5000);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
}

bool Editor::WaitForText(const std::wstring& expected) const {
  return WaitUntil([&] { return Text() == expected; });
}

bool Editor::WaitForStatus(const std::wstring& expected) const {
  return WaitUntil([&] { return WideText(status) == expected; });
}

DWORD Editor::Close() {
  PostMessageW(window, WM_CLOSE, 0, 0);
  DWORD code = STILL_ACTIVE;
  if (WaitForSingleObject(process.hProcess, PatienceMs) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
  return code;
}

}  // namespace support
