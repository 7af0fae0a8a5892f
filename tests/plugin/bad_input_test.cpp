// What hosts and users can hand the library beyond the usual: texts past
// the fields' limits and with every byte, and a process that ends while a
// dialog is open.
#include <gtest/gtest.h>

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/leak_counts.h"
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

// The process's resident memory now, and the most it grew to, in MB (as Wine reports them).
std::pair<double, double> MemoryMegabytes() {
  PROCESS_MEMORY_COUNTERS memory = {};
  GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
  constexpr double Megabyte = 1 << 20;
  return {static_cast<double>(memory.WorkingSetSize) / Megabyte, static_cast<double>(memory.PeakWorkingSetSize) / Megabyte};
}

// A line longer than cmd.exe's 8,191 characters is measured before anything
// is made for it: the dialog opens with nothing of it taken over, its
// notice says why, and the call takes no more memory than the dialog
// (it copied a line of 100 MB some four times over, and ran out on a
// small machine, ending the host).
TEST(BadInput, LinesPastCmdsLimitAreNamedAndNotTakenOver) {
  LoadedLibrary library;
  std::string line(100'000'000, 'x');
  for (const CommandDialog& dialog : Dialogs) {
    auto edit = reinterpret_cast<const char*(WINAPI*)(const char*)>(reinterpret_cast<void*>(
        GetProcAddress(library.Module(), (std::string(dialog.procedure) + "_edit").c_str())));
    const std::string word = std::string(dialog.procedure) + " ";
    line.replace(0, word.size(), word);
    for (const std::size_t length : {std::size_t{8191}, std::size_t{8192}, line.size()}) {
      const char kept = line[length];
      line[length] = '\0';
      const auto [inUse, peakBefore] = MemoryMegabytes();
      const CommandResult result = CallWithUser([&] { return edit(line.c_str()); }, dialog.title, [&](HWND window) {
        HWND notice = GetDlgItem(window, 90), field = GetDlgItem(window, TextField);
        const std::string tooLong = "Zeile zu lang: " + std::to_string(length) + " Zeichen, höchstens 8191";
        EXPECT_EQ(notice && WindowText(notice) == tooLong, length > 8191) << word << length;
        if (dialog.add == Echo.add) {  // echo's and title's field
          EXPECT_EQ(WindowText(field).size(), length > 8191 ? 0 : length - word.size()) << word << length;
        }
        ClickGadget(window, dialog.cancel);
      });
      const double peak = MemoryMegabytes().second;
      std::printf("%s_edit, %zu characters: %.1f MB in use before, peak %.1f MB after\n", dialog.procedure, length,
                  inUse, peak);
      EXPECT_LT(peak - peakBefore, 16.0) << word << length;
      EXPECT_EQ(result.text, "");
      line[length] = kept;
    }
  }
}

// The free address space of a 32-bit process taken but for holes of less
// than 512 KB, as a long-running host finds it fragmented, and given back
// at the end: a larger block cannot be had, while eight holes of 256 KB
// leave room for the small allocations of windows and messages.
class AddressSpaceSqueeze {
 public:
  static constexpr SIZE_T Hole = SIZE_T{256} << 10;
  AddressSpaceSqueeze() {
    blocks_.reserve(4096);  // no allocation while squeezing
    for (SIZE_T size = SIZE_T{1} << 30; size >= Hole; size /= 2)
      while (blocks_.size() < blocks_.capacity() && Reserve(nullptr, size)) {}
    // The first, largest block again as sixteen of a hole's size and the
    // rest; every other one of the sixteen is given back.
    const auto [base, size] = blocks_.front();
    blocks_.erase(blocks_.begin());
    VirtualFree(base, 0, MEM_RELEASE);
    Reserve(static_cast<char*>(base) + 16 * Hole, size - 16 * Hole);
    for (int i = 1; i < 16; i += 2) Reserve(static_cast<char*>(base) + i * Hole, Hole);
  }
  ~AddressSpaceSqueeze() {
    for (const auto& block : blocks_) VirtualFree(block.first, 0, MEM_RELEASE);
  }
  AddressSpaceSqueeze(const AddressSpaceSqueeze&) = delete;
  AddressSpaceSqueeze& operator=(const AddressSpaceSqueeze&) = delete;

 private:
  bool Reserve(void* at, SIZE_T size) {
    void* block = VirtualAlloc(at, size, MEM_RESERVE, PAGE_NOACCESS);
    if (block) blocks_.emplace_back(block, size);
    return block != nullptr;
  }
  std::vector<std::pair<void*, SIZE_T>> blocks_;
};

// An allocation that fails inside a dialog, where it really can: a pasted
// text of 1 MB read back when no block of that size is left. The call
// gives empty text, its window is gone, nothing stays behind, and the next
// call works. (The failed allocation used to end the host's process.)
TEST(BadInput, AnAllocationThatFailsEndsTheCallNotTheHost) {
  // Wine 8 keeps a byte for each page of the address space it hands out:
  // taking 128 TB of it would take gigabytes of the machine's memory.
  if (sizeof(void*) == 8) GTEST_SKIP() << "the 64-bit address space cannot be taken under Wine";
  LoadedLibrary library;
  const auto addText = [](const std::string& text) {
    return [&text](HWND dialog) {
      SetControlText(dialog, TextField, text);
      ClickGadget(dialog, Echo.add);
    };
  };
  EXPECT_EQ(library.Call(Echo, addText("x")).text, "echo x");
  const std::string pasted(1 << 20, 'x');
  const ResourceCounts before = CountResources();
  const CommandResult failed = library.Call(Echo, [&](HWND dialog) {
    SetControlText(dialog, TextField, pasted);
    // The pasted text shown before the space runs out: Wine's edit control
    // lays out a line's whole text when it paints it, and a paint left for
    // after the squeeze (a busy machine) would end the process in Wine.
    RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    const AddressSpaceSqueeze squeeze;
    ClickGadget(dialog, Echo.add);
    EXPECT_TRUE(WaitForWindowGone(dialog));
  });
  ASSERT_NE(failed.pointer, nullptr);
  EXPECT_EQ(failed.text, "");
  ExpectAsBefore(before, CountResources(), 64 * 1024, "after the failed call");
  EXPECT_EQ(library.Call(Echo, addText("wieder da")).text, "echo wieder da");
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
