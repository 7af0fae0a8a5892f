// What hosts and users can hand the library beyond the usual: texts past
// the fields' limits and with every byte, a process that ends while a
// dialog is open, an unload with images and fonts still in the tables.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "tests/support/leak_counts.h"
#include "tests/support/library_host.h"
#include "tests/support/user_input.h"

namespace {

constexpr int TextField = 2, AddButton = 3;

struct TextDialog {
  const char* procedure;
  const char* title;
  const char* word;
};
constexpr TextDialog TextDialogs[] = {{"echo", "Echo", "echo "}, {"title", "Title", "title "}};

// Joined with append: GCC 12 warns wrongly about string "+" here (-Wrestrict).
std::string Joined(std::string_view first, std::string_view second) { return std::string(first).append(second); }

std::string EveryByte() {
  std::string every = "a";
  for (int byte = 0x01; byte <= 0xFF; ++byte) every += static_cast<char>(byte);
  return every;
}

// A pasted text has no limit; typing stops at the field's 30,000 characters.
TEST(BadInput, TextFieldsAtTheirLimitBeyondItAndWithEveryByte) {
  support::LoadedLibrary library;
  auto call = [&](const TextDialog& dialog, const std::function<void(HWND)>& fill) {
    return support::CallWithUser(library.Procedure(dialog.procedure), dialog.title, [&](HWND window) {
      fill(window);
      // The title dialog enables "Hinzufügen" from its event loop.
      support::WaitUntil([&] { return IsWindowEnabled(GetDlgItem(window, AddButton)) != FALSE; });
      support::ClickGadget(window, AddButton);
    }).text;
  };
  for (const TextDialog& dialog : TextDialogs) {
    for (const std::string& text : {std::string(1'000'000, 'x'), EveryByte()}) {
      const std::string result = call(dialog, [&](HWND window) { support::SetControlText(window, TextField, text); });
      // Compared whole, reported by size: a million characters print badly.
      EXPECT_TRUE(result == Joined(dialog.word, text)) << dialog.procedure << ": " << result.size() << " characters back for "
                                                       << text.size();
    }
    const std::string typed = call(dialog, [&](HWND window) {
      support::SetControlText(window, TextField, std::string(29'998, 'y'));
      support::Click(GetDlgItem(window, TextField));
      support::PressKey(VK_END);
      support::TypeText("abcd");
      support::WaitUntil([&] { return support::WindowText(GetDlgItem(window, TextField)).size() >= 30'000; }, 1000);
    });
    EXPECT_TRUE(typed == Joined(dialog.word, std::string(29'998, 'y').append("ab")))
        << dialog.procedure << " typed to the limit: " << typed.size() << " characters";
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

// Color keeps its sixteen swatches and xcopy its two fonts in the tables
// until the library goes: unloading deletes them, load after load.
void LoadCallBothAndUnload() {
  support::LoadedLibrary library;
  support::CallWithUser(library.Procedure("color"), "Color", [](HWND dialog) { support::ClickGadget(dialog, 10); });
  support::CallWithUser(library.Procedure("xcopy"), "XCOPY", [](HWND dialog) { support::ClickGadget(dialog, 30); });
}

TEST(BadInput, UnloadWithImagesAndFontsInTheTables) {
  LoadCallBothAndUnload();  // first-use caches of Wine, the shell and COM
  constexpr int Loads = 5;
  const support::ResourceCounts before = support::CountResources();
  for (int i = 0; i < Loads; ++i) LoadCallBothAndUnload();
  const support::ResourceCounts after = support::CountResources();
  std::printf("%d loads with color and xcopy: before %s\n                             after  %s\n", Loads,
              support::Describe(before).c_str(), support::Describe(after).c_str());
  EXPECT_EQ(GetModuleHandleA("Brindlework.dll"), nullptr);
  EXPECT_EQ(after.windows, before.windows);
  EXPECT_EQ(after.heaps, before.heaps);
  // Swatches and fonts left behind would be 18 a load, 90 in all; Wine
  // defers deleting a few pens and fonts its cached device contexts hold.
  EXPECT_LE(std::abs(after.gdiDrawingObjects - before.gdiDrawingObjects), 8);
  // The shell and COM keep a few dozen bytes of a load that used them.
  // Fonts or swatches left behind would be thousands.
  EXPECT_LE(after.heapBytes - before.heapBytes, Loads * 128);
}

}  // namespace
