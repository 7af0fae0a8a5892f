// What the dialogs share as a host meets them: their windows, the ways
// to cancel, a host that refuses windows, and unloading after calls.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/leak_counts.h"
#include "tests/support/library_host.h"
#include "tests/support/tree_view.h"
#include "tests/support/user_input.h"
#include "tests/support/window_search.h"

namespace {

using namespace support;

// The captions are read from the first gadget number on, "|" between two,
// "*" for a gadget whose text is its content. After a change, "Abbrechen"
// and the close box both give empty text.
TEST(Library, EachDialogIsAFixedWindowOfItsSizeWithItsCaptionsAndCancels) {
  struct Row {
    CommandDialog dialog;
    int width, height;
    bool centred;  // else at 100, 100
    int firstGadget;
    const char* captions;
    std::function<void(HWND)> change;
  };
  const Row rows[] = {
      {Chkdsk, 390, 250, true, 1,
       "Datenträger:|*|Parameter|/f Fehler automatisch beheben|/v Während der Überprüfung Dateien anzeigen|"
       "/r Beschädigte Sektoren automatisch wiederherstellen|/x Offenen Laufwerkhandles freigeben|"
       "/i Keine intensive Überprüfung der Indexeinträge|/c Überprüfung von Schleifen in der Ordnerstruktur "
       "überspringen|/l Größe der Protokolldatei anzeigen||||||Hinzufügen|Abbrechen",
       [](HWND dialog) { Toggle(dialog, 4); }},
      {Color, 230, 100, true, 1, "Textfarbe:|Hintergrundfarbe:|<<|*|>>|<<|*|>>|Hinzufügen|Abbrechen",
       [](HWND dialog) { ClickGadget(dialog, 3); }},
      {Echo, 260, 70, true, 1, "Text:||Hinzufügen|Abbrechen",
       [](HWND dialog) { TypeInto(dialog, TextField, "nicht"); }},
      {Title, 260, 70, true, 1, "Titel:||Hinzufügen|Abbrechen",
       [](HWND dialog) { TypeInto(dialog, TextField, "Build"); }},
      {Xcopy, 434, 490, false, 0,
       "Quelle|*|Ziel|*|XCOPY - Parameter|/A|/M|/D|/EXCLUDE:|/P|/S|/E|/V|/W|/C|/I|/Q|/F|/L|/H|/R|/T|/U|/K|/N|/O|"
       "/X|/Y|/Z|/-Y|Abbrechen|Hinzufügen",
       [](HWND dialog) {
         Select(GetDlgItem(dialog, 1), DriveEntry(GetDlgItem(dialog, 1), 'C'));
         Toggle(dialog, 5);
       }},
      {Robocopy, 630, 510, true, 1,
       "Quelle|*|Ziel|*|Dateien:||Was kopieren|Wie kopieren|Welche Dateien|Wiederholen und Tempo|Protokoll|"
       "Protokolldatei:|||Hinzufügen|Abbrechen||||/S Unterordner|/E alle Unterordner|/LEV:|/MIR spiegeln|"
       "/PURGE im Ziel löschen|/MOV Dateien verschieben|/MOVE alles verschieben|/CREATE nur Struktur|/Z Neustartmodus|"
       "/B Sicherungsmodus|/ZB beides|/J ungepuffert|/COPYALL alle Angaben|/SEC mit Rechten|/DCOPY:T Ordnerzeiten|"
       "/SL Links selbst|/XJ ohne Junctions|/A mit Archivbit|/M Archivbit löschen|/XO ältere auslassen|"
       "/XN neuere auslassen|/XC geänderte auslassen|/XX Extras lassen|/XL nur vorhandene|/IS gleiche auch|"
       "/IT Attribute geändert|/MAX:|/MIN:|/MAXAGE:|/MINAGE:|/XF|/XD|/R:|/W:|/MT:|/L nur auflisten|/LOG: ersetzen|"
       "/LOG+: anhängen|/TEE auch zeigen|/NP ohne Prozent|/NFL ohne Dateien|/NDL ohne Ordner|/NJH ohne Kopf|"
       "/NJS ohne Summe|/V ausführlich|/ETA Restzeit|/FFT FAT-Zeiten",
       [](HWND dialog) { Toggle(dialog, 23); }},
  };
  LoadedLibrary library;
  for (const Row& row : rows) {
    const CommandResult cancelled = library.Call(row.dialog, [&](HWND dialog) {
      RECT client, frame;
      GetClientRect(dialog, &client);
      GetWindowRect(dialog, &frame);
      EXPECT_EQ(WindowText(dialog), row.dialog.title) << "found in any case";
      EXPECT_EQ(client.right, row.width) << row.dialog.title;
      EXPECT_EQ(client.bottom, row.height) << row.dialog.title;
      EXPECT_EQ(frame.left, row.centred ? (GetSystemMetrics(SM_CXSCREEN) - (frame.right - frame.left)) / 2 : 100);
      EXPECT_EQ(frame.top, row.centred ? (GetSystemMetrics(SM_CYSCREEN) - (frame.bottom - frame.top)) / 2 : 100);
      const LONG style = GetWindowLongA(dialog, GWL_STYLE);
      EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME),
                WS_CAPTION | WS_SYSMENU) << row.dialog.title;
      EXPECT_EQ(GetWindowLongA(dialog, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, WS_EX_CONTEXTHELP) << "the question mark";
      std::istringstream captions(row.captions);
      int gadget = row.firstGadget;
      for (std::string caption; std::getline(captions, caption, '|'); ++gadget)
        EXPECT_EQ(caption == "*" ? caption : WindowText(GetDlgItem(dialog, gadget)), caption) << row.dialog.title << " " << gadget;
      row.change(dialog);
      ClickGadget(dialog, row.dialog.cancel);
    });
    EXPECT_EQ(cancelled.text, "") << row.dialog.title << ", Abbrechen";
    const CommandResult closed = library.Call(row.dialog, [&](HWND dialog) {
      row.change(dialog);
      ClickAt(CloseBoxPoint(dialog));
    });
    ASSERT_NE(closed.pointer, nullptr) << row.dialog.title;
    EXPECT_EQ(closed.text, "") << row.dialog.title << ", close box";
  }
}

// A host can refuse every window (a CBT hook here); the procedure must then
// return empty text at once instead of waiting for a window that never
// comes, and leave neither a window nor its window class behind.
std::vector<std::string> refusedClasses;
LRESULT CALLBACK RefuseWindows(int code, WPARAM wParam, LPARAM lParam) {
  if (code != HCBT_CREATEWND) return CallNextHookEx(nullptr, code, wParam, lParam);
  const char* className = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->lpszClass;
  if (!IS_INTRESOURCE(className) && std::string(className).rfind("WindowClass_", 0) == 0)
    refusedClasses.push_back(className);
  return 1;
}

TEST(Library, AWindowThatCannotBeOpenedGivesEmptyTextAtOnce) {
  LoadedLibrary library;
  for (const CommandDialog& kind : Dialogs) {
    refusedClasses.clear();
    const int windowsBefore = ProcessWindows();
    HHOOK hook = SetWindowsHookExA(WH_CBT, RefuseWindows, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    const ULONGLONG start = GetTickCount64();
    const char* text = library.Procedure(kind.procedure)();
    const ULONGLONG elapsed = GetTickCount64() - start;
    UnhookWindowsHookEx(hook);
    ASSERT_NE(text, nullptr) << kind.title;
    EXPECT_STREQ(text, "") << kind.title;
    EXPECT_LT(elapsed, 2000u) << kind.title;
    EXPECT_EQ(ProcessWindows(), windowsBefore) << kind.title;
    ASSERT_EQ(refusedClasses.size(), 1u) << kind.title;
    EXPECT_FALSE(ClassRegistered(library.Module(), refusedClasses.front().c_str())) << kind.title;
  }
}

// A start-up that cannot make its drawing tools, in a host whose process
// holds every GDI object it may have (and then all but one: the brush is
// made, the pen is not), undoes itself: LoadLibrary returns null, nothing
// of the load stays, the host goes on; once objects are free, it loads.
TEST(Library, AStartUpThatCannotCompleteFailsTheLoadCleanly) {
  std::vector<HGDIOBJ> held;
  while (HGDIOBJ brush = CreateSolidBrush(RGB(1, 2, 3))) held.push_back(brush);
  const std::size_t all = held.size();
  for (const int free : {0, 1}) {
    for (int i = 0; i < free; ++i, held.pop_back()) DeleteObject(held.back());
    const ResourceCounts before = CountResources();
    EXPECT_EQ(LoadLibraryA("Brindlework.dll"), nullptr) << free << " free";
    EXPECT_EQ(GetModuleHandleA("Brindlework.dll"), nullptr) << free << " free";
    ExpectAsBefore(before, CountResources(), 4096, std::to_string(free) + " free");
    while (HGDIOBJ brush = CreateSolidBrush(RGB(1, 2, 3))) held.push_back(brush);
    EXPECT_EQ(held.size(), all) << "the start-up's brush given back, " << free << " free";
  }
  for (HGDIOBJ object : held) DeleteObject(object);
  LoadedLibrary library;
  ASSERT_NE(library.Module(), nullptr);
  EXPECT_EQ(library.Call(Echo, [](HWND dialog) { ClickGadget(dialog, Echo.add); }).text, "echo.");
}

// Whatever the dialogs did, a load and unload leave nothing behind: no
// window, no heap, no handle, no record of the runtime, no swatch or font
// (color keeps its sixteen swatches and xcopy its two fonts until the
// library goes: 18 objects a load).
TEST(Library, UnloadingFreesEverythingTheDialogsMade) {
  struct Row {
    const char* what;
    std::vector<CommandDialog> called;
    std::size_t heapBytesALoad;  // the shell and COM keep a few dozen bytes of a load that used them
  };
  const Row rows[] = {{"no call", {}, 0}, {"echo and color", {Echo, Color}, 0}, {"color and xcopy", {Color, Xcopy}, 128}};
  constexpr int Loads = 5;
  auto loadCallAndUnload = [](const Row& row) {
    LoadedLibrary library;
    for (const CommandDialog& kind : row.called) library.Call(kind, [&](HWND dialog) { ClickGadget(dialog, kind.cancel); });
  };
  for (const Row& row : rows) {
    loadCallAndUnload(row);  // first-use caches of Wine, the shell and COM
    const ResourceCounts before = CountResources();
    for (int i = 0; i < Loads; ++i) loadCallAndUnload(row);
    const ResourceCounts after = CountResources();
    std::printf("%d loads, %s: before %s\n  after %s\n", Loads, row.what, Describe(before).c_str(), Describe(after).c_str());
    EXPECT_EQ(GetModuleHandleA("Brindlework.dll"), nullptr) << row.what;
    ExpectAsBefore(before, after, Loads * row.heapBytesALoad, row.what);
  }
}

}  // namespace
