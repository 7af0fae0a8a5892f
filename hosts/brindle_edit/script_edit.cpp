#include "hosts/brindle_edit/script_edit.h"

#include <commdlg.h>
#include <richedit.h>

#include <cstdlib>
#include <vector>

#include "hosts/brindle_edit/line_insertion.h"
#include "hosts/brindle_edit/script_file.h"
#include "hosts/brindle_edit/word_bounds.h"

namespace brindle_edit {

namespace {
constexpr LPARAM UndoSteps = 500;
}

bool ScriptEdit::Create(HWND parent, int id, HFONT font) {
  // Loaded by name from the system folder: the program imports only the
  // system libraries it always finds.
  richEdit_.reset(LoadLibraryW(L"msftedit.dll"));
  if (!richEdit_) return false;
  control_ = CreateWindowExW(WS_EX_CLIENTEDGE, MSFTEDIT_CLASS, L"",
                             WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                                 ES_AUTOHSCROLL | ES_NOHIDESEL,
                             0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             GetModuleHandleW(nullptr), nullptr);
  if (!control_) return false;
  // Plain text: no formatting is pasted in or kept. The mode can only be
  // set while the control is empty. Wine 8's msftedit takes it and undoes
  // and redoes many steps.
  SendMessageW(control_, EM_SETTEXTMODE, TM_PLAINTEXT | TM_MULTILEVELUNDO, 0);
  SendMessageW(control_, EM_SETUNDOLIMIT, UndoSteps, 0);
  // Lines are never wrapped: the view scrolls sideways with the caret, also
  // along a line of thousands of characters (so in Wine 8).
  SendMessageW(control_, EM_SETTARGETDEVICE, 0, 1);
  SendMessageW(control_, EM_EXLIMITTEXT, 0, static_cast<LPARAM>(LargestScript));
  SendMessageW(control_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  // The mouse's messages for the double click that edits a command line
  // and for the word selection (TakeWordInput).
  SendMessageW(control_, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE | ENM_MOUSEEVENTS);
  return true;
}

std::wstring ScriptEdit::Text() const {
  // WM_GETTEXT gives the rich edit control's line ends as "\r\n".
  const auto length = static_cast<std::size_t>(GetWindowTextLengthW(control_));
  std::wstring text(length + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control_, text.data(), static_cast<int>(text.size()))));
  return text;
}

void ScriptEdit::SetText(const std::wstring& text) {
  SetWindowTextW(control_, text.c_str());
  SendMessageW(control_, EM_EMPTYUNDOBUFFER, 0, 0);
  SetModified(false);
}

bool ScriptEdit::Modified() const { return SendMessageW(control_, EM_GETMODIFY, 0, 0) != 0; }

void ScriptEdit::SetModified(bool modified) { SendMessageW(control_, EM_SETMODIFY, modified, 0); }

CHARRANGE ScriptEdit::Selection() const {
  CHARRANGE selection = {};
  SendMessageW(control_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  return selection;
}

void ScriptEdit::Select(LONG first, LONG end) {
  CHARRANGE range = {first, end};
  SendMessageW(control_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  SendMessageW(control_, EM_SCROLLCARET, 0, 0);
}

LONG ScriptEdit::Length() const {
  // Positions count the control's line end "\r" as one character, as in
  // its own text; "\r\n" would count two.
  GETTEXTLENGTHEX length = {GTL_PRECISE | GTL_NUMCHARS, 1200};
  return static_cast<LONG>(SendMessageW(control_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
}

std::wstring ScriptEdit::Range(LONG first, LONG end) const {
  std::wstring text(static_cast<std::size_t>(end - first) + 1, L'\0');
  TEXTRANGEW range = {{first, end}, text.data()};
  text.resize(static_cast<std::size_t>(SendMessageW(control_, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range))));
  return text;
}

void ScriptEdit::InsertLineAtCaret(const std::wstring& line) {
  const LineInsertion insertion = InsertLine(Range(0, Length()), static_cast<std::size_t>(Selection().cpMax), line, L"\r");
  const auto position = static_cast<LONG>(insertion.position), caret = static_cast<LONG>(insertion.caretAfter);
  ReplaceRange(position, position, insertion.text);
  Select(caret, caret);
}

void ScriptEdit::ReplaceLine(int number, const std::wstring& text) {
  const auto start = static_cast<LONG>(SendMessageW(control_, EM_LINEINDEX, number, 0));
  const auto length = static_cast<LONG>(SendMessageW(control_, EM_LINELENGTH, start, 0));
  ReplaceRange(start, start + length, text);
  SendMessageW(control_, EM_SCROLLCARET, 0, 0);
}

void ScriptEdit::ReplaceRange(LONG first, LONG end, const std::wstring& text) {
  // The typing before and after are groups of their own. (Wine 8 ends a
  // typing group at EM_REPLACESEL by itself; the documented way is this message.)
  SendMessageW(control_, EM_STOPGROUPTYPING, 0, 0);
  CHARRANGE range = {first, end};
  SendMessageW(control_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  SendMessageW(control_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));  // undoable
  SendMessageW(control_, EM_STOPGROUPTYPING, 0, 0);
}

ScriptEdit::CaretLine ScriptEdit::LineAtCaret() const { return LineAt(Selection().cpMax); }

ScriptEdit::CaretLine ScriptEdit::LineAt(LONG position) const {
  CaretLine line;
  line.number = static_cast<int>(SendMessageW(control_, EM_EXLINEFROMCHAR, 0, position));
  const auto start = static_cast<LONG>(SendMessageW(control_, EM_LINEINDEX, line.number, 0));
  const auto length = static_cast<LONG>(SendMessageW(control_, EM_LINELENGTH, start, 0));
  line.column = position - start;
  line.caret = position;
  line.text = Range(start, start + length);
  return line;
}

std::wstring ScriptEdit::LineBefore(int number) const {
  for (int line = number - 1; line >= 0; --line) {
    const auto start = static_cast<LONG>(SendMessageW(control_, EM_LINEINDEX, line, 0));
    const auto length = static_cast<LONG>(SendMessageW(control_, EM_LINELENGTH, start, 0));
    std::wstring text = Range(start, start + length);
    if (text.find_first_not_of(L" \t") != std::wstring::npos) return text;
  }
  return {};
}

bool ScriptEdit::TakeWordInput(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KEYDOWN) {
    if (wParam != VK_RIGHT || GetKeyState(VK_CONTROL) >= 0) return false;
    const CHARRANGE selection = Selection();
    const CaretLine line = LineAt(selection.cpMax);
    if (!WordMoveEndsLine(line.text, static_cast<std::size_t>(line.column))) return false;
    const LONG lineEnd = line.caret - line.column + static_cast<LONG>(line.text.size());
    Select(GetKeyState(VK_SHIFT) < 0 ? selection.cpMin : lineEnd, lineEnd);
    return true;
  }
  const bool press = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
                     message == WM_XBUTTONDOWN;
  if (!press && message != WM_LBUTTONDBLCLK) return false;
  const Press now = {message, wParam, GetMessageTime(),
                     {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}};
  // Counted as the control counts (Wine 8's riched20): a second press of
  // the same kind within the double-click time and half its distance.
  const bool repeat = now.message == lastPress_.message && now.keys == lastPress_.keys &&
                      static_cast<DWORD>(now.time - lastPress_.time) < GetDoubleClickTime() &&
                      std::abs(now.at.x - lastPress_.at.x) < GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
                      std::abs(now.at.y - lastPress_.at.y) < GetSystemMetrics(SM_CYDOUBLECLK) / 2;
  if (message != WM_LBUTTONDBLCLK && !(message == WM_LBUTTONDOWN && repeat)) {
    lastPress_ = now;
    return false;
  }
  POINTL at = {now.at.x, now.at.y};
  const auto clicked = static_cast<LONG>(SendMessageW(control_, EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&at)));
  const CaretLine line = LineAt(clicked);
  const LONG start = line.caret - line.column;
  // The double click selects a word; a third click, the line.
  const TextSpan word = message == WM_LBUTTONDBLCLK ? WordAt(line.text, static_cast<std::size_t>(line.column))
                                                    : TextSpan{0, line.text.size()};
  Select(start + static_cast<LONG>(word.begin), start + static_cast<LONG>(word.end));
  return true;
}

std::wstring ScriptEdit::SelectedText() const {
  const CHARRANGE selection = Selection();
  return Range(selection.cpMin, selection.cpMax);
}

bool ScriptEdit::FindNext(const std::wstring& what, DWORD flags) {
  const CHARRANGE selection = Selection();
  const bool down = (flags & FR_DOWN) != 0;
  FINDTEXTEXW find = {};
  find.chrg = down ? CHARRANGE{selection.cpMax, -1} : CHARRANGE{selection.cpMin, 0};
  find.lpstrText = what.c_str();
  if (SendMessageW(control_, EM_FINDTEXTEXW, flags & (FR_DOWN | FR_MATCHCASE | FR_WHOLEWORD),
                   reinterpret_cast<LPARAM>(&find)) < 0)
    return false;
  Select(find.chrgText.cpMin, find.chrgText.cpMax);
  return true;
}

bool ScriptEdit::ReplaceSelection(const std::wstring& what, const std::wstring& text, DWORD flags) {
  const std::wstring selected = SelectedText();
  const bool same = CompareStringOrdinal(selected.c_str(), static_cast<int>(selected.size()), what.c_str(),
                                         static_cast<int>(what.size()), (flags & FR_MATCHCASE) ? FALSE : TRUE) == CSTR_EQUAL;
  if (what.empty() || !same) return false;
  const CHARRANGE selection = Selection();
  ReplaceRange(selection.cpMin, selection.cpMax, text);
  return true;
}

int ScriptEdit::ReplaceAll(const std::wstring& what, const std::wstring& text, DWORD flags) {
  if (what.empty()) return 0;
  std::vector<CHARRANGE> matches;
  FINDTEXTEXW find = {};
  find.lpstrText = what.c_str();
  for (find.chrg = {0, -1}; SendMessageW(control_, EM_FINDTEXTEXW, FR_DOWN | (flags & (FR_MATCHCASE | FR_WHOLEWORD)),
                                          reinterpret_cast<LPARAM>(&find)) >= 0;
       find.chrg = {find.chrgText.cpMax, -1})
    matches.push_back(find.chrgText);
  if (matches.empty()) return 0;
  // One replacement from the first match to the end of the last: one undo step.
  const LONG first = matches.front().cpMin;
  const std::wstring before = Range(first, matches.back().cpMax);
  std::wstring after;
  LONG done = first;
  for (const CHARRANGE& match : matches) {
    after.append(before, static_cast<std::size_t>(done - first), static_cast<std::size_t>(match.cpMin - done)).append(text);
    done = match.cpMax;
  }
  ReplaceRange(first, matches.back().cpMax, after);
  const LONG end = first + static_cast<LONG>(after.size());
  Select(end, end);
  return static_cast<int>(matches.size());
}

int ScriptEdit::LineCount() const { return static_cast<int>(SendMessageW(control_, EM_GETLINECOUNT, 0, 0)); }

void ScriptEdit::GoToLine(int number) {
  const auto start = static_cast<LONG>(SendMessageW(control_, EM_LINEINDEX, number, 0));
  Select(start, start);
}

}  // namespace brindle_edit
