// The dialog toolkit: numbered windows and gadgets, and the event wait.
// Dialogs address everything by number; an unknown number does nothing and
// yields 0, empty text or a null handle. Everything runs on the thread that
// owns the windows; the state is one per process and unguarded.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "toolkit/constants.h"

namespace toolkit {

// --- services -------------------------------------------------------------

// Starts the window, font and gadget services. `module` owns the window
// classes; the records live in `recordHeap`, dynamically numbered windows in
// `dynamicObjectHeap` (both owned by the caller, who outlives the toolkit).
// False, with nothing started, when the drawing tools cannot be made.
bool StartDialogToolkit(HINSTANCE module, HANDLE recordHeap, HANDLE dynamicObjectHeap);
// Closes every window still open, deletes every loaded font, frees the tables.
void StopDialogToolkit();

// --- windows --------------------------------------------------------------

// Opens a top-level window with the given inner (client) size under a free
// window number (`window` is AnyNumber; any other number opens nothing), and
// makes it the window new gadgets go to. Returns the window number, 0 when
// it cannot be opened.
int OpenWindow(int window, int x, int y, int innerWidth, int innerHeight, const char* title,
               std::uint32_t flags);
// Destroys the window with all its gadgets.
void CloseWindow(int window);
// The system handle of an open window, null otherwise.
HWND WindowHandle(int window);

// Sees every message of the toolkit's windows first; returning anything but
// NotHandled makes that the message's result. The toolkit leaves its
// windows' user data (GWLP_USERDATA) to their dialogs, for the callback.
using WindowCallback = LRESULT (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void SetWindowCallback(WindowCallback callback);

// --- events ---------------------------------------------------------------

// Dispatches the thread's next message and returns its event kind; see
// constants.h. timeoutMs: -1 waits without limit, 0 and more return
// event::None when no message came in time.
int WaitEvent(int timeoutMs);
int EventGadget();
int EventType();
int EventWindow();
// The wParam of the message whose identifier the last wait returned (a quit
// message's exit code, for instance).
WPARAM EventMessageWParam();

// --- gadgets --------------------------------------------------------------

int CreateTextLabel(int gadget, int x, int y, int width, int height, const char* text,
                    std::uint32_t flags);
int CreateStringField(int gadget, int x, int y, int width, int height, const char* text,
                      std::uint32_t flags);
int CreateButton(int gadget, int x, int y, int width, int height, const char* text,
                 std::uint32_t flags);
int CreateCheckBox(int gadget, int x, int y, int width, int height, const char* text,
                   std::uint32_t flags);
// A drop-down list; `height` is the height of the closed box.
int CreateComboBox(int gadget, int x, int y, int width, int height, std::uint32_t flags);
int CreateFrame(int gadget, int x, int y, int width, int height, const char* text,
                int frameType);

// The system control of a gadget, null if the number has none.
HWND GadgetHandle(int gadget);
int GetGadgetState(int gadget);
void SetGadgetState(int gadget, int state);
std::string GetGadgetText(int gadget);
void SetGadgetText(int gadget, const char* text);
// disabled != 0 greys the gadget out and takes it out of the Tab order.
void DisableGadget(int gadget, int disabled);
// Inserts a line before `position`; -1 appends.
void AddGadgetItem(int gadget, int position, const char* text);

// --- fonts ----------------------------------------------------------------

// Gadgets are made with the system's default GUI font.
// Creates a font of `points` size and keeps it under `font` until the number
// is used again or the library is unloaded. Null on failure.
HFONT LoadFont(int font, const char* faceName, int points);
// Gives the gadget the font and redraws it.
void SetGadgetFont(int gadget, HFONT font);

}  // namespace toolkit
