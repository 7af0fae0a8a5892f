#include "hosts/brindle_edit/editor_window.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>
#include <vector>

#include "hosts/brindle_edit/command_explanation.h"
#include "hosts/brindle_edit/editor_menu.h"
#include "hosts/brindle_edit/line_insertion.h"
#include "hosts/brindle_edit/script_file.h"
#include "hosts/brindle_edit/script_runner.h"

namespace brindle_edit {

namespace {

constexpr wchar_t WindowClass[] = L"BrindleEditWindow";
constexpr wchar_t ProgramName[] = L"BrindleEdit";
constexpr int EditId = 100;
constexpr int StatusId = 101;
constexpr UINT_PTR StatusTimer = 1;
constexpr UINT StatusTimerMs = 150;
constexpr int PositionPartWidth = 150;
constexpr int EncodingPartWidth = 130;
constexpr wchar_t ScriptFilter[] = L"Befehlsskripte (*.bat; *.cmd)\0*.bat;*.cmd\0Alle Dateien (*.*)\0*.*\0";

std::wstring FileName(const std::wstring& path) {
  return path.empty() ? std::wstring(L"Unbenannt") : path.substr(path.find_last_of(L'\\') + 1);
}

std::wstring SystemMessage(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
      reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message = length ? std::wstring(text, length) : L"Fehler " + std::to_wstring(error);
  if (text) LocalFree(text);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r')) message.pop_back();
  return message;
}

std::wstring EncodingLabel(ScriptEncoding encoding) {
  return encoding == ScriptEncoding::Utf8WithMark ? std::wstring(L"UTF-8")
                                                  : L"Konsole (CP " + std::to_wstring(GetOEMCP()) + L")";
}

}  // namespace

EditorWindow::EditorWindow() : programFolder_(ProgramFolder()), library_(programFolder_) {}

HWND EditorWindow::Create(const std::wstring& path, int showCommand) {
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
  return window_;
}

int EditorWindow::Run() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
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
    case WM_SETFOCUS: SetFocus(edit_); return 0;
    case WM_TIMER: UpdateStatus(false); return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == EditId) {
        if (HIWORD(wParam) == EN_CHANGE) {
          ++changes_;
          UpdateTitle();
        }
        return 0;
      }
      OnCommand(LOWORD(wParam));
      return 0;
    case WM_INITMENUPOPUP: {
      auto menu = reinterpret_cast<HMENU>(wParam);
      DWORD start = 0, end = 0;
      SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
      auto enable = [menu](UINT id, bool on) { EnableMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED)); };
      enable(menu_item::Undo, SendMessageW(edit_, EM_CANUNDO, 0, 0) != 0);
      for (UINT id : {menu_item::Cut, menu_item::Copy, menu_item::Delete}) enable(id, start != end);
      enable(menu_item::Paste, IsClipboardFormatAvailable(CF_UNICODETEXT) != 0);
      return 0;
    }
    case WM_CLOSE:
      // While a command dialog is open the library's loop runs on this
      // thread: the editor goes only after it.
      if (!commandRunning_ && ConfirmDiscard()) DestroyWindow(window_);
      return 0;
    case WM_DESTROY:
      KillTimer(window_, StatusTimer);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

void EditorWindow::OnCreate() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  edit_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                          WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                              ES_AUTOHSCROLL | ES_NOHIDESEL,
                          0, 0, 0, 0, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(EditId)), instance, nullptr);
  status_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | SBARS_TOOLTIPS, 0, 0, 0, 0, window_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(StatusId)), instance, nullptr);
  HDC screen = GetDC(nullptr);
  const int height = -MulDiv(10, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  font_.reset(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, L"Courier New"));
  SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  SendMessageW(edit_, EM_SETLIMITTEXT, 0, 0);  // no limit beyond the system's
  SetTimer(window_, StatusTimer, StatusTimerMs, nullptr);
}

void EditorWindow::Layout() {
  SendMessageW(status_, WM_SIZE, 0, 0);
  RECT client, status;
  GetClientRect(window_, &client);
  GetWindowRect(status_, &status);
  const int statusHeight = status.bottom - status.top;
  MoveWindow(edit_, 0, 0, client.right, std::max(0L, client.bottom - statusHeight), TRUE);
  const int edges[] = {std::max(0, static_cast<int>(client.right) - PositionPartWidth - EncodingPartWidth),
                       std::max(0, static_cast<int>(client.right) - EncodingPartWidth), -1};
  SendMessageW(status_, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
  UpdateStatus(true);
}

void EditorWindow::OnCommand(UINT id) {
  if (id >= menu_item::FirstCommand && id < menu_item::FirstCommand + CommandNames.size()) {
    InsertCommand(CommandNames[id - menu_item::FirstCommand]);
    return;
  }
  switch (id) {
    case menu_item::New: NewScript(); break;
    case menu_item::Open: OpenScript(); break;
    case menu_item::Save: Save(); break;
    case menu_item::SaveAs: SaveAs(); break;
    case menu_item::Run: RunScript(); break;
    case menu_item::Exit: PostMessageW(window_, WM_CLOSE, 0, 0); break;
    case menu_item::Undo: SendMessageW(edit_, EM_UNDO, 0, 0); break;
    case menu_item::Cut: SendMessageW(edit_, WM_CUT, 0, 0); break;
    case menu_item::Copy: SendMessageW(edit_, WM_COPY, 0, 0); break;
    case menu_item::Paste: SendMessageW(edit_, WM_PASTE, 0, 0); break;
    case menu_item::Delete: SendMessageW(edit_, WM_CLEAR, 0, 0); break;
    case menu_item::SelectAll: SendMessageW(edit_, EM_SETSEL, 0, -1); break;
    case menu_item::HelpContents: ShowHelp(); break;
    case menu_item::About:
      MessageBoxW(window_,
                  L"BrindleEdit – ein Editor für Befehlsskripte (.bat, .cmd)\n\n"
                  L"Das Menü „Befehle“ baut mit den Dialogen von Brindlework.dll fertige Befehlszeilen "
                  L"und fügt sie als eigene Zeile an der Schreibmarke ein.\n\n"
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
  if (error == ERROR_FILE_NOT_FOUND) {
    notice_ = L"Neue Datei: wird beim Speichern angelegt";
  } else if (error != 0) {
    Ask(L"„" + path + L"“ kann nicht geöffnet werden:\n" + SystemMessage(error), MB_OK | MB_ICONERROR);
    return false;
  }
  SetWindowTextW(edit_, script.text.c_str());
  SendMessageW(edit_, EM_SETMODIFY, FALSE, 0);
  SendMessageW(edit_, EM_EMPTYUNDOBUFFER, 0, 0);
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
  const std::wstring text = Text();
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
  SendMessageW(edit_, EM_SETMODIFY, FALSE, 0);
  notice_ = L"Gespeichert: " + path;
  UpdateTitle();
  UpdateStatus(true);
  return true;
}

bool EditorWindow::ConfirmDiscard() {
  if (!Modified()) return true;
  switch (Ask(L"Die Änderungen an „" + FileName(path_) + L"“ speichern?", MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES: return Save();
    case IDNO: return true;
    default: return false;
  }
}

void EditorWindow::NewScript() {
  if (!ConfirmDiscard()) return;
  SetWindowTextW(edit_, L"");
  SendMessageW(edit_, EM_SETMODIFY, FALSE, 0);
  SendMessageW(edit_, EM_EMPTYUNDOBUFFER, 0, 0);
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
  if ((!onDisk || Modified()) && !Save()) return;
  if (const DWORD error = RunInConsole(path_)) {
    Ask(L"Die Konsole kann nicht gestartet werden:\n" + SystemMessage(error), MB_OK | MB_ICONERROR);
    return;
  }
  notice_ = L"Ausgeführt in einer neuen Konsole: " + FileName(path_);
  UpdateStatus(true);
}

// --- commands and help -----------------------------------------------------------

void EditorWindow::InsertCommand(const char* command) {
  if (commandRunning_) return;  // the library runs one dialog at a time
  if (!library_.Loaded()) {
    Ask(L"Brindlework.dll fehlt. Sie gehört in denselben Ordner wie BrindleEdit.exe:\n" + programFolder_,
        MB_OK | MB_ICONERROR);
    return;
  }
  // The dialogs' "?" buttons look for Hilfe.chm in the current directory.
  SetCurrentDirectoryW(programFolder_.c_str());
  // Modal like a dialog of the editor's own: the library's loop runs on this
  // thread, and a second command must not start inside it.
  commandRunning_ = true;
  EnableWindow(window_, FALSE);
  const std::wstring line = library_.Call(command);
  EnableWindow(window_, TRUE);
  commandRunning_ = false;
  SetForegroundWindow(window_);
  SetFocus(edit_);
  if (line.empty()) {
    notice_ = L"Abgebrochen: nichts eingefügt";
    UpdateStatus(true);
    return;
  }
  DWORD start = 0, end = 0;
  SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const LineInsertion insertion = InsertLine(Text(), end, line);
  SendMessageW(edit_, EM_SETSEL, insertion.position, insertion.position);
  SendMessageW(edit_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(insertion.text.c_str()));  // undoable
  SendMessageW(edit_, EM_SETSEL, insertion.caretAfter, insertion.caretAfter);
  SendMessageW(edit_, EM_SCROLLCARET, 0, 0);
  UpdateStatus(true);
}

void EditorWindow::ShowHelp() {
  const std::wstring helpFile = L"\"" + programFolder_ + L"Hilfe.chm\"";
  ShellExecuteW(window_, nullptr, L"hh.exe", helpFile.c_str(), nullptr, SW_SHOWNORMAL);
}

// --- title and status line ---------------------------------------------------------

void EditorWindow::UpdateTitle() {
  const std::wstring title = (Modified() ? L"*" : L"") + FileName(path_) + L" – " + ProgramName;
  SetWindowTextW(window_, title.c_str());
}

void EditorWindow::UpdateStatus(bool force) {
  DWORD start = 0, caret = 0;
  SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&caret));
  if (!force && caret == shownCaret_ && changes_ == shownChanges_) return;
  if (!force) notice_.clear();  // a notice stays until the user moves on
  shownCaret_ = caret;
  shownChanges_ = changes_;

  const auto line = static_cast<int>(SendMessageW(edit_, EM_LINEFROMCHAR, caret, 0));
  const auto lineStart = static_cast<DWORD>(SendMessageW(edit_, EM_LINEINDEX, line, 0));
  const auto length = static_cast<int>(SendMessageW(edit_, EM_LINELENGTH, lineStart, 0));
  // EM_GETLINE takes the room in the buffer's first character.
  std::vector<wchar_t> buffer(static_cast<std::size_t>(std::max(length, 1)) + 1, L'\0');
  buffer[0] = static_cast<wchar_t>(std::min(length, 0xFFFF));
  const auto copied = static_cast<std::size_t>(
      SendMessageW(edit_, EM_GETLINE, line, reinterpret_cast<LPARAM>(buffer.data())));
  const std::wstring lineText(buffer.data(), std::min(copied, static_cast<std::size_t>(length)));

  const std::wstring explanation = notice_.empty() ? ExplainLine(lineText) : notice_;
  SetStatusPart(0, explanation);
  // A long explanation is cut off in the line; its tip shows it whole.
  SendMessageW(status_, SB_SETTIPTEXTW, 0, reinterpret_cast<LPARAM>(explanation.c_str()));
  SetStatusPart(1, L"Zeile " + std::to_wstring(line + 1) + L", Spalte " + std::to_wstring(caret - lineStart + 1));
  SetStatusPart(2, EncodingLabel(encoding_));
}

void EditorWindow::SetStatusPart(int part, const std::wstring& text) {
  SendMessageW(status_, SB_SETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text.c_str()));
}

// --- helpers ------------------------------------------------------------------------

std::wstring EditorWindow::Text() const {
  const auto length = static_cast<std::size_t>(GetWindowTextLengthW(edit_));
  std::wstring text(length + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(edit_, text.data(), static_cast<int>(text.size()))));
  return text;
}

bool EditorWindow::Modified() const { return SendMessageW(edit_, EM_GETMODIFY, 0, 0) != 0; }

int EditorWindow::Ask(const std::wstring& question, UINT buttons) const {
  return MessageBoxW(window_, question.c_str(), ProgramName, buttons);
}

}  // namespace brindle_edit
