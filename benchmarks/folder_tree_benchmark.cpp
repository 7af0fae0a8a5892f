// How fast a folder tree opens a large folder, beside two floors measured
// in the same run: (a) a bare listing inserted into a bare tree view under a
// collapsed parent, then expanded and drawn; (b) the same with one
// subfolder probe per child, which reading eagerly would cost.
//   folder_tree_benchmark [REPORT_FILE]
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/dialog.h"
#include "toolkit/folder_tree.h"

namespace {

constexpr int Folders = 10000;
constexpr int Files = 100000;
constexpr int Runs = 7;
const char* const Root = "C:\\Bench\\";

double Seconds(const std::function<void()>& work) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  work();
  QueryPerformanceCounter(&end);
  return static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> runs) {
  std::sort(runs.begin(), runs.end());
  return runs[runs.size() / 2];
}

// The folders are made by scripts/bench-folders.sh, much faster than here.
bool Prepared() { return GetFileAttributesA((std::string(Root) + "ready").c_str()) != INVALID_FILE_ATTRIBUTES; }

HTREEITEM ChildNamed(HWND tree, HTREEITEM parent, const char* label) {
  for (HTREEITEM child = TreeView_GetChild(tree, parent); child; child = TreeView_GetNextSibling(tree, child)) {
    char text[MAX_PATH] = {};
    TVITEMA item = {};
    item.mask = TVIF_TEXT;
    item.hItem = child;
    item.pszText = text;
    item.cchTextMax = MAX_PATH;
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    if (lstrcmpiA(text, label) == 0) return child;
  }
  return nullptr;
}

// The folder tree: led to C:\Bench\, then the big folder opened and drawn.
double FolderTreeOpening(const char* folder, std::uint32_t flags) {
  const int window = toolkit::OpenWindow(toolkit::AnyNumber, 0, 0, 400, 500, "Bench", 0xC80001);
  toolkit::CreateFolderTree(1, 0, 0, 400, 500, Root, flags);
  HWND tree = toolkit::GadgetHandle(1);
  UpdateWindow(tree);
  HTREEITEM big = ChildNamed(tree, TreeView_GetSelection(tree), folder);
  const double seconds = Seconds([&] {
    TreeView_Expand(tree, big, TVE_EXPAND);
    UpdateWindow(tree);
  });
  toolkit::CloseWindow(window);
  while (toolkit::WaitEvent(0) != 0) {
  }
  return seconds;
}

// The floors: a bare tree view filled from a bare listing.
double BareOpening(const char* folder, bool folders, bool probe) {
  const int window = toolkit::OpenWindow(toolkit::AnyNumber, 0, 0, 400, 500, "Bench", 0xC80001);
  HWND tree = CreateWindowExA(WS_EX_CLIENTEDGE, WC_TREEVIEWA, "",
                              WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT, 0, 0, 400,
                              500, toolkit::WindowHandle(window), nullptr, nullptr, nullptr);
  TVINSERTSTRUCTA insert = {};
  insert.hParent = TVI_ROOT;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_CHILDREN;
  insert.item.pszText = const_cast<char*>(folder);
  insert.item.cChildren = 1;
  HTREEITEM parent = TreeView_InsertItem(tree, &insert);
  UpdateWindow(tree);
  const std::string path = std::string(Root) + folder + "\\";
  const double seconds = Seconds([&] {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "*.*").c_str(), &found);
    insert.hParent = parent;
    do {
      const bool isFolder = found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
      if (found.cFileName[0] == '.' || isFolder != folders) continue;
      insert.item.pszText = found.cFileName;
      insert.item.cChildren = isFolder ? 1 : 0;
      if (probe) {
        WIN32_FIND_DATAA inner;
        HANDLE probeSearch = FindFirstFileA((path + found.cFileName + "\\*.*").c_str(), &inner);
        if (probeSearch != INVALID_HANDLE_VALUE) FindClose(probeSearch);
      }
      TreeView_InsertItem(tree, &insert);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    TreeView_Expand(tree, parent, TVE_EXPAND);
    UpdateWindow(tree);
  });
  DestroyWindow(tree);
  toolkit::CloseWindow(window);
  while (toolkit::WaitEvent(0) != 0) {
  }
  return seconds;
}

}  // namespace

int main(int argc, char** argv) {
  HANDLE recordHeap = HeapCreate(0, 4096, 0);
  HANDLE dynamicHeap = HeapCreate(0, 1024, 0);
  toolkit::StartDialogToolkit(GetModuleHandleA(nullptr), recordHeap, dynamicHeap);
  if (!Prepared()) {
    std::fprintf(stderr, "no benchmark folders in %s: run scripts/bench-folders.sh first\n", Root);
    return 1;
  }

  // Interleaved, so that a drift of the machine touches every figure alike.
  std::vector<double> floorA, floorB, folders, filesFloorA, files;
  for (int run = 0; run < Runs; ++run) {
    floorA.push_back(BareOpening("Folders", true, false));
    floorB.push_back(BareOpening("Folders", true, true));
    folders.push_back(FolderTreeOpening("Folders", toolkit::tree_flag::FoldersOnly));
    filesFloorA.push_back(BareOpening("Files", false, false));
    files.push_back(FolderTreeOpening("Files", 0));
  }
  const double folderFloorA = Median(floorA), folderFloorB = Median(floorB), folderTree = Median(folders);
  const double fileFloorA = Median(filesFloorA), fileTree = Median(files);

  char report[1024];
  std::snprintf(report, sizeof report,
                "Opening a folder in a folder tree (median of %d runs, seconds; ratio to floor a)\n"
                "%-52s %8.3f  1.00\n%-52s %8.3f  %.2f\n%-52s %8.3f  %.2f\n"
                "%-52s %8.3f  1.00\n%-52s %8.3f  %.2f\n",
                Runs, "10,000 folders: floor a (listing + bare tree)", folderFloorA,
                "10,000 folders: floor b (a + one probe per child)", folderFloorB, folderFloorB / folderFloorA,
                "10,000 folders: folder tree, folders only", folderTree, folderTree / folderFloorA,
                "100,000 files: floor a (listing + bare tree)", fileFloorA,
                "100,000 files: folder tree showing files", fileTree, fileTree / fileFloorA);
  std::fputs(report, stdout);
  if (argc > 1)
    if (FILE* file = std::fopen(argv[1], "w")) {
      std::fputs(report, file);
      std::fclose(file);
    }
  toolkit::StopDialogToolkit();
  return 0;
}
