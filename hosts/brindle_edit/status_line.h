// The editor's status line. Each warning about the caret's line comes first,
// in a part of its own that is as wide as its short label and carries the
// system's warning icon; then the line's explanation, the caret's position
// and the script's code page. Resting the mouse on a part shows its whole
// text in a tip, wrapped so that it stays on the screen.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "hosts/script_lines.h"

namespace brindle_edit {

class StatusLine {
 public:
  void Create(HWND parent, int id);
  HWND Window() const { return bar_; }
  int Height() const;

  void Show(const std::vector<hosts::LineWarning>& warnings, const std::wstring& explanation, const std::wstring& position,
            const std::wstring& encoding);
  // Fits the parts to a new width of the parent.
  void Layout();

 private:
  struct Part {
    std::wstring text, tip;
    bool warning = false;
  };
  int TextWidth(const std::wstring& text) const;

  HWND bar_ = nullptr;
  HWND tips_ = nullptr;  // destroyed with its owner, the parent
  std::vector<Part> parts_;
};

}  // namespace brindle_edit
