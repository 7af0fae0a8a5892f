// brindle.exe as a script author runs it: its output bytes and exit codes.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "tests/support/library_host.h"
#include "tests/support/user_input.h"

namespace {

struct Finished {
  DWORD exitCode = STILL_ACTIVE;
  std::string output, errors;  // standard output and standard error
};

// Runs brindle.exe with `arguments`; `user` works its dialogs meanwhile.
// Standard output and standard error go to files (not a console, as a pipe
// is not), read once the program has ended.
Finished RunBrindle(const std::string& arguments, const std::function<void(DWORD process)>& user = nullptr) {
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  const char* const names[] = {"brindle-stdout.txt", "brindle-stderr.txt"};
  HANDLE files[2];
  for (int i = 0; i < 2; ++i)
    files[i] = CreateFileA(names[i], GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = files[0];
  startup.hStdError = files[1];
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  std::string commandLine = "brindle.exe " + arguments;
  PROCESS_INFORMATION process = {};
  Finished finished;
  if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
    if (user) user(process.dwProcessId);
    if (WaitForSingleObject(process.hProcess, support::PatienceMs) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 99);
    GetExitCodeProcess(process.hProcess, &finished.exitCode);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
  }
  for (int i = 0; i < 2; ++i) {
    CloseHandle(files[i]);
    std::ifstream file(names[i], std::ios::binary);
    (i == 0 ? finished.output : finished.errors).assign(std::istreambuf_iterator<char>(file), {});
    file.close();
    DeleteFileA(names[i]);
  }
  return finished;
}

// Fills a text dialog of the brindle process and presses a button.
void Answer(DWORD process, const char* title, const char* text, int button) {
  HWND dialog = support::WaitForDialog(title, support::PatienceMs, process);
  ASSERT_NE(dialog, nullptr) << title;
  if (text) support::SetControlText(dialog, support::TextField, text);
  PostMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
  ASSERT_TRUE(support::WaitForWindowGone(dialog)) << title;
}

constexpr int AddButton = support::Echo.add, CancelButton = support::Echo.cancel;  // of title too

TEST(Brindle, ListHelpAndWrongUsage) {
  struct Case {
    const char* arguments;
    DWORD exitCode;
    const char *output, *errors;  // what standard output starts with, a part of standard error
  };
  const std::string tooLong = "--edit \"echo " + std::string(8187, 'x') + "\"";  // 8,192 characters
  for (const Case& c : {Case{"--list", 0, "chkdsk\r\ncolor\r\necho\r\ntitle\r\nxcopy\r\n", ""},
                        Case{tooLong.c_str(), 4, "", "brindle: --edit: Zeile zu lang: 8192 Zeichen, höchstens 8191\r\n"},
                        Case{"/?", 0, "Aufruf: brindle", ""},
                        Case{"dir", 2, "", "brindle: unbekannter Befehl dir\r\n\r\nAufruf: brindle"},
                        Case{"--edit \"dir /s\"", 2, "", "brindle: --edit: kein bekannter Befehl in dir /s\r\n"}}) {
    const Finished finished = RunBrindle(c.arguments);
    EXPECT_EQ(finished.exitCode, c.exitCode) << c.arguments;
    EXPECT_TRUE(finished.output.starts_with(c.output)) << c.arguments << ": " << finished.output;
    EXPECT_NE(finished.errors.find(c.errors), std::string::npos) << c.arguments << ": " << finished.errors;
  }
}

// The lines as the dialogs gave them, in the console's code page, where "€"
// and "Š" become "?" (not a look-alike "S"); the editor's warnings and the
// lost characters on standard error, in the library's code page 1252.
TEST(Brindle, LinesInTheConsoleCodePageWithWarningsOnStandardError) {
  const Finished finished = RunBrindle("-n --oem echo --edit \"TITLE Alt\"", [](DWORD process) {
    Answer(process, "Echo", "Grüße 100% & €Š", AddButton);
    HWND title = support::WaitForDialog("Title", support::PatienceMs, process);
    EXPECT_EQ(support::WindowText(GetDlgItem(title, 2)), "Alt") << "opened from the line";
    Answer(process, "Title", "Test", AddButton);
  });
  EXPECT_EQ(finished.exitCode, 0u);
  EXPECT_EQ(finished.output, "echo Gr\x81\xE1" "e 100% & ??\r\ntitle Test");  // code page 437 or 850 alike
  for (const char* part : {"Achtung bei „echo Grüße 100% & €Š“:\r\n  Sonderzeichen &: ", "\r\n  % verdoppeln: ",
                           "sie werden zu „?“: € Š\r\n"})
    EXPECT_NE(finished.errors.find(part), std::string::npos) << part << " in " << finished.errors;
  EXPECT_EQ(finished.errors.find("title Test"), std::string::npos) << "no warning for a sound line";
}

TEST(Brindle, ACancelledDialogEndsTheRunWithExitCode1) {
  const Finished finished = RunBrindle("echo color", [](DWORD process) {
    Answer(process, "Echo", nullptr, CancelButton);
  });
  EXPECT_EQ(finished.exitCode, 1u) << "and no color dialog after it: nobody would answer it";
  EXPECT_EQ(finished.output, "");
}

}  // namespace
