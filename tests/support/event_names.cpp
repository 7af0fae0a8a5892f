#include "tests/support/event_names.h"

#include <iterator>

#include "toolkit/constants.h"

namespace support {

namespace {

struct Named {
  int number;
  const char* name;
};

#define BRINDLE_EVENT_NAME(name, number, text) {number, text},

// System message identifiers are written out here to keep windows.h away.
constexpr Named Kinds[] = {
    BRINDLE_EVENT_KINDS(BRINDLE_EVENT_NAME)
    {0x0012, "WM_QUIT"},        {0x0100, "WM_KEYDOWN"},    {0x0101, "WM_KEYUP"},
    {0x0102, "WM_CHAR"},        {0x0104, "WM_SYSKEYDOWN"}, {0x0105, "WM_SYSKEYUP"},
    {0x0112, "WM_SYSCOMMAND"},  {0x0113, "WM_TIMER"},      {0x0200, "WM_MOUSEMOVE"},
    {0x0201, "WM_LBUTTONDOWN"}, {0x0202, "WM_LBUTTONUP"},  {0x00A0, "WM_NCMOUSEMOVE"},
    {0x00A1, "WM_NCLBUTTONDOWN"},
};

constexpr Named Types[] = {BRINDLE_EVENT_TYPES(BRINDLE_EVENT_NAME)};
#undef BRINDLE_EVENT_NAME

std::string Lookup(const Named* first, const Named* last, int number) {
  for (; first != last; ++first)
    if (first->number == number) return first->name;
  return std::to_string(number);
}

}  // namespace

std::string EventKindName(int kind) { return Lookup(std::begin(Kinds), std::end(Kinds), kind); }

std::string DescribeEvent(int kind, int gadget, int type) {
  std::string text = EventKindName(kind);
  if (kind == toolkit::event::Gadget) {
    text.append(" ").append(std::to_string(gadget)).append(" ");
    text.append(Lookup(std::begin(Types), std::end(Types), type));
  }
  return text;
}

}  // namespace support
