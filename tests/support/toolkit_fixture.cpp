#include "tests/support/toolkit_fixture.h"

namespace support {

void PrintTo(const RecordedEvent& e, std::ostream* out) {
#define BRINDLE_NAME_OF(name, number, text) if (wanted == number) return text;
  auto kind = [](int wanted) -> std::string { BRINDLE_EVENT_KINDS(BRINDLE_NAME_OF) return std::to_string(wanted); };
  auto type = [](int wanted) -> std::string { BRINDLE_EVENT_TYPES(BRINDLE_NAME_OF) return std::to_string(wanted); };
#undef BRINDLE_NAME_OF
  *out << kind(e.kind);
  if (e.kind == toolkit::event::Gadget) *out << " " << e.gadget << " " << type(e.type);
}

std::vector<RecordedEvent> PumpEvents(int quietMs) {
  std::vector<RecordedEvent> events;
  // A bound, so that a window that never goes quiet fails instead of hanging.
  for (int i = 0; i < 5000; ++i) {
    const int kind = toolkit::WaitEvent(quietMs);
    if (kind == toolkit::event::None) break;
    if (!toolkit::event::IsToolkitKind(kind) || kind == toolkit::event::BackgroundRepainted ||
        kind == toolkit::event::WindowActivated)
      continue;
    RecordedEvent event{kind};
    if (kind == toolkit::event::Gadget) {
      event.gadget = toolkit::EventGadget();
      event.type = toolkit::EventType();
    }
    events.push_back(event);
  }
  return events;
}

void ToolkitTest::SetUp() {
  window_ = toolkit::OpenWindow(toolkit::AnyNumber, 0, 0, 300, 200, "Toolkit test",
                                toolkit::window_flag::CommandDialog);
  ASSERT_NE(window_, 0);
  handle_ = toolkit::WindowHandle(window_);
  SetForegroundWindow(handle_);
  PumpEvents();
}

void ToolkitTest::TearDown() {
  toolkit::SetWindowCallback(nullptr);
  toolkit::CloseWindow(window_);
  PumpEvents();
}

}  // namespace support

