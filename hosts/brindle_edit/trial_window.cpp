#include "hosts/brindle_edit/trial_window.h"

#include <algorithm>
#include <vector>

#include "hosts/brindle_edit/system_texts.h"
#include "hosts/script_lines.h"
#include "lines/chkdsk_line.h"
#include "lines/color_line.h"
#include "lines/robocopy_line.h"
#include "lines/trial_run.h"
#include "lines/xcopy_line.h"

namespace brindle_edit {

namespace {

constexpr wchar_t WindowClass[] = L"BrindleEditProbelauf";
constexpr int HeaderId = 101, ListingId = 102, StatusId = 103, CopyId = 104, PreviewId = 105, StopId = 106;
// The reader's first entry, and its end (wParam the exit code, lParam the run).
constexpr UINT FirstEntryMessage = WM_APP + 1, EndMessage = WM_APP + 2;
constexpr UINT_PTR ProgressTimer = 1;
constexpr UINT ProgressMs = 40;  // the listing grows at most 25 times a second, however fast it comes
// Lines added to the listing at a time: an edit control lays out every line
// it takes (Wine 8: about 0.1 ms each), and the window must answer its
// user meanwhile. What comes faster waits for the next tick.
constexpr std::size_t LinesPerTick = 1000;
// A listing beyond this is counted whole, but the window shows its beginning.
constexpr std::size_t ShownLines = 200'000;
constexpr int Margin = 8, ButtonWidth = 100, ButtonHeight = 26;

using Kind = TrialPlan::Kind;

std::wstring Text(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

// An absolute folder with its backslash: `folder` as the line names it, from `base`.
std::wstring FolderFrom(std::wstring_view base, std::wstring folder) {
  const bool absolute = (folder.size() > 2 && folder[1] == L':' && folder[2] == L'\\') || folder.starts_with(L"\\\\");
  if (folder.starts_with(L'\\') && !absolute) folder = std::wstring(base.substr(0, 2)) + folder;
  else if (!absolute) folder = std::wstring(base) + folder;
  if (!folder.ends_with(L'\\')) folder += L'\\';
  return folder;
}

// Appends to a read-only edit control's text and keeps the user's view:
// the end stays in sight unless the user has put the caret elsewhere.
void Append(HWND edit, const std::wstring& text) {
  DWORD start = 0, end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const auto length = static_cast<DWORD>(GetWindowTextLengthW(edit));
  const bool following = end == length;
  const auto top = SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0);
  SendMessageW(edit, WM_SETREDRAW, FALSE, 0);
  SendMessageW(edit, EM_SETSEL, length, length);
  SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
  if (!following) {
    SendMessageW(edit, EM_SETSEL, start, end);
    SendMessageW(edit, EM_LINESCROLL, 0, top - SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0));
  }
  SendMessageW(edit, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(edit, nullptr, TRUE);
}

OwnedFont MessageFont() {
  NONCLIENTMETRICSW metrics = {};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  return OwnedFont(CreateFontIndirectW(&metrics.lfMessageFont));
}

}  // namespace

TrialWindow::~TrialWindow() {
  process_.Stop();
  if (window_) DestroyWindow(window_);
}

bool TrialWindow::Create(HWND owner) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = WindowClass;
  RegisterClassExW(&windowClass);  // fails harmlessly once it is registered
  RECT frame;
  GetWindowRect(owner, &frame);
  window_ = CreateWindowExW(0, WindowClass, L"Probelauf", WS_OVERLAPPEDWINDOW, frame.left + 40, frame.top + 60, 760, 480,
                            owner, nullptr, instance, this);
  if (!window_) return false;
  if (!textFont_) textFont_ = MessageFont();
  if (!listingFont_)
    listingFont_.reset(CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, L"Courier New"));
  auto child = [&](const wchar_t* windowClassName, DWORD style, int id, HFONT font) {
    HWND control = CreateWindowExW(0, windowClassName, L"", WS_CHILD | style, 0, 0, 0, 0, window_,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
  };
  constexpr DWORD ReadOnlyText = WS_VISIBLE | WS_BORDER | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL;
  header_ = child(L"EDIT", ReadOnlyText, HeaderId, textFont_.get());
  listing_ = child(L"EDIT", ReadOnlyText | WS_HSCROLL | ES_AUTOHSCROLL, ListingId, listingFont_.get());
  preview_ = child(L"STATIC", SS_OWNERDRAW, PreviewId, listingFont_.get());
  status_ = child(L"STATIC", WS_VISIBLE | SS_LEFT | SS_NOPREFIX, StatusId, textFont_.get());
  copy_ = child(L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, CopyId, textFont_.get());
  close_ = child(L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, StopId, textFont_.get());
  SetWindowTextW(copy_, L"&Kopieren");
  // Without a limit of its own, an edit control takes 30,000 characters at most.
  SendMessageW(listing_, EM_SETLIMITTEXT, 0, 0);
  SendMessageW(header_, EM_SETLIMITTEXT, 0, 0);
  return true;
}

bool TrialWindow::Show(HWND owner, std::wstring_view line, int number, const TrialContext& context) {
  TrialPlan plan = PlanTrial(line, context);
  if (plan.kind == Kind::None) return false;
  process_.Stop();
  if (!window_ && !Create(owner)) return false;
  KillTimer(window_, ProgressTimer);
  plan_ = std::move(plan);
  running_ = cancelled_ = false;
  {
    AcquireSRWLockExclusive(&lock_);
    reader_.reset();
    pending_.clear();
    totals_ = {};
    lines_ = 0;
    ReleaseSRWLockExclusive(&lock_);
  }
  std::wstring header = L"Probelauf: nichts auf dem Datenträger wird geändert.\r\nZeile " + std::to_wstring(number + 1) +
                        L": " + std::wstring(line) + L"\r\n" + hosts::ExplainLine(line) + L"\r\n\r\n";
  std::wstring status = L"Nichts wurde gestartet.";
  switch (plan_.kind) {
    case Kind::Refused: header += plan_.refusal; break;
    case Kind::Listing:
      StartListing(plan_, context, header);
      if (running_) status = L"Läuft …";
      break;
    case Kind::Drive: header += DriveText(plan_); break;
    case Kind::Colours:
      header += plan_.background && plan_.background != plan_.text
                    ? L"So sieht die Konsole in diesen Farben aus:"
                    : L"Keine Vorschau: die Zeile gibt keine zwei verschiedenen Farben an.";
      previewPrompt_ = context.folder.size() > 3 ? context.folder.substr(0, context.folder.size() - 1) : context.folder;
      previewLine_ = line.substr(std::min(line.size(), line.find_first_not_of(L" \t@")));
      break;
    case Kind::Text:
      header += (plan_.command == L"title" ? L"Titel des Konsolenfensters:\r\n" : L"cmd gibt aus:\r\n") + plan_.shown;
      break;
    case Kind::None: break;
  }
  for (const std::wstring& note : plan_.notes) header += L"\r\n" + note + L".";
  SetWindowTextW(header_, header.c_str());
  SetWindowTextW(listing_, L"");
  SetWindowTextW(status_, status.c_str());
  SetWindowTextW(close_, running_ ? L"&Abbrechen" : L"&Schließen");
  ShowWindow(listing_, plan_.kind == Kind::Listing ? SW_SHOW : SW_HIDE);
  ShowWindow(preview_, plan_.kind == Kind::Colours && plan_.background && plan_.background != plan_.text ? SW_SHOW : SW_HIDE);
  Layout();
  ShowWindow(window_, SW_SHOWNORMAL);
  SetForegroundWindow(window_);
  SetFocus(plan_.kind == Kind::Listing ? listing_ : header_);
  return true;
}

// --- the run of an xcopy or robocopy line -------------------------------------------

void TrialWindow::StartListing(const TrialPlan& plan, const TrialContext& context, std::wstring& header) {
  // The program as cmd.exe finds it: in the line's folder first, then along the PATH.
  std::wstring program;
  for (const std::wstring& candidate : ProgramCandidates(plan.program, context.folder, EnvironmentValue(L"PATH").value_or(L""),
                                                         EnvironmentValue(L"PATHEXT").value_or(L""))) {
    const DWORD attributes = GetFileAttributesW(candidate.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      program = candidate;
      break;
    }
  }
  if (program.empty()) {
    header += L"Kein Probelauf: cmd fände „" + plan.program + L"“ weder in „" + context.folder + L"“ noch im Suchpfad (PATH).";
    return;
  }
  if (!IsProgramFile(program)) {
    header += L"Kein Probelauf: statt " + plan.command + L" liefe „" + program + L"“, ein Skript, das mehr tun könnte als auflisten.";
    return;
  }
  const std::wstring commandLine = plan.program + L" " + plan.arguments;
  header += L"Gestartet in „" + context.folder + L"“: " + commandLine;
  for (const std::wstring& change : plan.changes) header += L"\r\n– " + change;
  AcquireSRWLockExclusive(&lock_);
  reader_.emplace(plan.robocopy, plan.robocopy ? FolderFrom(context.folder, plan.target) : std::wstring(), plan.deletesExtras);
  ReleaseSRWLockExclusive(&lock_);
  const HWND window = runWindow_ = window_;
  const LPARAM run = ++run_;
  const DWORD error = process_.Start(
      program, commandLine, context.folder, [this](std::wstring_view output) { TakeLine(output); },
      [window, run](DWORD code) { PostMessageW(window, EndMessage, code, run); });
  if (error) {
    header += L"\r\n\r\n" + plan.command + L" lässt sich nicht starten: " + SystemMessage(error);
    return;
  }
  running_ = true;
  SetTimer(window_, ProgressTimer, ProgressMs, nullptr);
}

void TrialWindow::TakeLine(std::wstring_view output) {
  std::optional<ListedEntry> entry = reader_->Take(output);
  // A question that nobody answers: it would be asked for ever.
  if (!reader_->Asking().empty()) process_.Cancel();
  if (!entry) return;
  // xcopy names neither a file's size nor whether the target has it already: the disk does.
  if (entry->kind == ListedEntry::Kind::Copy && !plan_.robocopy) {
    WIN32_FILE_ATTRIBUTE_DATA file;
    if (GetFileAttributesExW(entry->source.c_str(), GetFileExInfoStandard, &file))
      entry->size = (static_cast<unsigned long long>(file.nFileSizeHigh) << 32) | file.nFileSizeLow;
    const DWORD target = GetFileAttributesW(entry->target.c_str());
    entry->replaces = target != INVALID_FILE_ATTRIBUTES && !(target & FILE_ATTRIBUTE_DIRECTORY);
  }
  const std::wstring shown = ListingLine(*entry, plan_.command) + L"\r\n";
  AcquireSRWLockExclusive(&lock_);
  totals_.Add(*entry);
  const bool first = lines_ == 0;
  if (lines_++ < ShownLines) pending_ += shown;
  ReleaseSRWLockExclusive(&lock_);
  if (first) PostMessageW(runWindow_, FirstEntryMessage, 0, 0);
}

void TrialWindow::ShowProgress() {
  std::wstring shown;
  AcquireSRWLockExclusive(&lock_);
  std::size_t end = 0;
  for (std::size_t lines = 0; lines < LinesPerTick && end != std::wstring::npos; ++lines)
    end = pending_.find(L'\n', end + (lines ? 1 : 0));
  if (end == std::wstring::npos) {
    shown.swap(pending_);
  } else {
    shown.assign(pending_, 0, end + 1);
    pending_.erase(0, end + 1);
  }
  const bool more = !pending_.empty();
  const ListingTotals totals = totals_;
  ReleaseSRWLockExclusive(&lock_);
  if (!shown.empty()) Append(listing_, shown);
  if (running_)
    SetWindowTextW(status_, ((cancelled_ ? L"Wird abgebrochen … bisher " : L"Läuft … bisher ") + totals.Text()).c_str());
  else if (!more)
    KillTimer(window_, ProgressTimer);  // the run has ended, and the listing shows all it took
}

void TrialWindow::ShowEnd(DWORD exitCode) {
  running_ = false;
  ShowProgress();  // the rest of the listing follows tick by tick
  const std::wstring totals = totals_.Text(), asking = reader_->Asking();
  std::wstring status;
  if (cancelled_) {
    status = L"Abgebrochen, die Liste ist unvollständig: bis dahin " + totals + L".";
  } else if (!asking.empty()) {
    status = plan_.command + L" fragt „" + asking + L"“, und im Probelauf kann niemand antworten: beendet. Bis dahin " +
             totals + L".";
  } else {
    const lines::Model& model = plan_.robocopy ? lines::robocopy::model : lines::xcopy::model;
    status = L"Fertig: " + totals + L". " + plan_.command + L" endete mit " + std::to_wstring(exitCode) + L": " +
             hosts::Rendered(lines::trial::ExitMeaning(model, exitCode)) + L".";
  }
  if (lines_ > ShownLines) status += L" Die Liste zeigt die ersten " + Grouped(ShownLines) + L" Einträge.";
  SetWindowTextW(status_, status.c_str());
  SetWindowTextW(close_, L"&Schließen");
}

// --- chkdsk's drive -------------------------------------------------------------------

std::wstring TrialWindow::DriveText(const TrialPlan& plan) const {
  if (plan.drive.empty()) return L"chkdsk wird nicht gestartet.";
  const std::wstring root = plan.drive + L"\\";
  const UINT type = GetDriveTypeW(root.c_str());
  if (type == DRIVE_NO_ROOT_DIR || type == DRIVE_UNKNOWN) return L"Laufwerk " + plan.drive + L" gibt es nicht.";
  wchar_t label[MAX_PATH + 1] = {}, fileSystem[MAX_PATH + 1] = {};
  ULARGE_INTEGER available = {}, size = {}, free = {};
  if (!GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr, fileSystem, MAX_PATH + 1) ||
      !GetDiskFreeSpaceExW(root.c_str(), &available, &size, &free))
    return L"Laufwerk " + plan.drive + L" ist nicht bereit: " + SystemMessage(GetLastError());
  wchar_t windows[MAX_PATH] = {};
  GetSystemWindowsDirectoryW(windows, MAX_PATH);
  const bool system = CompareStringOrdinal(windows, 2, plan.drive.c_str(), 2, TRUE) == CSTR_EQUAL;
  std::wstring text = L"Laufwerk " + plan.drive + (system ? L" – Windows läuft von diesem Laufwerk" : L"") +
                      L"\r\nDateisystem: " + fileSystem;
  if (!lines::chkdsk::AcceptedFileSystem(hosts::Utf8(fileSystem))) text += L" – chkdsk prüft nur NTFS, FAT und FAT32";
  text += L"\r\nBezeichnung: " + (label[0] ? L"„" + std::wstring(label) + L"“" : std::wstring(L"keine")) +
          L"\r\nGröße: " + SizeText(size.QuadPart) + L"\r\nFrei: " + SizeText(free.QuadPart) + L"\r\n\r\n";
  if (plan.locking.empty()) return text + L"Die Schalter der Zeile brauchen das Laufwerk nicht für sich allein.";
  std::wstring switches;
  for (const std::wstring& name : plan.locking) switches += (switches.empty() ? L"" : L" ") + name;
  text += switches + (plan.locking.size() == 1 ? L" braucht" : L" brauchen") + L" das Laufwerk für sich allein. ";
  if (system)
    return text + L"Solange Windows von ihm läuft, geht das nicht: chkdsk fragt, ob es beim nächsten Start prüfen "
                  L"soll; mit „J“ wird es beim nächsten Neustart ausgeführt.";
  return text + L"chkdsk sperrt es, solange es prüft. Sind darauf Dateien geöffnet, fragt es, ob es das Laufwerk "
                L"vorher trennen soll (/x trennt es ohne Frage); Programme verlieren dann ihre offenen Dateien darauf.";
}

// --- color's preview --------------------------------------------------------------------

void TrialWindow::DrawPreview(const DRAWITEMSTRUCT& item) const {
  const auto colour = [](int index) {
    const lines::color::Colour& entry = lines::color::Colours[static_cast<std::size_t>(index - 1)];
    return RGB(entry.red, entry.green, entry.blue);
  };
  const OwnedBrush background(CreateSolidBrush(colour(plan_.background)));
  FillRect(item.hDC, &item.rcItem, background.get());
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, colour(plan_.text));
  const HGDIOBJ before = SelectObject(item.hDC, listingFont_.get());
  const std::wstring console = previewPrompt_ + L">" + previewLine_ + L"\r\n\r\nHallo Welt – so erscheint jeder Text.\r\n\r\n" +
                               previewPrompt_ + L">_";
  RECT inside = item.rcItem;
  InflateRect(&inside, -6, -6);
  DrawTextW(item.hDC, console.c_str(), static_cast<int>(console.size()), &inside, DT_LEFT | DT_NOPREFIX);
  SelectObject(item.hDC, before);
}

// --- the window ----------------------------------------------------------------------------

LRESULT CALLBACK TrialWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* trial = static_cast<TrialWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    trial->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(trial));
  }
  auto* trial = reinterpret_cast<TrialWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return trial ? trial->Handle(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT TrialWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE: Layout(); return 0;
    case WM_GETMINMAXINFO: reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {420, 300}; return 0;
    case WM_TIMER: ShowProgress(); return 0;
    case FirstEntryMessage: ShowProgress(); return 0;
    case EndMessage:
      if (static_cast<LONG_PTR>(lParam) == run_) ShowEnd(static_cast<DWORD>(wParam));
      return 0;
    case WM_DRAWITEM: DrawPreview(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_CTLCOLORSTATIC:
      // The read-only texts on the window's colour, like a dialog's.
      if (reinterpret_cast<HWND>(lParam) == status_) return DefWindowProcW(window_, message, wParam, lParam);
      SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDCANCEL: Close(); return 0;  // Escape
        case CopyId: CopyAll(); return 0;
        case StopId:
          if (!running_) {
            Close();
          } else if (!cancelled_) {
            cancelled_ = true;
            process_.Cancel();
            ShowProgress();
          }
          return 0;
        default: return 0;
      }
    case WM_CLOSE: Close(); return 0;  // also Escape in the listing
    case WM_DESTROY:
      process_.Cancel();
      KillTimer(window_, ProgressTimer);
      running_ = false;
      window_ = header_ = listing_ = preview_ = status_ = copy_ = close_ = nullptr;
      return 0;
    default: return DefWindowProcW(window_, message, wParam, lParam);
  }
}

void TrialWindow::Close() {
  if (!window_) return;
  const HWND owner = GetWindow(window_, GW_OWNER);
  DestroyWindow(window_);
  if (owner) SetActiveWindow(owner);
}

void TrialWindow::Layout() {
  RECT client;
  GetClientRect(window_, &client);
  const int width = client.right - 2 * Margin;
  const int buttonsTop = client.bottom - Margin - ButtonHeight;
  MoveWindow(close_, client.right - Margin - ButtonWidth, buttonsTop, ButtonWidth, ButtonHeight, TRUE);
  MoveWindow(copy_, client.right - 2 * (Margin + ButtonWidth), buttonsTop, ButtonWidth, ButtonHeight, TRUE);
  const int statusHeight = 3 * ButtonHeight / 2;
  MoveWindow(status_, Margin, client.bottom - Margin - statusHeight, std::max(0, width - 2 * (ButtonWidth + Margin)),
             statusHeight, TRUE);
  const int bottom = client.bottom - 2 * Margin - statusHeight;
  const bool listing = IsWindowVisible(listing_), preview = IsWindowVisible(preview_);
  const int room = std::max(0, bottom - Margin);
  const int headerHeight = listing ? room * 2 / 5 : preview ? room / 2 : room;
  MoveWindow(header_, Margin, Margin, width, headerHeight, TRUE);
  const int restTop = Margin + headerHeight + Margin;
  MoveWindow(listing ? listing_ : preview_, Margin, restTop, width, std::max(0, bottom - restTop), TRUE);
}

void TrialWindow::CopyAll() const {
  const std::wstring text = Text(header_) + L"\r\n\r\n" + (IsWindowVisible(listing_) ? Text(listing_) + L"\r\n" : L"") +
                            Text(status_) + L"\r\n";
  if (!OpenClipboard(window_)) return;
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    if (void* copy = GlobalLock(memory)) {
      std::copy_n(text.c_str(), text.size() + 1, static_cast<wchar_t*>(copy));
      GlobalUnlock(memory);
      if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);  // the clipboard owns it once set
    } else {
      GlobalFree(memory);
    }
  }
  CloseClipboard();
}

}  // namespace brindle_edit
