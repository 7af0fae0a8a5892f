// "Befehle > Probelauf" (F6): a window beside the editor that shows what
// the line under the caret would do, here and now, without doing it. An
// xcopy or robocopy line runs with /L (listing_process.h) and its listing
// streams in with a running count, to be cancelled at any time; a line
// that must not run says why; chkdsk shows its drive, color a preview,
// echo and title their text. Modeless, closed with Escape, its text
// selectable and copied whole with "Kopieren".
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "hosts/brindle_edit/listing_process.h"
#include "hosts/brindle_edit/listing_reader.h"
#include "hosts/brindle_edit/owned_handles.h"
#include "hosts/brindle_edit/trial_plan.h"

namespace brindle_edit {

class TrialWindow {
 public:
  TrialWindow() = default;
  ~TrialWindow();
  TrialWindow(const TrialWindow&) = delete;
  TrialWindow& operator=(const TrialWindow&) = delete;

  // Shows the trial run of `line` (line `number`, from 0) in the window,
  // made or brought forward, owned by `owner`; a run still going ends
  // first. False for a line of no command the editor knows: then nothing opens.
  bool Show(HWND owner, std::wstring_view line, int number, const TrialContext& context);
  HWND Window() const { return window_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  bool Create(HWND owner);
  void Layout();
  void Close();
  void CopyAll() const;

  // The run of an xcopy or robocopy line, and what its output brings.
  void StartListing(const TrialPlan& plan, const TrialContext& context, std::wstring& header);
  void TakeLine(std::wstring_view line);  // on the reader's thread
  void ShowProgress();
  void ShowEnd(DWORD exitCode);
  std::wstring DriveText(const TrialPlan& plan) const;
  void DrawPreview(const DRAWITEMSTRUCT& item) const;

  HWND window_ = nullptr, header_ = nullptr, listing_ = nullptr, preview_ = nullptr, status_ = nullptr,
       copy_ = nullptr, close_ = nullptr;
  OwnedFont textFont_, listingFont_;
  TrialPlan plan_;
  std::wstring previewPrompt_, previewLine_;  // color's preview: the console's prompt and the line
  LONG_PTR run_ = 0;                          // counts the runs, so that a run's late end is told apart

  // Shared with the reader's thread.
  SRWLOCK lock_ = SRWLOCK_INIT;
  std::optional<ListingReader> reader_;
  std::wstring pending_;  // listing lines not shown yet
  ListingTotals totals_;
  std::size_t lines_ = 0;  // listing lines taken for the window
  HWND runWindow_ = nullptr;  // where the reader posts: the window as the run started
  ListingProcess process_;
  bool running_ = false, cancelled_ = false;
};

}  // namespace brindle_edit
