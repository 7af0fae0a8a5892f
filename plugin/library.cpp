#include "plugin/library.h"

#include <optional>

#include "plugin/command_text_buffer.h"
#include "toolkit/dialog.h"
#include "toolkit/scoped_handles.h"

namespace plugin {

namespace {

constexpr SIZE_T RecordHeapStartSize = 4096;
constexpr SIZE_T DynamicObjectHeapStartSize = 1024;

struct Library {
  // Serialised by the system: the host may load, call and unload from different threads.
  toolkit::ScopedHeap recordHeap{HeapCreate(0, RecordHeapStartSize, 0)};
  CommandTextBuffer commandTexts;
  toolkit::ScopedHeap dynamicObjectHeap{HeapCreate(0, DynamicObjectHeapStartSize, 0)};
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
  toolkit::StartDialogToolkit(module, library->recordHeap.Get(), library->dynamicObjectHeap.Get());
}

void ShutDown() {
  if (!library) return;
  toolkit::StopDialogToolkit();
  library.reset();
}

CommandTextBuffer& CommandTexts() { return library->commandTexts; }

}  // namespace plugin
