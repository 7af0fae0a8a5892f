// The script's text: the system's rich edit control (msftedit.dll) in
// plain-text mode, for undo and redo of many steps in which every inserted
// command line is a step of its own.
#pragma once

#include <windows.h>
#include <richedit.h>

#include <string>

#include "hosts/brindle_edit/owned_handles.h"

namespace brindle_edit {

class ScriptEdit {
 public:
  // Makes the control as child `id` of `parent`; false without msftedit.dll.
  bool Create(HWND parent, int id, HFONT font);
  HWND Window() const { return control_; }

  std::wstring Text() const;  // lines end in "\r\n"
  // The text in the control's own positions, which count its line end "\r"
  // as one character: its length, and a part of it (lines end in "\r").
  LONG Length() const;
  std::wstring Range(LONG first, LONG end) const;
  // A new document: nothing to undo, nothing modified.
  void SetText(const std::wstring& text);
  bool Modified() const;
  void SetModified(bool modified);

  // `line` as a line of its own at the caret (see InsertLine), as one undo
  // step that neither the typing before nor after it joins.
  void InsertLineAtCaret(const std::wstring& line);
  // Line `number` (from 0) becomes `text`, as one undo step; the caret
  // ends at its end.
  void ReplaceLine(int number, const std::wstring& text);

  struct CaretLine {
    int number = 0;       // from 0
    LONG column = 0;      // from 0
    LONG caret = 0;       // in the whole text
    std::wstring text;    // without its line break
  };
  CaretLine LineAtCaret() const;
  // The last line above line `number` that is not blank; empty when there is none.
  std::wstring LineBefore(int number) const;
  std::wstring SelectedText() const;

  // Takes the word selection and word movement that Wine 8's control gets
  // wrong at a line's end (word_bounds.h) from a message the control is
  // about to handle (its mouse messages come through EN_MSGFILTER, its keys
  // from the message loop): a double click selects the word, a click that
  // the control would count as a repeat selects the line, Ctrl+Right that
  // would end the line stops at its end. True when it took the message.
  bool TakeWordInput(UINT message, WPARAM wParam, LPARAM lParam);

  // Selects the next match of `what` after the selection (before it without
  // FR_DOWN), with the find dialog's FR_MATCHCASE and FR_WHOLEWORD; false
  // when there is none.
  bool FindNext(const std::wstring& what, DWORD flags);
  // The selection becomes `text` as one undo step, if it is `what` (in
  // either case unless FR_MATCHCASE); false otherwise.
  bool ReplaceSelection(const std::wstring& what, const std::wstring& text, DWORD flags);
  // Every match of `what` (FR_MATCHCASE, FR_WHOLEWORD) becomes `text`, all
  // of them one undo step; how many.
  int ReplaceAll(const std::wstring& what, const std::wstring& text, DWORD flags);

  int LineCount() const;
  // The caret to the start of line `number` (from 0), in sight.
  void GoToLine(int number);

 private:
  // Replaces the range as one undo step, apart from the typing around it.
  void ReplaceRange(LONG first, LONG end, const std::wstring& text);
  CHARRANGE Selection() const;
  void Select(LONG first, LONG end);
  // The line of the character at `position`, as LineAtCaret gives it.
  CaretLine LineAt(LONG position) const;

  OwnedLibrary richEdit_;
  HWND control_ = nullptr;
  // The last mouse press the control counted its clicks from (it compares
  // each press with the one before, by message, keys, time and place).
  struct Press {
    UINT message = 0;
    WPARAM keys = 0;
    LONG time = 0;
    POINT at = {};
  } lastPress_;
};

}  // namespace brindle_edit
