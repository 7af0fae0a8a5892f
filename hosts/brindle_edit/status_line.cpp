#include "hosts/brindle_edit/status_line.h"

#include <commctrl.h>

#include <algorithm>

namespace brindle_edit {

namespace {

constexpr wchar_t WidestPosition[] = L"Zeile 0000, Spalte 000";  // so that the parts do not jump
constexpr int IconSize = 16;
constexpr int Padding = 12;  // a part's borders and the gap after its icon
constexpr int GripWidth = 16;
constexpr int TipWidth = 420;       // longer tips wrap
constexpr int TipShownMs = 30000;

// A window's device context with the window's font selected; both given back.
class FontDc {
 public:
  explicit FontDc(HWND window) : window_(window), dc_(GetDC(window)) {
    auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0));
    previous_ = SelectObject(dc_, font ? font : GetStockObject(DEFAULT_GUI_FONT));
  }
  ~FontDc() {
    SelectObject(dc_, previous_);
    ReleaseDC(window_, dc_);
  }
  FontDc(const FontDc&) = delete;
  FontDc& operator=(const FontDc&) = delete;
  HDC Dc() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace

void StatusLine::Create(HWND parent, int id) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  bar_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, 0, 0, 0,
                          0, parent, nullptr, instance, nullptr);
  SendMessageW(tips_, TTM_SETMAXTIPWIDTH, 0, TipWidth);
  SendMessageW(tips_, TTM_SETDELAYTIME, TTDT_AUTOPOP, TipShownMs);
}

int StatusLine::Height() const {
  RECT bar;
  GetWindowRect(bar_, &bar);
  return bar.bottom - bar.top;
}

int StatusLine::TextWidth(const std::wstring& text) const {
  const FontDc dc(bar_);
  SIZE size = {};
  GetTextExtentPoint32W(dc.Dc(), text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

void StatusLine::Show(const std::vector<hosts::LineWarning>& warnings, const std::wstring& explanation,
                      const std::wstring& position, const std::wstring& encoding) {
  parts_.clear();
  for (const hosts::LineWarning& warning : warnings) parts_.push_back({warning.label, warning.explanation, true});
  parts_.push_back({explanation, explanation});
  parts_.push_back({position, {}});
  parts_.push_back({encoding, {}});
  Layout();
}

void StatusLine::Layout() {
  SendMessageW(bar_, WM_SIZE, 0, 0);
  RECT client;
  GetClientRect(bar_, &client);
  std::vector<int> edges;
  int left = 0;
  for (const Part& part : parts_) {
    if (part.warning) edges.push_back(left += IconSize + Padding + TextWidth(part.text));
  }
  if (parts_.size() >= 2) {
    const int encoding = TextWidth(parts_.back().text) + Padding + GripWidth;
    const int position = std::max(TextWidth(parts_[parts_.size() - 2].text), TextWidth(WidestPosition)) + Padding;
    const int fixed = static_cast<int>(client.right) - position - encoding;
    edges.push_back(std::max(left, fixed));
    edges.push_back(std::max(left, fixed + position));
  }
  edges.push_back(-1);
  SendMessageW(bar_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));

  // The tools are made anew for the new parts: one per part, numbered like it.
  while (SendMessageW(tips_, TTM_GETTOOLCOUNT, 0, 0) > 0) {
    TTTOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    if (!SendMessageW(tips_, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool))) break;
    SendMessageW(tips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  const auto warningIcon = static_cast<HICON>(LoadImageW(nullptr, IDI_WARNING, IMAGE_ICON, IconSize, IconSize,
                                                         LR_SHARED));  // the system's, not to be destroyed
  for (std::size_t i = 0; i < parts_.size(); ++i) {
    SendMessageW(bar_, SB_SETTEXTW, i, reinterpret_cast<LPARAM>(parts_[i].text.c_str()));
    SendMessageW(bar_, SB_SETICON, i, reinterpret_cast<LPARAM>(parts_[i].warning ? warningIcon : nullptr));
    if (parts_[i].tip.empty()) continue;
    TTTOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = bar_;
    tool.uId = i;
    tool.lpszText = parts_[i].tip.data();
    SendMessageW(bar_, SB_GETRECT, i, reinterpret_cast<LPARAM>(&tool.rect));
    SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

}  // namespace brindle_edit
