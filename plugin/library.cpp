#include "plugin/library.h"

#include <optional>
#include <utility>

#include "plugin/command_text_buffer.h"
#include "toolkit/dialog.h"
#include "toolkit/scoped_handles.h"

namespace plugin {

namespace {

// Committed when the heap is made, so that the start-up's own records (the
// command text buffer, the toolkit's first tables: toolkit_state.cpp) cannot
// fail once the heap exists.
constexpr SIZE_T HeapStartSize = 16 * 1024;

struct Library {
  // One private heap holds the toolkit's records, its dynamically numbered
  // objects and the command text: every further heap would make each load
  // and unload some 7 µs slower (Wine 8).
  // Serialised by the system: the host may load, call and unload from different threads.
  explicit Library(toolkit::ScopedHeap madeHeap) : heap(std::move(madeHeap)) {}
  toolkit::ScopedHeap heap;
  CommandTextBuffer commandTexts{heap.Get()};
};

// Emptied at shut-down; nothing of it is left for the C runtime's exit.
std::optional<Library> library;

}  // namespace

bool StartUp(HINSTANCE module) {
  toolkit::ScopedHeap heap(HeapCreate(0, HeapStartSize, 0));
  if (!heap) return false;
  library.emplace(std::move(heap));
  if (!library->commandTexts.Ready() ||
      !toolkit::StartDialogToolkit(module, library->heap.Get(), library->heap.Get())) {
    library.reset();
    return false;
  }
  // The system libraries the dialogs bring in stay for the rest of the
  // process. Wine 8's shell32 and comctl32 leave image lists and heap
  // blocks behind when they are unloaded, so a host that loads and unloads
  // the library would lose them again with every cycle. Pinning only marks
  // modules that are loaded already (our imports): safe under the loader
  // lock, and done last, as it cannot be undone.
  for (const char* system : {"comctl32.dll", "shell32.dll", "ole32.dll"}) {
    HMODULE pinned = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_PIN, system, &pinned);
  }
  return true;
}

void ShutDown() {
  if (!library) return;
  toolkit::StopDialogToolkit();
  library.reset();
}

CommandTextBuffer& CommandTexts() { return library->commandTexts; }

}  // namespace plugin
