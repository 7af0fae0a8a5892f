// How fast BrindleEdit's trial run (F6) lists an xcopy line over 10,000
// files: the time from the command to the first listed file in the window,
// and to the whole listing with its sum, beside the time of the command's
// own run with the same switches (/L among them) in a console, its output
// read to the end from a pipe. The editor is started as a user starts it,
// on a script in the folder the benchmark makes and removes again.
//   trial_listing_benchmark [REPORT_FILE]
#include <windows.h>

#include <string>
#include <vector>

#include "benchmarks/figures.h"
#include "hosts/brindle_edit/editor_menu.h"

namespace {

constexpr int Runs = 5, Folders = 10, FilesPerFolder = 1000;
constexpr wchar_t Root[] = L"C:\\BrindleBench\\Probelauf\\";
// The same line as the trial run starts it (see its window's header).
constexpr wchar_t ListOnly[] = L"xcopy Quelle Ziel\\ /S /L /F /Y /I";
constexpr int ListingId = 102, StatusId = 103;  // the trial window's listing and status line

std::wstring Text(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

void MakeFiles() {
  CreateDirectoryW(L"C:\\BrindleBench", nullptr);
  CreateDirectoryW(Root, nullptr);
  const std::wstring source = std::wstring(Root) + L"Quelle\\";
  CreateDirectoryW(source.c_str(), nullptr);
  for (int folder = 0; folder < Folders; ++folder) {
    const std::wstring under = source + L"Ordner " + std::to_wstring(folder) + L"\\";
    CreateDirectoryW(under.c_str(), nullptr);
    for (int file = 0; file < FilesPerFolder; ++file) {
      HANDLE made = CreateFileW((under + L"Datei " + std::to_wstring(file) + L".txt").c_str(), GENERIC_WRITE, 0, nullptr,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
      DWORD written = 0;
      WriteFile(made, "Inhalt\r\n", 8, &written, nullptr);
      CloseHandle(made);
    }
  }
  HANDLE script = CreateFileW((std::wstring(Root) + L"liste.bat").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  const std::string bytes = "xcopy Quelle Ziel\\ /S\r\n";
  DWORD written = 0;
  WriteFile(script, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(script);
}

void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found)) {
    const std::wstring name = found.cFileName, path = folder + L"\\" + name;
    if (name == L"." || name == L"..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(path);
    else DeleteFileW(path.c_str());
  }
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
  RemoveDirectoryW(folder.c_str());
}

// The command in a console of its own (no window), its output read to the end.
double ConsoleRun(const wchar_t* line) {
  SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
  HANDLE read = nullptr, write = nullptr;
  CreatePipe(&read, &write, &inherited, 64 * 1024);
  SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
  HANDLE nothing = CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ, &inherited, OPEN_EXISTING, 0, nullptr);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = nothing;
  startup.hStdOutput = startup.hStdError = write;
  std::wstring command = std::wstring(L"cmd.exe /c ") + line;
  PROCESS_INFORMATION started = {};
  const double start = bench::Now();
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, Root, &startup, &started))
    return -1;
  CloseHandle(write);
  char buffer[64 * 1024];
  for (DWORD got = 0; ReadFile(read, buffer, sizeof buffer, &got, nullptr) && got;) {
  }
  WaitForSingleObject(started.hProcess, INFINITE);
  const double took = bench::Now() - start;
  CloseHandle(started.hProcess);
  CloseHandle(started.hThread);
  CloseHandle(read);
  CloseHandle(nothing);
  return took;
}

struct Search {
  DWORD process;
  const wchar_t* title;
  HWND found;
};

BOOL CALLBACK Visit(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<Search*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t text[128] = {};
  GetWindowTextW(window, text, 128);
  if (owner == search.process && IsWindowVisible(window) && std::wstring(text) == search.title) search.found = window;
  return !search.found;
}

// The process's visible top-level window of this title, waited for up to 30 s.
HWND WindowOf(DWORD process, const wchar_t* title) {
  Search search = {process, title, nullptr};
  for (int wait = 0; wait < 3000 && !search.found; ++wait) {
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    if (!search.found) Sleep(10);
  }
  return search.found;
}

}  // namespace

int main(int argc, char** argv) {
  MakeFiles();
  std::vector<double> console, plainConsole, first, whole;
  for (int run = 0; run < Runs; ++run) {
    console.push_back(ConsoleRun(ListOnly));
    plainConsole.push_back(ConsoleRun(L"xcopy Quelle Ziel\\ /S /L /I"));
  }

  std::wstring editorLine = L"BrindleEdit.exe \"" + std::wstring(Root) + L"liste.bat\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION editor = {};
  std::wstring status;
  if (CreateProcessW(nullptr, editorLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &editor)) {
    HWND window = WindowOf(editor.dwProcessId, L"liste.bat – BrindleEdit");
    for (int run = 0; window && run < Runs; ++run) {
      const double start = bench::Now();
      // Returns once the window shows the run started and its listing empty.
      DWORD_PTR result = 0;
      SendMessageTimeoutW(window, WM_COMMAND, brindle_edit::menu_item::TrialRun, 0, SMTO_BLOCK, 10000, &result);
      HWND trial = WindowOf(editor.dwProcessId, L"Probelauf");
      if (!trial) break;
      HWND listing = GetDlgItem(trial, ListingId), statusLine = GetDlgItem(trial, StatusId);
      DWORD_PTR length = 0;
      while (SendMessageTimeoutW(listing, WM_GETTEXTLENGTH, 0, 0, SMTO_BLOCK, 5000, &length) && length == 0) Sleep(1);
      first.push_back(bench::Now() - start);
      while ((status = Text(statusLine)).rfind(L"Fertig", 0) != 0 && bench::Now() - start < 120) Sleep(5);
      whole.push_back(bench::Now() - start);
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(editor.hProcess, 10000) == WAIT_TIMEOUT) TerminateProcess(editor.hProcess, 1);
    CloseHandle(editor.hProcess);
    CloseHandle(editor.hThread);
  }
  RemoveTree(L"C:\\BrindleBench\\Probelauf");
  RemoveDirectoryW(L"C:\\BrindleBench");

  bench::Report report;
  report.Line("Trial run of \"xcopy Quelle Ziel\\ /S\" over %d files in %d folders (median of %d runs, seconds)",
              Folders * FilesPerFolder, Folders, Runs);
  report.Line("%-66s %8.3f", "the same line with /L, as the trial starts it, in a console", bench::Median(console));
  report.Line("%-66s %8.3f", "  the line with /L alone (no /F), in a console", bench::Median(plainConsole));
  if (whole.size() < static_cast<std::size_t>(Runs)) {
    report.Line("the trial run did not end: BrindleEdit.exe, its window or its listing missing");
    report.Write(argc > 1 ? argv[1] : nullptr);
    return 1;
  }
  report.Line("%-66s %8.3f", "trial run: the first file in the window (at most 0.5)", bench::Median(first));
  report.Line("%-66s %8.3f", "trial run: the whole listing and its sum in the window", bench::Median(whole));
  report.Line("%-66s %8.2f", "  the whole listing against the console run (at most 2)", bench::Median(whole) / bench::Median(console));
  std::string sum(status.size() * 3 + 1, '\0');
  sum.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, status.c_str(), -1, sum.data(),
                                                          static_cast<int>(sum.size()), nullptr, nullptr)) - 1);
  report.Line("the window's sum: %s", sum.c_str());
  report.Write(argc > 1 ? argv[1] : nullptr);
  return 0;
}
