// The notice of a dialog opened from a line with parts it cannot show: one
// line above the buttons, which move down to make room for it.
#pragma once

#include <cstdint>
#include <string>

namespace plugin {

// The gadget number of the notice, which no dialog uses.
inline constexpr int NoticeGadget = 90;

// Makes `window` (opened with `flags`) one notice line taller, moves the
// gadgets from `buttonRowTop` down and shows `text` above them.
void ShowNoticeLine(int window, std::uint32_t flags, int buttonRowTop, const std::string& text);

}  // namespace plugin
