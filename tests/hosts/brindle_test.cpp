// brindle.exe as a script author runs it: its output bytes and exit codes.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "tests/support/library_host.h"
#include "tests/support/user_input.h"

namespace {

struct Finished {
  DWORD exitCode = STILL_ACTIVE;
  std::string output;
};

// Runs brindle.exe with `arguments`; `user` works its dialogs meanwhile.
Finished RunBrindle(const std::string& arguments, const std::function<void(DWORD process)>& user = nullptr) {
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  CreatePipe(&readEnd, &writeEnd, &inherit, 0);
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = startup.hStdError = writeEnd;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  std::string commandLine = "brindle.exe " + arguments;
  PROCESS_INFORMATION process = {};
  Finished finished;
  if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
    CloseHandle(writeEnd);
    writeEnd = nullptr;
    if (user) user(process.dwProcessId);
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) finished.output.append(buffer, got);
    if (WaitForSingleObject(process.hProcess, support::PatienceMs) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 99);
    GetExitCodeProcess(process.hProcess, &finished.exitCode);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
  }
  if (writeEnd) CloseHandle(writeEnd);
  CloseHandle(readEnd);
  return finished;
}

// Fills a text dialog of the brindle process and presses a button.
void Answer(DWORD process, const char* title, const char* text, int button) {
  HWND dialog = support::WaitForDialog(title, support::PatienceMs, process);
  ASSERT_NE(dialog, nullptr) << title;
  if (text) support::SetControlText(dialog, 2, text);
  PostMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
  ASSERT_TRUE(support::WaitForWindowGone(dialog)) << title;
}

constexpr int AddButton = 3, CancelButton = 4;

TEST(Brindle, ListHelpAndWrongUsage) {
  const Finished list = RunBrindle("--list");
  EXPECT_EQ(list.exitCode, 0u);
  EXPECT_EQ(list.output, "chkdsk\r\ncolor\r\necho\r\ntitle\r\nxcopy\r\n");
  const Finished wrong = RunBrindle("dir");
  EXPECT_EQ(wrong.exitCode, 2u);
  EXPECT_NE(wrong.output.find("unbekannter Befehl dir"), std::string::npos);
  EXPECT_NE(wrong.output.find("Aufruf: brindle"), std::string::npos);
}

TEST(Brindle, LinesInTheConsoleCodePageWithoutAFinalBreak) {
  const Finished finished = RunBrindle("-n --oem echo TITLE", [](DWORD process) {
    Answer(process, "Echo", "Grüße", AddButton);
    Answer(process, "Title", "Test", AddButton);
  });
  EXPECT_EQ(finished.exitCode, 0u);
  EXPECT_EQ(finished.output, "echo Gr\x81\xE1" "e\r\ntitle Test");  // code page 437 or 850 alike
}

TEST(Brindle, ACancelledDialogEndsTheRunWithExitCode1) {
  const Finished finished = RunBrindle("echo color", [](DWORD process) {
    Answer(process, "Echo", nullptr, CancelButton);
  });
  EXPECT_EQ(finished.exitCode, 1u) << "and no color dialog after it: nobody would answer it";
  EXPECT_EQ(finished.output, "");
}

}  // namespace
