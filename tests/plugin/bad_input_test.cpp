// What hosts and users can hand the library beyond the usual: texts past
// the fields' limits and with every byte, and a process that ends while a
// dialog is open.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "tests/support/library_host.h"
#include "tests/support/user_input.h"

namespace {

using namespace support;

// Joined with append: GCC 12 warns wrongly about string "+" here (-Wrestrict).
std::string Joined(std::string_view first, std::string_view second) { return std::string(first).append(second); }

// A pasted text has no limit; typing stops at the field's 30,000 characters.
TEST(BadInput, TextFieldsAtTheirLimitBeyondItAndWithEveryByte) {
  std::string everyByte = "a";
  for (int byte = 0x01; byte <= 0xFF; ++byte) everyByte += static_cast<char>(byte);
  LoadedLibrary library;
  auto call = [&](const CommandDialog& dialog, const std::function<void(HWND)>& fill) {
    return library.Call(dialog, [&](HWND window) {
      fill(window);
      ClickGadget(window, dialog.add);  // once the title dialog's loop has enabled it
    }).text;
  };
  for (const CommandDialog& dialog : {Echo, Title}) {
    const std::string word = std::string(dialog.procedure) + " ";
    for (const std::string& text : {std::string(1'000'000, 'x'), everyByte}) {
      const std::string result = call(dialog, [&](HWND window) { SetControlText(window, TextField, text); });
      // Compared whole, reported by size: a million characters print badly.
      EXPECT_TRUE(result == Joined(word, text)) << word << ": " << result.size() << " characters back for "
                                                       << text.size();
    }
    const std::string typed = call(dialog, [&](HWND window) {
      SetControlText(window, TextField, std::string(29'998, 'y'));
      Click(GetDlgItem(window, TextField));
      PressKey(VK_END);
      TypeText("abcd");
      WaitUntil([&] { return WindowText(GetDlgItem(window, TextField)).size() >= 30'000; }, 1000);
    });
    EXPECT_TRUE(typed == Joined(word, std::string(29'998, 'y').append("ab")))
        << word << "typed to the limit: " << typed.size() << " characters";
  }
}

// A host that ends its process while a dialog is open: the library does
// not tidy up windows of threads that are gone; the process just ends.
TEST(BadInput, ProcessEndsWhileADialogIsOpen) {
  for (const char* command : {"xcopy XCOPY 7", "color Color 8"}) {
    std::string commandLine = std::string("exit_host.exe ") + command;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &process));
    const bool ended = WaitForSingleObject(process.hProcess, 10'000) == WAIT_OBJECT_0;
    if (!ended) TerminateProcess(process.hProcess, 99);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    EXPECT_TRUE(ended) << command;
    EXPECT_EQ(code, static_cast<DWORD>(command[std::string(command).size() - 1] - '0')) << command;
  }
}

}  // namespace
