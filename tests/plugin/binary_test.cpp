// What a host sees of the built files before running anything: exports,
// imports, and the texts' code page.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>

#include "tests/support/library_host.h"
#include "tests/support/pe_file.h"

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

TEST(Binary, ExportsTheFiveProceduresByNameWithAlphabeticalOrdinals) {
  const support::PeTables tables = support::ReadPeTables("Brindlework.dll");
  ASSERT_TRUE(tables.valid);
  EXPECT_EQ(tables.moduleName, "Brindlework.dll");
  EXPECT_EQ(tables.ordinalBase, 1u);
  EXPECT_EQ(tables.functionCount, 5u);
  const std::vector<std::pair<std::string, unsigned>> expected = {
      {"chkdsk", 1}, {"color", 2}, {"echo", 3}, {"title", 4}, {"xcopy", 5}};
  ASSERT_EQ(tables.exports.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(tables.exports[i].name, expected[i].first);
    EXPECT_EQ(tables.exports[i].ordinal, expected[i].second) << expected[i].first;
  }

  support::LoadedLibrary library;
  ASSERT_NE(library.Module(), nullptr);
  for (const auto& [name, ordinal] : expected)
    EXPECT_EQ(GetProcAddress(library.Module(), MAKEINTRESOURCEA(ordinal)),
              GetProcAddress(library.Module(), name.c_str()))
        << name;
}

TEST(Binary, ImportsOnlyWindowsSystemLibraries) {
  const std::vector<std::string> system = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll",
                                           "msvcrt.dll",   "advapi32.dll", "shell32.dll", "ole32.dll"};
  for (const char* binary : {"Brindlework.dll", "brindle.exe"}) {
    const support::PeTables tables = support::ReadPeTables(binary);
    ASSERT_TRUE(tables.valid) << binary;
    EXPECT_FALSE(tables.importedDlls.empty()) << binary;
    for (const std::string& dll : tables.importedDlls)
      EXPECT_NE(std::find(system.begin(), system.end(), Lower(dll)), system.end())
          << binary << " imports " << dll << ", which a Windows machine need not have";
  }
}

TEST(Binary, DialogTextsAreCodePage1252Bytes) {
  const std::string bytes = support::ReadWholeFile("Brindlework.dll");
  ASSERT_FALSE(bytes.empty());
  EXPECT_NE(bytes.find("Hinzuf\xFCgen"), std::string::npos);
  EXPECT_EQ(bytes.find("Hinzuf\xC3\xBCgen"), std::string::npos) << "UTF-8 text in the library";
}

DWORD WINAPI DoNothing(LPVOID) { return 0; }

// The loader's entry returns TRUE for threads coming and going, and the
// library works on as before.
TEST(Binary, EntryAcceptsThreadAttachAndDetach) {
  const support::PeTables tables = support::ReadPeTables("Brindlework.dll");
  support::LoadedLibrary library;
  ASSERT_NE(library.Module(), nullptr);
  using Entry = BOOL(WINAPI*)(HINSTANCE, DWORD, LPVOID);
  auto entry = reinterpret_cast<Entry>(reinterpret_cast<char*>(library.Module()) + tables.entryPoint);
  EXPECT_EQ(entry(library.Module(), DLL_THREAD_ATTACH, nullptr), TRUE);
  EXPECT_EQ(entry(library.Module(), DLL_THREAD_DETACH, nullptr), TRUE);
  HANDLE thread = CreateThread(nullptr, 0, DoNothing, nullptr, 0, nullptr);
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  EXPECT_STREQ(library.Procedure("chkdsk")(), "");
}

}  // namespace
