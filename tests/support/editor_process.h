// BrindleEdit.exe as a test starts it: on a script in the tests' folder,
// ended with every process it started, by their ids, on every path.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace support {

inline constexpr wchar_t EditorFolder[] = L"C:\\BrindleEditTest";
inline constexpr char EditorFolderPath[] = "C:\\BrindleEditTest\\";
inline constexpr int EditorEditId = 100, EditorStatusId = 101;

// A text of another process's window, read as wide text.
std::wstring WideText(HWND window);
// The processes started by `parent` and by those, found by their parents' ids.
int Descendants(DWORD parent);
// Ends them, by their ids.
void EndDescendants(DWORD parent);
// Where BrindleEdit keeps its recovery copies.
std::wstring RecoveryFolder();

// One run of the editor on the script `name` in the tests' folder (a new,
// unnamed one for an empty name), written first unless `bytes` is null;
// ended on every path. `atStart` answers what the editor asks before it
// takes keys (its offer of a recovery copy).
struct Editor {
  explicit Editor(const std::string& name, const char* bytes = nullptr,
                  const std::function<void(const Editor&)>& atStart = nullptr);
  ~Editor();
  Editor(const Editor&) = delete;
  Editor& operator=(const Editor&) = delete;

  std::wstring Text() const { return WideText(edit); }
  bool WaitForText(const std::wstring& expected) const;
  // The status line's first part: the first warning, or the explanation.
  bool WaitForStatus(const std::wstring& expected) const;
  // Closes the window as the user would and returns the exit code.
  DWORD Close();

  const std::string script;
  PROCESS_INFORMATION process = {};
  HWND window = nullptr, edit = nullptr, status = nullptr;
};

}  // namespace support
