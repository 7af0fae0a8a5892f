// Hours of use in one host process, compressed: 1,000 calls spread over the
// five dialogs, each driven to a result, then the library unloaded. What the
// process holds afterwards is what it held before.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <tlhelp32.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/leak_counts.h"
#include "tests/support/library_host.h"
#include "tests/support/tree_view.h"
#include "tests/support/user_input.h"

namespace {

struct Dialog {
  const char* procedure;
  const char* title;
  int add, cancel;
};
constexpr std::array<Dialog, 5> Dialogs = {{
    {"echo", "Echo", 3, 4}, {"title", "Title", 3, 4}, {"chkdsk", "Chkdsk", 16, 17}, {"color", "Color", 9, 10},
    {"xcopy", "XCOPY", 31, 30},
}};

enum class Ending { Add, Cancel, CloseBox };
Ending EndingOf(int call) { return static_cast<Ending>((call / 5) % 3); }

std::string Expected(int call) {
  if (EndingOf(call) != Ending::Add) return "";
  const std::string number = std::to_string(call);
  switch (call % 5) {
    case 0: return "echo Zeile " + number;
    case 1: return "title Fenster " + number;
    case 2: return "chkdsk C: /f";
    case 3: return "color 9F";
    default: return "xcopy \"C:\\*.*\" \"\" /D /E /V /Q /H /R /Y";
  }
}

// The user's side of one call: fill the dialog in as its command needs and
// end it the way the call number says.
void Work(int call, HWND dialog) {
  const Dialog& kind = Dialogs[call % 5];
  const std::string number = std::to_string(call);
  switch (call % 5) {
    case 0: support::SetControlText(dialog, 2, "Zeile " + number); break;
    case 1:
      support::SetControlText(dialog, 2, "Fenster " + number);
      support::WaitUntil([&] { return IsWindowEnabled(GetDlgItem(dialog, kind.add)) != FALSE; });
      break;
    case 2: SendMessageA(GetDlgItem(dialog, 4), BM_CLICK, 0, 0); break;  // /f
    case 4: {
      HWND source = GetDlgItem(dialog, 1);
      support::Select(source, support::DriveEntry(source, 'C'));
      break;
    }
    default: break;
  }
  switch (EndingOf(call)) {
    case Ending::Add: PostMessageA(GetDlgItem(dialog, kind.add), BM_CLICK, 0, 0); break;
    case Ending::Cancel: PostMessageA(GetDlgItem(dialog, kind.cancel), BM_CLICK, 0, 0); break;
    case Ending::CloseBox: PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); break;
  }
}

struct Holdings {
  support::ResourceCounts resources;
  int processWindows = 0;  // every window of the process, children included
  DWORD kernelHandles = 0;
  int threads = 0;
};

BOOL CALLBACK CountChild(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId()) {
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(window, CountChild, count);
  }
  return TRUE;
}

// Wine 8's GetProcessHandleCount answers 0: the handles are probed one by
// one instead (Wine hands out multiples of four from 4 on).
DWORD KernelHandles() {
  DWORD count = 0;
  for (std::uintptr_t value = 4; value < 0x10000; value += 4) {
    DWORD flags = 0;
    if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
  }
  return count;
}

Holdings Count() {
  Holdings holdings;
  holdings.resources = support::CountResources();
  EnumWindows(CountWindow, reinterpret_cast<LPARAM>(&holdings.processWindows));
  holdings.kernelHandles = KernelHandles();
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  THREADENTRY32 thread = {};
  thread.dwSize = sizeof thread;
  for (BOOL more = Thread32First(snapshot, &thread); more; more = Thread32Next(snapshot, &thread))
    if (thread.th32OwnerProcessID == GetCurrentProcessId()) ++holdings.threads;
  CloseHandle(snapshot);
  return holdings;
}

std::string Describe(const Holdings& h) {
  return support::Describe(h.resources) + ", process windows " + std::to_string(h.processWindows) +
         ", kernel handles " + std::to_string(h.kernelHandles) + ", threads " + std::to_string(h.threads);
}

using ClassNames = std::vector<std::array<char, 64>>;

// Calls `count` dialogs from `first` on, the user working each on a thread
// of its own for the whole run.
void RunCalls(const support::LoadedLibrary& library, int first, int count, ClassNames* classNames) {
  std::thread user([&] {
    for (int call = first; call < first + count; ++call) {
      HWND dialog = support::WaitForDialog(Dialogs[call % 5].title);
      if (!dialog) return;
      if (classNames) GetClassNameA(dialog, (*classNames)[call - first].data(), 64);
      Work(call, dialog);
      support::WaitForWindowGone(dialog);
    }
  });
  for (int call = first; call < first + count; ++call) {
    const std::string text = library.Procedure(Dialogs[call % 5].procedure)();
    if (text != Expected(call)) ADD_FAILURE() << "call " << call << " gave '" << text << "'";
  }
  user.join();
}

TEST(Soak, ThousandCallsOverTheFiveDialogsLeaveTheProcessAsItWas) {
  if (GetDriveTypeA("D:\\") != DRIVE_FIXED) GTEST_SKIP() << "needs the test drives (scripts/test-drives.sh)";
  constexpr int Calls = 1000;
  ClassNames classNames(Calls);
  HINSTANCE module = nullptr;
  Holdings beforeLoad, start, middle, end, afterUnload;
  {
    support::LoadedLibrary warmUp;  // first-use caches of Wine, the shell and the runtime
    RunCalls(warmUp, 0, 15, nullptr);
  }
  beforeLoad = Count();
  {
    support::LoadedLibrary library;
    module = library.Module();
    RunCalls(library, 0, 15, nullptr);
    start = Count();
    RunCalls(library, 15, Calls / 2, &classNames);
    middle = Count();
    RunCalls(library, 15 + Calls / 2, Calls / 2, &classNames);
    end = Count();
  }
  afterUnload = Count();
  std::printf("before the load  %s\nafter 15 calls   %s\nafter 515 calls  %s\nafter 1015 calls %s\nafter unloading  %s\n",
              Describe(beforeLoad).c_str(), Describe(start).c_str(), Describe(middle).c_str(),
              Describe(end).c_str(), Describe(afterUnload).c_str());

  for (const Holdings* later : {&middle, &end}) {
    EXPECT_EQ(later->resources.windows, start.resources.windows);
    EXPECT_EQ(later->processWindows, start.processWindows);
    EXPECT_EQ(later->resources.heaps, start.resources.heaps);
    EXPECT_EQ(later->resources.heapBytes, start.resources.heapBytes);
    EXPECT_EQ(later->kernelHandles, start.kernelHandles);
    EXPECT_EQ(later->threads, start.threads);
  }
  // Fonts, brushes, pens, bitmaps and memory contexts. The device contexts
  // Wine caches for its windows, with their regions and surfaces, are
  // Wine's: that cache grows to some sixty and stays (leak_counts.cpp). Wine
  // also makes a few drawing objects of its own at a varying moment of the
  // first few hundred calls (seen with Wine 8: a bitmap or three, a brush, a
  // pen and an extended pen, the same 207 at the end of every run), so the
  // second half is held exactly and the first to that handful: one object
  // lost in every hundred calls exceeds the second, one a call both.
  EXPECT_LE(std::abs(middle.resources.gdiDrawingObjects - start.resources.gdiDrawingObjects), 8);
  EXPECT_LE(std::abs(end.resources.gdiDrawingObjects - middle.resources.gdiDrawingObjects), 2);

  EXPECT_EQ(GetModuleHandleA("Brindlework.dll"), nullptr) << "unloaded";
  EXPECT_EQ(afterUnload.processWindows, beforeLoad.processWindows);
  EXPECT_EQ(afterUnload.resources.heaps, beforeLoad.resources.heaps);
  EXPECT_EQ(afterUnload.kernelHandles, beforeLoad.kernelHandles);
  EXPECT_EQ(afterUnload.threads, beforeLoad.threads);
  EXPECT_LE(std::abs(afterUnload.resources.gdiDrawingObjects - beforeLoad.resources.gdiDrawingObjects), 8);
  // The shell and COM keep a few dozen bytes of a load that used them (seen: 60 to 80).
  EXPECT_LE(afterUnload.resources.heapBytes - beforeLoad.resources.heapBytes, 128u);
  int registered = 0;
  for (const auto& name : classNames) registered += name[0] && support::ClassRegistered(module, name.data());
  EXPECT_EQ(registered, 0) << "window classes still registered";
}

}  // namespace
