// The library over many calls and loads: nothing may pile up in the host.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <set>
#include <thread>

#include "tests/support/leak_counts.h"
#include "tests/support/library_host.h"
#include "tests/support/user_input.h"

namespace {

enum { TextField = 2, AddButton = 3, CancelButton = 4 };

// Window class names, kept in storage made before counting starts.
using ClassNames = std::vector<std::array<char, 32>>;

// The user's side of many echo calls: each dialog gets a text and is ended
// by "Hinzufügen", "Abbrechen" or the close box in turn.
void WorkEchoDialogs(int calls, ClassNames* classNames) {
  for (int i = 0; i < calls; ++i) {
    HWND dialog = support::WaitForDialog("Echo");
    if (!dialog) {
      ADD_FAILURE() << "call " << i << ": no dialog";
      return;
    }
    if (classNames) GetClassNameA(dialog, (*classNames)[i].data(), 32);
    char text[32];
    std::snprintf(text, sizeof text, "Zeile %d", i);
    SendMessageA(GetDlgItem(dialog, TextField), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    switch (i % 3) {
      case 0: PostMessageA(GetDlgItem(dialog, AddButton), BM_CLICK, 0, 0); break;
      case 1: PostMessageA(GetDlgItem(dialog, CancelButton), BM_CLICK, 0, 0); break;
      default: PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    }
    if (!support::WaitForWindowGone(dialog)) {
      ADD_FAILURE() << "call " << i << ": dialog stays open";
      return;
    }
  }
}

void CallEcho(support::CommandProcedure echo, int calls, ClassNames* classNames = nullptr) {
  std::thread user(WorkEchoDialogs, calls, classNames);
  for (int i = 0; i < calls; ++i) {
    const char* text = echo();
    char expected[32] = "";
    if (i % 3 == 0) std::snprintf(expected, sizeof expected, "echo Zeile %d", i);
    if (std::strcmp(text, expected) != 0) ADD_FAILURE() << "call " << i << " gave '" << text << "'";
  }
  user.join();
}

// Color calls, ended by "Hinzufügen" and "Abbrechen" in turn.
void CallColor(support::CommandProcedure color, int calls) {
  std::thread user([calls] {
    for (int i = 0; i < calls; ++i) {
      HWND dialog = support::WaitForDialog("Color");
      if (!dialog) return;
      PostMessageA(GetDlgItem(dialog, i % 2 ? 10 : 9), BM_CLICK, 0, 0);
      support::WaitForWindowGone(dialog);
    }
  });
  for (int i = 0; i < calls; ++i) {
    const char* text = color();
    if (std::strcmp(text, i % 2 ? "" : "color 9F") != 0) ADD_FAILURE() << "call " << i << " gave '" << text << "'";
  }
  user.join();
}

TEST(Library, TwoHundredColorCallsPileUpNoSwatches) {
  support::LoadedLibrary library;
  auto color = library.Procedure("color");
  CallColor(color, 20);
  const support::ResourceCounts start = support::CountResources();
  CallColor(color, 100);
  const support::ResourceCounts middle = support::CountResources();
  CallColor(color, 100);
  const support::ResourceCounts end = support::CountResources();
  std::printf("color calls: at the start  %s\n             after 100  %s\n             after 200  %s\n",
              support::Describe(start).c_str(), support::Describe(middle).c_str(),
              support::Describe(end).c_str());
  support::ExpectNoGdiGrowth(start, middle, end);
  EXPECT_EQ(end.heapBytes, start.heapBytes);
  EXPECT_EQ(end.windows, start.windows);
}

TEST(Library, TwoHundredEchoCallsLeaveNothingBehind) {
  support::LoadedLibrary library;
  auto echo = library.Procedure("echo");
  CallEcho(echo, 20);  // first-use caches of Wine and the runtime
  ClassNames classNames(200), moreClassNames(200);
  const support::ResourceCounts start = support::CountResources();
  CallEcho(echo, 200, &classNames);
  const support::ResourceCounts middle = support::CountResources();
  CallEcho(echo, 200, &moreClassNames);
  const support::ResourceCounts end = support::CountResources();

  std::printf("echo calls: at the start  %s\n            after 200  %s\n            after 400  %s\n",
              support::Describe(start).c_str(), support::Describe(middle).c_str(),
              support::Describe(end).c_str());
  for (const auto& [before, after] : {std::pair(start, middle), std::pair(middle, end)}) {
    EXPECT_EQ(after.windows, before.windows);
    EXPECT_EQ(after.heaps, before.heaps);
    EXPECT_EQ(after.heapBytes, before.heapBytes);
    EXPECT_EQ(after.heapBlocks, before.heapBlocks);
  }
  support::ExpectNoGdiGrowth(start, middle, end);

  std::set<std::string> distinct;
  for (const auto& name : classNames) {
    distinct.insert(name.data());
    EXPECT_FALSE(support::ClassRegistered(library.Module(), name.data()))
        << name.data() << " left registered";
  }
  EXPECT_EQ(distinct.size(), 200u) << "every dialog has a window class of its own";
}

struct Growth {
  long long windows, gdiDrawingObjects, heaps, heapBytes, heapBlocks;
};

// Growth of the process over ten loads and unloads, each with `calls` echo
// and color calls.
Growth GrowthOverTenLoads(int calls) {
  const support::ResourceCounts before = support::CountResources();
  for (int i = 0; i < 10; ++i) {
    support::LoadedLibrary library;
    if (calls) {
      CallEcho(library.Procedure("echo"), calls);
      CallColor(library.Procedure("color"), calls);  // its 16 swatches stay until unload
    }
  }
  const support::ResourceCounts after = support::CountResources();
  EXPECT_EQ(GetModuleHandleA("Brindlework.dll"), nullptr) << "the library is unloaded";
  auto diff = [](auto a, auto b) { return static_cast<long long>(a) - static_cast<long long>(b); };
  return {diff(after.windows, before.windows), diff(after.gdiDrawingObjects, before.gdiDrawingObjects),
          diff(after.heaps, before.heaps), diff(after.heapBytes, before.heapBytes),
          diff(after.heapBlocks, before.heapBlocks)};
}

// Whatever the dialogs did, a load and unload leave nothing behind: the
// library and the runtime linked into it (without the exception runtime,
// which kept a few hundred bytes a load).
TEST(Library, UnloadingFreesEverythingTheDialogsMade) {
  GrowthOverTenLoads(2);  // first-use caches
  const Growth bare = GrowthOverTenLoads(0);
  const Growth used = GrowthOverTenLoads(3);
  std::printf("growth over 10 loads: without calls %lld bytes in %lld blocks, "
              "with 3 calls each %lld bytes in %lld blocks\n",
              bare.heapBytes, bare.heapBlocks, used.heapBytes, used.heapBlocks);
  EXPECT_EQ(used.windows, 0);
  // Swatches left behind at unload would be 160; Wine's own caches stay well below.
  EXPECT_LE(std::abs(used.gdiDrawingObjects), 40);
  EXPECT_EQ(used.heaps, 0) << "a private heap outlived its library";
  EXPECT_EQ(used.heapBytes, bare.heapBytes);
  EXPECT_EQ(used.heapBlocks, bare.heapBlocks);
  EXPECT_EQ(bare.heapBytes, 0) << "the runtime keeps records of every load";
}

}  // namespace
