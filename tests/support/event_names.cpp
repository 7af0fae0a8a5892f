#include "tests/support/event_names.h"

#include <windows.h>

#include "toolkit/constants.h"

namespace support {

namespace {

#define NAME(x) {x, #x}
struct Named {
  int number;
  const char* name;
};

const Named EventKinds[] = {
    {toolkit::event::None, "none"},
    {toolkit::event::WindowMoved, "moved"},
    {toolkit::event::WindowSized, "sized"},
    {toolkit::event::BackgroundRepainted, "background"},
    {toolkit::event::Close, "close"},
    {toolkit::event::Gadget, "gadget"},
    {toolkit::event::Menu, "menu"},
    {toolkit::event::WindowActivated, "activated"},
    {toolkit::event::Minimised, "minimised"},
    {toolkit::event::Maximised, "maximised"},
    {toolkit::event::Restored, "restored"},
    NAME(WM_KEYDOWN), NAME(WM_KEYUP), NAME(WM_CHAR), NAME(WM_SYSKEYDOWN), NAME(WM_SYSKEYUP),
    NAME(WM_SYSCHAR), NAME(WM_MOUSEMOVE), NAME(WM_LBUTTONDOWN), NAME(WM_LBUTTONUP),
    NAME(WM_RBUTTONDOWN), NAME(WM_RBUTTONUP), NAME(WM_NCMOUSEMOVE), NAME(WM_NCLBUTTONDOWN),
    NAME(WM_TIMER), NAME(WM_SYSCOMMAND), NAME(WM_NULL), NAME(WM_QUIT), NAME(WM_USER),
};

const Named TypeNames[] = {
    {toolkit::event_type::FocusGained, "focus gained"},
    {toolkit::event_type::FocusLost, "focus lost"},
};
#undef NAME

std::string Lookup(const Named* table, std::size_t count, int number) {
  for (std::size_t i = 0; i < count; ++i)
    if (table[i].number == number) return table[i].name;
  return std::to_string(number);
}

}  // namespace

std::string EventKindName(int kind) {
  return Lookup(EventKinds, std::size(EventKinds), kind);
}

std::string Describe(const RecordedEvent& event) {
  std::string text = EventKindName(event.kind);
  if (event.kind == toolkit::event::Gadget) {
    text.append(" ").append(std::to_string(event.gadget)).append(" type ");
    text.append(Lookup(TypeNames, std::size(TypeNames), event.type));
  }
  return text;
}

std::string Describe(const std::vector<RecordedEvent>& events) {
  std::string text = "[";
  for (std::size_t i = 0; i < events.size(); ++i) text += (i ? ", " : "") + Describe(events[i]);
  return text + "]";
}

}  // namespace support
