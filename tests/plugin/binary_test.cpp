// What a host sees of the built files before running anything: exports,
// imports, the entry, and the texts' code page.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

#include "tests/support/library_host.h"

namespace {

// A binary mapped as an image without running its entry or loading its
// imports, so that its tables can be read at their relative addresses.
class MappedImage {
 public:
  explicit MappedImage(const char* path)
      : module_(LoadLibraryExA(path, nullptr, DONT_RESOLVE_DLL_REFERENCES)) {}
  ~MappedImage() {
    if (module_) FreeLibrary(module_);
  }
  MappedImage(const MappedImage&) = delete;
  MappedImage& operator=(const MappedImage&) = delete;

  bool Valid() const { return module_ != nullptr; }
  template <class T>
  const T* At(DWORD rva) const { return reinterpret_cast<const T*>(Base() + rva); }
  const IMAGE_NT_HEADERS* Headers() const {
    return At<IMAGE_NT_HEADERS>(At<IMAGE_DOS_HEADER>(0)->e_lfanew);
  }
  const IMAGE_DATA_DIRECTORY& Directory(int entry) const {
    return Headers()->OptionalHeader.DataDirectory[entry];
  }

 private:
  const char* Base() const { return reinterpret_cast<const char*>(module_); }
  HMODULE module_;
};

std::vector<std::string> ImportedLibraries(const char* path) {
  MappedImage image(path);
  std::vector<std::string> names;
  if (!image.Valid()) return names;
  const DWORD table = image.Directory(IMAGE_DIRECTORY_ENTRY_IMPORT).VirtualAddress;
  for (auto* d = image.At<IMAGE_IMPORT_DESCRIPTOR>(table); d->Name; ++d) {
    std::string name = image.At<char>(d->Name);
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    names.push_back(name);
  }
  return names;
}

TEST(Binary, ExportsTheProceduresByUndecoratedNameAndOrdinal) {
  MappedImage image("Brindlework.dll");
  ASSERT_TRUE(image.Valid());
  const auto* exports =
      image.At<IMAGE_EXPORT_DIRECTORY>(image.Directory(IMAGE_DIRECTORY_ENTRY_EXPORT).VirtualAddress);
  EXPECT_STREQ(image.At<char>(exports->Name), "Brindlework.dll");
  EXPECT_EQ(exports->Base, 1u);
  EXPECT_EQ(exports->NumberOfFunctions, 10u);
  const std::pair<const char*, DWORD> expected[] = {{"chkdsk", 1},      {"chkdsk_edit", 6}, {"color", 2},
                                                    {"color_edit", 7},  {"echo", 3},        {"echo_edit", 8},
                                                    {"title", 4},       {"title_edit", 9},  {"xcopy", 5},
                                                    {"xcopy_edit", 10}};
  ASSERT_EQ(exports->NumberOfNames, 10u);
  const auto* names = image.At<DWORD>(exports->AddressOfNames);
  const auto* ordinals = image.At<WORD>(exports->AddressOfNameOrdinals);
  for (DWORD i = 0; i < 10; ++i) {
    EXPECT_STREQ(image.At<char>(names[i]), expected[i].first);
    EXPECT_EQ(exports->Base + ordinals[i], expected[i].second) << expected[i].first;
  }
}

TEST(Binary, ImportsOnlyWindowsSystemLibraries) {
  const std::vector<std::string> system = {"kernel32.dll", "user32.dll",   "gdi32.dll",
                                           "comctl32.dll", "msvcrt.dll",   "advapi32.dll",
                                           "shell32.dll",  "ole32.dll"};
  for (const char* binary : {"Brindlework.dll", "brindle.exe"}) {
    const std::vector<std::string> imported = ImportedLibraries(binary);
    EXPECT_FALSE(imported.empty()) << binary;
    for (const std::string& dll : imported)
      EXPECT_NE(std::find(system.begin(), system.end(), dll), system.end())
          << binary << " imports " << dll << ", which a Windows machine need not have";
  }
}

TEST(Binary, DialogTextsAreCodePage1252Bytes) {
  std::ifstream file("Brindlework.dll", std::ios::binary);
  const std::string bytes(std::istreambuf_iterator<char>(file), {});
  ASSERT_FALSE(bytes.empty());
  EXPECT_NE(bytes.find("Hinzuf\xFCgen"), std::string::npos);
  EXPECT_EQ(bytes.find("Hinzuf\xC3\xBCgen"), std::string::npos) << "UTF-8 text in the library";
}

DWORD WINAPI DoNothing(LPVOID) { return 0; }

// The loader's entry returns TRUE for threads coming and going, and the
// library works on as before.
TEST(Binary, EntryAcceptsThreadAttachAndDetach) {
  support::LoadedLibrary library;
  ASSERT_NE(library.Module(), nullptr);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(library.Module());
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(reinterpret_cast<const char*>(dos) + dos->e_lfanew);
  using Entry = BOOL(WINAPI*)(HINSTANCE, DWORD, LPVOID);
  auto entry = reinterpret_cast<Entry>(reinterpret_cast<const char*>(dos) + nt->OptionalHeader.AddressOfEntryPoint);
  EXPECT_EQ(entry(library.Module(), DLL_THREAD_ATTACH, nullptr), TRUE);
  EXPECT_EQ(entry(library.Module(), DLL_THREAD_DETACH, nullptr), TRUE);
  HANDLE thread = CreateThread(nullptr, 0, DoNothing, nullptr, 0, nullptr);
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  EXPECT_EQ(GetProcAddress(library.Module(), MAKEINTRESOURCEA(3)), GetProcAddress(library.Module(), "echo"));
}

}  // namespace
