#include "hosts/brindle_edit/editor_window.h"

#include <commctrl.h>
#include <commdlg.h>
#include <richedit.h>
#include <shellapi.h>

#include <algorithm>
#include <vector>

#include "hosts/brindle_edit/editor_menu.h"
#include "hosts/brindle_edit/go_to_line_dialog.h"
#include "hosts/brindle_edit/recent_files.h"
#include "hosts/brindle_edit/script_file.h"
#include "hosts/brindle_edit/script_runner.h"
#include "hosts/brindle_edit/system_texts.h"
#include "hosts/script_lines.h"

namespace brindle_edit {

namespace {

constexpr wchar_t WindowClass[] = L"BrindleEditWindow";
constexpr wchar_t ProgramName[] = L"BrindleEdit";
constexpr int EditId = 100;
constexpr int StatusId = 101;
constexpr wchar_t ScriptFilter[] = L"Befehlsskripte (*.bat; *.cmd)\0*.bat;*.cmd\0Alle Dateien (*.*)\0*.*\0";
// The recovery copy is taken two seconds after the first change since the
// last copy, so that steady typing is kept too. The text is taken from the
// control a piece at a time, between the user's keys: Wine 8's rich edit
// control takes some 150 ms to hand over five million characters at once.
// A change in between starts the pieces again; after ten seconds of that,
// the rest is taken at once.
constexpr UINT_PTR RecoveryTimer = 1, RecoveryPieceTimer = 2;
constexpr UINT RecoveryDelayMs = 2000, RecoveryPieceMs = 10;
constexpr ULONGLONG RecoveryPatienceMs = 10000;

std::wstring FileName(const std::wstring& path) {
  return path.empty() ? std::wstring(L"Unbenannt") : path.substr(path.find_last_of(L'\\') + 1);
}

// A variable as cmd.exe fills it into a line: the environment's, or of
// those cmd.exe makes itself, %CD% (the folder the line runs in) and %DATE%.
std::optional<std::wstring> CmdVariable(std::wstring_view name, const std::wstring& folder) {
  if (std::optional<std::wstring> set = EnvironmentValue(std::wstring(name))) return set;
  auto is = [&](const wchar_t* made) {
    return CompareStringOrdinal(name.data(), static_cast<int>(name.size()), made, -1, TRUE) == CSTR_EQUAL;
  };
  if (is(L"CD")) return folder.size() > 3 ? folder.substr(0, folder.size() - 1) : folder;
  wchar_t date[80] = {};
  if (is(L"DATE") && GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, 80)) return date;
  return std::nullopt;
}

std::wstring EncodingLabel(ScriptEncoding encoding) {
  return encoding == ScriptEncoding::Utf8WithMark ? std::wstring(L"UTF-8")
                                                  : L"Konsole (CP " + std::to_wstring(GetOEMCP()) + L")";
}

}  // namespace

EditorWindow::EditorWindow() : programFolder_(ExecutableFolder()), library_(programFolder_) {}

HWND EditorWindow::Create(const std::wstring& path, int showCommand, const std::wstring& startFolder) {
  startFolder_ = startFolder;
  if (!startFolder_.empty() && !startFolder_.ends_with(L'\\')) startFolder_ += L'\\';
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = WindowClass;
  RegisterClassExW(&windowClass);
  accelerators_ = CreateEditorAccelerators();
  window_ = CreateWindowExW(0, WindowClass, ProgramName, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 760,
                            540, nullptr, CreateEditorMenu(), instance, this);
  if (!window_) return nullptr;
  if (!path.empty()) LoadFile(path);
  UpdateTitle();
  UpdateStatus(true);
  ShowWindow(window_, showCommand);
  UpdateWindow(window_);
  OfferRecovery();
  return window_;
}

int EditorWindow::Run() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // The find dialog's own keys first: Tab, Enter, Escape, and the letters
    // typed into it rather than the editor's shortcuts.
    if (find_.Window() && IsDialogMessageW(find_.Window(), &message)) continue;
    // The trial window's keys: Tab, Escape, and copying from its texts.
    if (trial_.Window() && IsDialogMessageW(trial_.Window(), &message)) continue;
    if (message.hwnd == edit_.Window() && message.message == WM_KEYDOWN &&
        edit_.TakeWordInput(message.message, message.wParam, message.lParam))
      continue;
    if (TranslateAcceleratorW(window_, accelerators_.get(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

LRESULT CALLBACK EditorWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* editor = static_cast<EditorWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    editor->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(editor));
  }
  auto* editor = reinterpret_cast<EditorWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return editor ? editor->Handle(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT EditorWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: OnCreate(); return 0;
    case WM_SIZE: Layout(); return 0;
    case WM_SETFOCUS: SetFocus(edit_.Window()); return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == EditId) {
        if (HIWORD(wParam) == EN_CHANGE) {
          ++changes_;
          UpdateTitle();
          UpdateStatus(false);
          ScheduleRecoveryCopy();
        }
        return 0;
      }
      OnCommand(LOWORD(wParam));
      return 0;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (header->code == EN_SELCHANGE) UpdateStatus(false);
      if (header->code != EN_MSGFILTER) return 0;
      // A double click on a command line opens its dialog once the click is
      // over; on any other line it selects a word, which the editor does
      // itself (ScriptEdit::TakeWordInput).
      const auto& input = *reinterpret_cast<MSGFILTER*>(lParam);
      if (input.msg == WM_LBUTTONDBLCLK && hosts::CommandOfLine(edit_.LineAtCaret().text).command) {
        PostMessageW(window_, WM_COMMAND, menu_item::EditLine, 0);
        return 1;
      }
      return edit_.TakeWordInput(input.msg, input.wParam, input.lParam) ? 1 : 0;
    }
    case WM_CONTEXTMENU:
      // The rich edit control has no menu of its own: the "Bearbeiten" menu.
      if (reinterpret_cast<HWND>(wParam) == edit_.Window()) {
        POINT at = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (at.x == -1 && at.y == -1) GetCursorPos(&at);  // from the keyboard
        TrackPopupMenu(GetSubMenu(GetMenu(window_), 1), TPM_RIGHTBUTTON, at.x, at.y, 0, window_, nullptr);
      }
      return 0;
    case WM_INITMENUPOPUP: {
      auto menu = reinterpret_cast<HMENU>(wParam);
      const bool selected = !edit_.SelectedText().empty();
      auto enable = [menu](UINT id, bool on) { EnableMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED)); };
      enable(menu_item::Undo, SendMessageW(edit_.Window(), EM_CANUNDO, 0, 0) != 0);
      enable(menu_item::Redo, SendMessageW(edit_.Window(), EM_CANREDO, 0, 0) != 0);
      for (UINT id : {menu_item::Cut, menu_item::Copy, menu_item::Delete}) enable(id, selected);
      enable(menu_item::Paste, IsClipboardFormatAvailable(CF_UNICODETEXT) != 0);
      // Other editors may have opened files meanwhile: the list as it is now.
      if (menu == GetSubMenu(GetMenu(window_), 0)) ShowRecentFiles(menu, recentShown_ = RecentFiles());
      return 0;
    }
    case WM_CLOSE:
      // While a command dialog is open the library's loop runs on this
      // thread: the editor goes only after it.
      if (!commandRunning_ && ConfirmDiscard()) DestroyWindow(window_);
      return 0;
    case WM_TIMER:
      if (wParam == RecoveryTimer) KeepRecoveryCopy(false);
      if (wParam == RecoveryPieceTimer) TakeRecoveryPiece();
      return 0;
    case WM_DESTROY:
      recovery_.Remove();  // saved or discarded: ConfirmDiscard asked
      PostQuitMessage(0);
      return 0;
    default:
      if (message == FindDialog::Message()) {
        if (!find_.Take(lParam)) return 0;
        if (find_.Flags() & (FR_REPLACE | FR_REPLACEALL)) Replace(find_.Flags());
        else FindNext();
        return 0;
      }
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

void EditorWindow::OnCreate() {
  HDC screen = GetDC(nullptr);
  const int height = -MulDiv(10, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  font_.reset(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, L"Courier New"));
  status_.Create(window_, StatusId);
  if (!edit_.Create(window_, EditId, font_.get()))
    Ask(L"Das Textfeld für Skripte fehlt: msftedit.dll kann nicht geladen werden.", MB_OK | MB_ICONERROR);
}

void EditorWindow::Layout() {
  status_.Layout();
  RECT client;
  GetClientRect(window_, &client);
  MoveWindow(edit_.Window(), 0, 0, client.right, std::max(0L, client.bottom - status_.Height()), TRUE);
}

void EditorWindow::OnCommand(UINT id) {
  if (id >= menu_item::FirstCommand && id < menu_item::FirstCommand + CommandNames.size()) {
    InsertCommand(CommandNames[id - menu_item::FirstCommand]);
    return;
  }
  if (id >= menu_item::FirstRecent && id < menu_item::FirstRecent + RecentFileCount) {
    OpenRecent(id - menu_item::FirstRecent);
    return;
  }
  switch (id) {
    case menu_item::New: NewScript(); break;
    case menu_item::Open: OpenScript(); break;
    case menu_item::Save: Save(); break;
    case menu_item::SaveAs: SaveAs(); break;
    case menu_item::Run: RunScript(); break;
    case menu_item::EditLine: EditLine(); break;
    case menu_item::TrialRun: TrialRun(); break;
    case menu_item::Exit: PostMessageW(window_, WM_CLOSE, 0, 0); break;
    case menu_item::Undo: SendMessageW(edit_.Window(), EM_UNDO, 0, 0); break;
    case menu_item::Redo: SendMessageW(edit_.Window(), EM_REDO, 0, 0); break;
    case menu_item::Cut: SendMessageW(edit_.Window(), WM_CUT, 0, 0); break;
    case menu_item::Copy: SendMessageW(edit_.Window(), WM_COPY, 0, 0); break;
    case menu_item::Paste: SendMessageW(edit_.Window(), WM_PASTE, 0, 0); break;
    case menu_item::Delete: SendMessageW(edit_.Window(), WM_CLEAR, 0, 0); break;
    case menu_item::SelectAll: SendMessageW(edit_.Window(), EM_SETSEL, 0, -1); break;
    case menu_item::Find: find_.Open(window_, edit_.SelectedText()); break;
    case menu_item::FindNext:
      if (find_.What().empty())
        find_.Open(window_, edit_.SelectedText());
      else
        FindNext();
      break;
    case menu_item::Replace: find_.Open(window_, edit_.SelectedText(), true); break;
    case menu_item::GoToLine: GoToLine(); break;
    case menu_item::HelpContents: ShowHelp(); break;
    case menu_item::About:
      MessageBoxW(window_,
                  L"BrindleEdit – ein Editor für Befehlsskripte (.bat, .cmd)\n\n"
                  L"Das Menü „Befehle“ baut mit den Dialogen von Brindlework.dll fertige Befehlszeilen "
                  L"und fügt sie als eigene Zeile an der Schreibmarke ein; „Zeile bearbeiten“ öffnet den "
                  L"Dialog mit den Angaben der Zeile an der Schreibmarke.\n\n"
                  L"Skripte werden in der Codepage der Konsole gespeichert, damit Umlaute beim Ausführen "
                  L"richtig erscheinen.",
                  L"Über BrindleEdit", MB_OK | MB_ICONINFORMATION);
      break;
    default: break;
  }
}

// --- files ---------------------------------------------------------------------

bool EditorWindow::LoadFile(const std::wstring& path) {
  DWORD error = 0;
  Script script = ReadScript(path, error);
  if (error != 0 && error != ERROR_FILE_NOT_FOUND) {
    Ask(L"„" + path + L"“ kann nicht geöffnet werden:\n" + SystemMessage(error), MB_OK | MB_ICONERROR);
    return false;
  }
  edit_.SetText(script.text);
  recovery_.Remove();
  if (error == ERROR_FILE_NOT_FOUND) notice_ = L"Neue Datei: wird beim Speichern angelegt";
  else RememberFile(path);
  path_ = path;
  encoding_ = script.encoding;
  UpdateTitle();
  UpdateStatus(true);
  return true;
}

bool EditorWindow::Save() { return path_.empty() ? SaveAs() : SaveTo(path_); }

bool EditorWindow::SaveAs() {
  const std::wstring path = AskForScript(true);
  return !path.empty() && SaveTo(path);
}

std::wstring EditorWindow::AskForScript(bool saving) const {
  std::vector<wchar_t> name(32768, L'\0');
  if (saving) std::copy_n(path_.c_str(), std::min(path_.size(), name.size() - 1), name.begin());
  OPENFILENAMEW dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = window_;
  dialog.lpstrFilter = ScriptFilter;
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = static_cast<DWORD>(name.size());
  // The current directory stays the program's, where the dialogs' help is.
  dialog.Flags = OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
  if (saving) {
    dialog.lpstrDefExt = L"bat";
    dialog.Flags |= OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
  } else {
    dialog.Flags |= OFN_FILEMUSTEXIST;
  }
  const BOOL chosen = saving ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
  return chosen ? std::wstring(name.data()) : std::wstring();
}

bool EditorWindow::SaveTo(const std::wstring& path) {
  const std::wstring text = edit_.Text();
  const std::wstring lost = CharactersLost(text, encoding_);
  if (!lost.empty()) {
    std::wstring question = L"Diese Zeichen gibt es in der Codepage der Konsole (" + std::to_wstring(GetOEMCP()) +
                            L") nicht:\n\n";
    for (wchar_t c : lost) question.append(1, c).append(L" ");
    question.append(L"\n\nBeim Speichern werden sie zu „?“. Trotzdem speichern?");
    if (Ask(question, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES) return false;
  }
  if (const DWORD error = WriteScript(path, text, encoding_)) {
    Ask(L"„" + path + L"“ kann nicht gespeichert werden:\n" + SystemMessage(error), MB_OK | MB_ICONERROR);
    return false;
  }
  path_ = path;
  edit_.SetModified(false);
  recovery_.Remove();
  RememberFile(path);
  notice_ = L"Gespeichert: " + path;
  UpdateTitle();
  UpdateStatus(true);
  return true;
}

bool EditorWindow::ConfirmDiscard() {
  if (!edit_.Modified()) return true;
  switch (Ask(L"Die Änderungen an „" + FileName(path_) + L"“ speichern?", MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES: return Save();
    case IDNO: return true;
    default: return false;
  }
}

void EditorWindow::NewScript() {
  if (!ConfirmDiscard()) return;
  edit_.SetText(L"");
  recovery_.Remove();
  path_.clear();
  encoding_ = ScriptEncoding::ConsoleOem;
  UpdateTitle();
  UpdateStatus(true);
}

void EditorWindow::OpenScript() {
  if (!ConfirmDiscard()) return;
  const std::wstring path = AskForScript(false);
  if (!path.empty()) LoadFile(path);
}

void EditorWindow::RunScript() {
  // What runs is the file: unsaved changes, or a script that is not on
  // disk yet, are saved first.
  const bool onDisk = !path_.empty() && GetFileAttributesW(path_.c_str()) != INVALID_FILE_ATTRIBUTES;
  if (!ReadyForConsole() || ((!onDisk || edit_.Modified()) && !Save())) return;
  if (const DWORD error = RunInConsole(path_)) {
    Ask(L"Die Konsole kann nicht gestartet werden:\n" + SystemMessage(error), MB_OK | MB_ICONERROR);
    return;
  }
  notice_ = L"Ausgeführt in einer neuen Konsole: " + FileName(path_);
  UpdateStatus(true);
}

bool EditorWindow::ReadyForConsole() {
  if (encoding_ != ScriptEncoding::Utf8WithMark) return true;
  // cmd.exe reads the UTF-8 mark as part of the first command and the
  // umlauts as characters of the console's code page: the script is saved
  // in that code page, as the editor saves every new script.
  const std::wstring question =
      L"„" + FileName(path_) + L"“ ist in UTF-8 gespeichert. Die Konsole liest Skripte in ihrer Codepage (" +
      std::to_wstring(GetOEMCP()) + L"): die erste Zeile würde nicht erkannt, und Umlaute erschienen falsch.\n\n"
      L"Das Skript in der Codepage der Konsole speichern und ausführen?";
  if (Ask(question, MB_YESNO | MB_ICONWARNING) != IDYES) return false;
  encoding_ = ScriptEncoding::ConsoleOem;
  if (SaveTo(path_)) return true;
  encoding_ = ScriptEncoding::Utf8WithMark;
  UpdateStatus(true);
  return false;
}

void EditorWindow::FindNext() {
  if (edit_.FindNext(find_.What(), find_.Flags())) return;
  notice_ = L"„" + find_.What() + L"“ nicht gefunden";
  UpdateStatus(true);
  MessageBeep(MB_ICONINFORMATION);
}

// The replace dialog's "Ersetzen" replaces the found text and finds the
// next, each replacement an undo step of its own; "Alle ersetzen" replaces
// every match in the script as one step.
void EditorWindow::Replace(DWORD flags) {
  if (flags & FR_REPLACEALL) {
    const int replaced = edit_.ReplaceAll(find_.What(), find_.With(), flags);
    notice_ = replaced ? std::to_wstring(replaced) + (replaced == 1 ? L" Stelle ersetzt" : L" Stellen ersetzt")
                       : L"„" + find_.What() + L"“ nicht gefunden";
    UpdateStatus(true);
    return;
  }
  edit_.ReplaceSelection(find_.What(), find_.With(), flags);
  FindNext();
}

void EditorWindow::GoToLine() {
  const std::optional<int> line = AskLineNumber(window_, edit_.LineAtCaret().number + 1, edit_.LineCount());
  if (line) edit_.GoToLine(*line - 1);
  SetFocus(edit_.Window());
}

void EditorWindow::OpenRecent(std::size_t index) {
  if (index >= recentShown_.size() || !ConfirmDiscard()) return;
  const std::wstring path = recentShown_[index];
  if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
    ForgetFile(path);
    Ask(L"„" + path + L"“ gibt es nicht mehr; es ist aus der Liste genommen.", MB_OK | MB_ICONINFORMATION);
    return;
  }
  LoadFile(path);
}

// --- commands and help -----------------------------------------------------------

void EditorWindow::InsertCommand(const char* command) {
  std::wstring line;
  if (!RunCommandDialog(command, nullptr, line)) return;
  if (line.empty()) {
    notice_ = L"Abgebrochen: nichts eingefügt";
  } else {
    notice_.clear();  // the explanation of the new line, not an earlier notice
    edit_.InsertLineAtCaret(line);
  }
  UpdateStatus(true);
}

// The dialog of the caret line's command opens from the line; "Hinzufügen"
// replaces it, keeping its indentation and "@", which the dialog does not show.
void EditorWindow::EditLine() {
  const ScriptEdit::CaretLine caretLine = edit_.LineAtCaret();
  // cmd.exe reads no longer line, and the dialog would take none of it over.
  if (caretLine.text.size() > hosts::LongestLine) {
    notice_ = L"Zeile bearbeiten: Zeile zu lang: " + std::to_wstring(caretLine.text.size()) + L" Zeichen, höchstens " +
              std::to_wstring(hosts::LongestLine);
    UpdateStatus(true);
    MessageBeep(MB_ICONINFORMATION);
    return;
  }
  const hosts::LineCommand command = hosts::CommandOfLine(caretLine.text);
  const std::wstring_view text = caretLine.text;
  const std::optional<std::string> line = InLibraryCodePage(text.substr(command.prefixLength));
  if (!command.command || !line) {
    notice_ = !command.command ? L"Zeile bearbeiten: keine Zeile mit " + hosts::FromCodePage1252(hosts::CommandNamesInWords("oder"))
                       : L"Zeile bearbeiten: die Zeile hat Zeichen, die es in den Dialogen (Codepage 1252) nicht gibt";
    UpdateStatus(true);
    MessageBeep(MB_ICONINFORMATION);
    return;
  }
  std::wstring edited;
  if (!RunCommandDialog(command.command, &*line, edited)) return;
  if (edited.empty()) {
    notice_ = L"Abgebrochen: Zeile unverändert";
  } else {
    notice_.clear();
    edit_.ReplaceLine(caretLine.number, std::wstring(text.substr(0, command.prefixLength)) + edited);
  }
  UpdateStatus(true);
}

void EditorWindow::TrialRun() {
  const ScriptEdit::CaretLine caretLine = edit_.LineAtCaret();
  if (caretLine.text.size() > hosts::LongestLine) {
    notice_ = L"Probelauf: Zeile zu lang: " + std::to_wstring(caretLine.text.size()) + L" Zeichen, höchstens " +
              std::to_wstring(hosts::LongestLine);
  } else {
    const std::wstring folder = path_.empty() ? startFolder_ : path_.substr(0, path_.find_last_of(L'\\') + 1);
    const TrialContext context = {path_, folder, [folder](std::wstring_view name) { return CmdVariable(name, folder); }};
    if (trial_.Show(window_, caretLine.text, caretLine.number, context)) return;
    notice_ = L"Probelauf: keine Zeile mit " + hosts::FromCodePage1252(hosts::CommandNamesInWords("oder"));
  }
  UpdateStatus(true);
  MessageBeep(MB_ICONINFORMATION);
}

bool EditorWindow::RunCommandDialog(const char* command, const std::string* line, std::wstring& result) {
  if (commandRunning_) return false;  // the library runs one dialog at a time
  if (!library_.Loaded()) {
    Ask(L"Brindlework.dll fehlt. Sie gehört in denselben Ordner wie BrindleEdit.exe:\n" + programFolder_,
        MB_OK | MB_ICONERROR);
    return false;
  }
  // The dialogs' "?" buttons look for Hilfe.chm in the current directory.
  SetCurrentDirectoryW(programFolder_.c_str());
  // Whatever happens inside the library, what was typed is on disk first.
  KeepRecoveryCopy(true);
  // Modal like a dialog of the editor's own: the library's loop runs on this
  // thread, and a second command must not start inside it.
  commandRunning_ = true;
  EnableWindow(window_, FALSE);
  if (find_.Window()) EnableWindow(find_.Window(), FALSE);
  result = line ? library_.Edit(command, *line) : library_.Call(command);
  if (find_.Window()) EnableWindow(find_.Window(), TRUE);
  EnableWindow(window_, TRUE);
  commandRunning_ = false;
  SetForegroundWindow(window_);
  SetFocus(edit_.Window());
  return true;
}

// The help file opens on the editor's own page.
void EditorWindow::ShowHelp() {
  const std::wstring helpFile = L"\"" + programFolder_ + L"Hilfe.chm::/brindleedit.htm\"";
  ShellExecuteW(window_, nullptr, L"hh.exe", helpFile.c_str(), nullptr, SW_SHOWNORMAL);
}

// --- title and status line ---------------------------------------------------------

void EditorWindow::UpdateTitle() {
  const std::wstring title = (edit_.Modified() ? L"*" : L"") + FileName(path_) + L" – " + ProgramName;
  SetWindowTextW(window_, title.c_str());
}

void EditorWindow::UpdateStatus(bool force) {
  if (!edit_.Window()) return;
  const ScriptEdit::CaretLine line = edit_.LineAtCaret();
  if (!force && line.caret == shownCaret_ && changes_ == shownChanges_) return;
  if (!force) notice_.clear();  // a notice stays until the user moves on
  shownCaret_ = line.caret;
  shownChanges_ = changes_;
  // A notice comes first, where the user looks, until the user moves on.
  status_.Show(notice_.empty() ? hosts::WarningsFor(line.text, edit_.LineBefore(line.number))
                               : std::vector<hosts::LineWarning>(),
               notice_.empty() ? hosts::ExplainLine(line.text) : notice_,
               L"Zeile " + std::to_wstring(line.number + 1) + L", Spalte " + std::to_wstring(line.column + 1),
               EncodingLabel(encoding_));
}

// --- helpers ------------------------------------------------------------------------

int EditorWindow::Ask(const std::wstring& question, UINT buttons) const {
  return MessageBoxW(window_, question.c_str(), ProgramName, buttons);
}

// --- recovery copy ---------------------------------------------------------------------

namespace {

std::wstring LocalTime(const FILETIME& time) {
  FILETIME local;
  SYSTEMTIME moment;
  wchar_t date[64] = {}, clock[64] = {};
  if (!FileTimeToLocalFileTime(&time, &local) || !FileTimeToSystemTime(&local, &moment)) return {};
  GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &moment, nullptr, date, 64);
  GetTimeFormatW(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &moment, nullptr, clock, 64);
  return std::wstring(date) + L" " + clock;
}

}  // namespace

// Each copy left behind is offered, newest first, until one is restored;
// a declined one is gone. What is restored becomes this editor's script,
// unsaved, with its file name and encoding; its copy is now this editor's.
void EditorWindow::OfferRecovery() {
  for (const LeftCopy& left : CopiesLeftBehind()) {
    const std::optional<RecoveryContent> content = ReadLeftCopy(left);
    if (!content) continue;  // not a whole copy: left as it is
    const std::wstring text = WithCrLf(content->text);  // the control's line ends, as the copy holds them
    const auto lines = std::count(text.begin(), text.end(), L'\n') + 1;
    const std::wstring question =
        L"BrindleEdit wurde beendet, ohne dass alle Änderungen gespeichert waren. Von „" + FileName(content->path) +
        L"“ ist eine Wiederherstellungskopie vom " + LocalTime(left.written) + L" da (" + std::to_wstring(lines) +
        (lines == 1 ? L" Zeile" : L" Zeilen") + L").\n\nWiederherstellen? Sonst wird die Kopie verworfen.";
    if (Ask(question, MB_YESNO | MB_ICONQUESTION) == IDYES) {
      edit_.SetText(text);
      edit_.SetModified(true);
      path_ = content->path;
      encoding_ = content->encoding;
      notice_ = L"Wiederhergestellt, noch nicht gespeichert: " + FileName(path_);
      UpdateTitle();
      UpdateStatus(true);
      KeepRecoveryCopy(true);
      DeleteFileW(left.file.c_str());
      return;
    }
    DeleteFileW(left.file.c_str());
  }
}

void EditorWindow::ScheduleRecoveryCopy() {
  if (recoveryScheduled_) return;
  recoveryScheduled_ = SetTimer(window_, RecoveryTimer, RecoveryDelayMs, nullptr) != 0;
}

// Now: the whole text at once, written before this returns. Otherwise the
// pieces are taken by the timer, and the writer's thread writes the copy.
void EditorWindow::KeepRecoveryCopy(bool now) {
  KillTimer(window_, RecoveryTimer);
  recoveryScheduled_ = false;
  KillTimer(window_, RecoveryPieceTimer);
  snapshot_ = {};
  if (!edit_.Modified()) {
    recovery_.Remove();
  } else if (now) {
    recovery_.KeepNow({path_, encoding_, edit_.Range(0, edit_.Length())});
  } else {
    snapshot_ = {true, changes_, GetTickCount64(), {}};
    SetTimer(window_, RecoveryPieceTimer, RecoveryPieceMs, nullptr);
  }
  if (const DWORD error = recovery_.TakeError()) {
    notice_ = L"Keine Wiederherstellungskopie: " + SystemMessage(error);
    UpdateStatus(true);
  }
}

void EditorWindow::TakeRecoveryPiece() {
  if (!snapshot_.running) return;
  if (snapshot_.changes != changes_) {
    if (GetTickCount64() - snapshot_.started > RecoveryPatienceMs) return KeepRecoveryCopy(true);
    snapshot_.changes = changes_;
    snapshot_.text.clear();
  }
  const auto taken = static_cast<LONG>(snapshot_.text.size()), length = edit_.Length();
  if (taken < length) {
    snapshot_.text += edit_.Range(taken, std::min(length, taken + RecoveryPieceCharacters));
    return;
  }
  KillTimer(window_, RecoveryPieceTimer);
  // Saved meanwhile (a save changes no text): nothing to keep.
  if (edit_.Modified()) recovery_.Keep({path_, encoding_, std::move(snapshot_.text)});
  snapshot_ = {};
}

}  // namespace brindle_edit
