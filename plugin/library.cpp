#include "plugin/library.h"

#include <optional>

#include "plugin/command_text_buffer.h"
#include "toolkit/dialog.h"
#include "toolkit/scoped_handles.h"

namespace plugin {

namespace {

constexpr SIZE_T HeapStartSize = 4096;

struct Library {
  // One private heap holds the toolkit's records, its dynamically numbered
  // objects and the command text: every further heap would make each load
  // and unload some 7 µs slower (Wine 8).
  // Serialised by the system: the host may load, call and unload from different threads.
  toolkit::ScopedHeap heap{HeapCreate(0, HeapStartSize, 0)};
  CommandTextBuffer commandTexts{heap.Get()};
};

// Emptied at shut-down; nothing of it is left for the C runtime's exit.
std::optional<Library> library;

}  // namespace

void StartUp(HINSTANCE module) {
  // The system libraries the dialogs bring in stay for the rest of the
  // process. Wine 8's shell32 and comctl32 leave image lists and heap
  // blocks behind when they are unloaded, so a host that loads and unloads
  // the library would lose them again with every cycle. Pinning only marks
  // modules that are loaded already (our imports): safe under the loader lock.
  for (const char* system : {"comctl32.dll", "shell32.dll", "ole32.dll"}) {
    HMODULE pinned = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_PIN, system, &pinned);
  }
  library.emplace();
  toolkit::StartDialogToolkit(module, library->heap.Get(), library->heap.Get());
}

void ShutDown() {
  if (!library) return;
  toolkit::StopDialogToolkit();
  library.reset();
}

CommandTextBuffer& CommandTexts() { return library->commandTexts; }

}  // namespace plugin
